#include "platform/recording/recording_lang_manager_store.h"

namespace quorvel {

RecordingLangManagerStore::RecordingLangManagerStore(std::shared_ptr<RequestLog> log) : m_log(std::move(log))
{
}

void RecordingLangManagerStore::SetProgramFolder(const std::string& folder)
{
    m_log->Record("SetLangManagerFolder", {folder});
    m_folder = folder;
}

void RecordingLangManagerStore::SetLanguageExtension(const std::string& extension)
{
    m_log->Record("SetLangManagerExtension", {extension});
    m_extension = extension;
}

}  // namespace quorvel
