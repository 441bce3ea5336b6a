#include "core/text/concatenate.h"

#include <cstring>

namespace quorvel {

std::string Concatenate(std::initializer_list<std::string_view> parts)
{
    std::size_t size = 0;
    for (const std::string_view part : parts) {
        size += part.size();
    }
    std::string text(size, '\0');
    char* out = text.data();
    for (const std::string_view part : parts) {
        // An empty view may have no data pointer at all, which memcpy must not be given.
        if (!part.empty()) {
            std::memcpy(out, part.data(), part.size());
            out += part.size();
        }
    }
    return text;
}

}  // namespace quorvel
