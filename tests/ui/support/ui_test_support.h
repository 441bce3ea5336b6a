#pragma once

#include <QStringList>
#include <memory>

#include "platform/platform_services.h"
#include "platform/recording/recording_backend.h"

namespace quorvel::test {

// A QApplication for the whole test program, made on first use.
void EnsureApplication();

// The recording backend on an in-memory log, with the requests read back without time stamps.
class RecordedPlatform {
public:
    RecordedPlatform();

    QStringList Requests() const;

    std::shared_ptr<RequestLog> log;
    RecordingBackend backend;
    PlatformServices services;
};

}  // namespace quorvel::test
