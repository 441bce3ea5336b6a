#include "core/text/utf8_check.h"

#include <cstddef>

namespace quorvel {

namespace {

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return byte >= low && byte <= high;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view bytes)
{
    if (bytes.empty()) {
        return 0;
    }
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;  // bounds of the second byte, narrowed to rule out bad forms
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length || !IsContinuation(at(1), low, high)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(at(i))) {
            return 0;
        }
    }
    return length;
}

bool IsValidUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0) {
            return false;
        }
        bytes.remove_prefix(length);
    }
    return true;
}

bool HasUtf8Bom(std::string_view bytes)
{
    return bytes.starts_with("\xEF\xBB\xBF");
}

}  // namespace quorvel
