#pragma once

#include <vector>

#include "ui/lang/lang_template.h"

namespace quorvel {

// Every window of the program, each built the way the language template reads it.
std::vector<LangTemplateWindowFactory> LanguageTemplateWindows();

}  // namespace quorvel
