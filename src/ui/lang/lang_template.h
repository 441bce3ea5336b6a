#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/lang/lang_message_catalog.h"

class QWidget;
class TLangMgr;

namespace quorvel {

// Builds one window, as it stands after construction, for reading its texts. The window must be a
// TLangForm; its class name is the section its texts go to.
using LangTemplateWindowFactory = std::function<std::unique_ptr<QWidget>(TLangMgr& langMgr)>;

// The text of an English language file that holds every section and key the program asks for,
// each with its English default, so that a translator starts from a complete file: General, then
// per window its Caption, every component's non-empty Caption and Hint in creation order and the
// window's messages, then sections only messages use. Written as UTF-8 with a byte-order mark.
// Components' Text keys are left out: they hold what the user types or the program fills in, and
// a language file that names them replaces that on every language change.
// Empty with `error` set when a text cannot be stored in a language file (a line break).
std::string BuildLanguageTemplate(std::span<const LangTemplateWindowFactory> windows,
                                  std::span<const LangMessage> messages, QString& error);

}  // namespace quorvel
