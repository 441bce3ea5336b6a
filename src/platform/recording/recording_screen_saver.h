#pragma once

#include <memory>

#include "platform/recording/request_log.h"
#include "platform/screen_saver.h"

namespace quorvel {

class RecordingScreenSaver final : public ScreenSaver {
public:
    explicit RecordingScreenSaver(std::shared_ptr<RequestLog> log);

    void SetScreenSaver(bool active) override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
