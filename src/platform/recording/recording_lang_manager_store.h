#pragma once

#include <memory>

#include "platform/lang_manager_store.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Remembers what it was last told; both values empty at first.
class RecordingLangManagerStore final : public LangManagerStore {
public:
    explicit RecordingLangManagerStore(std::shared_ptr<RequestLog> log);

    std::string ProgramFolder() const override { return m_folder; }
    void SetProgramFolder(const std::string& folder) override;
    std::string LanguageExtension() const override { return m_extension; }
    void SetLanguageExtension(const std::string& extension) override;

    // Set the starting state without logging a request.
    void PresetProgramFolder(std::string folder) { m_folder = std::move(folder); }
    void PresetLanguageExtension(std::string extension) { m_extension = std::move(extension); }

private:
    std::shared_ptr<RequestLog> m_log;
    std::string m_folder;
    std::string m_extension;
};

}  // namespace quorvel
