#include "core/security/scramble_password.h"

namespace quorvel {

std::string ScramblePassword(std::string_view text)
{
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Work on unsigned codes so bytes above 127 mix the same way as the rest.
        const auto own = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[(i + 1) % text.size()]);
        out[i] = static_cast<char>(own ^ (next % 10));
    }
    return out;
}

}  // namespace quorvel
