#include "app/lang_template_windows.h"

namespace quorvel {

// Each window gets one factory, building it with recording or inert services: the template only
// reads the texts it shows after construction. For example:
//     windows.push_back([](TLangMgr& m) { return std::make_unique<TAboutForm>(m); });
std::vector<LangTemplateWindowFactory> LanguageTemplateWindows()
{
    std::vector<LangTemplateWindowFactory> windows;
    return windows;
}

}  // namespace quorvel
