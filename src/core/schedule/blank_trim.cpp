#include "core/schedule/blank_trim.h"

namespace quorvel {

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

std::string_view TrimDisplayBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace quorvel
