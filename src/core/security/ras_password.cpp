#include "core/security/ras_password.h"

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

constexpr unsigned kOffset = 29411;
constexpr std::size_t kGroupWidth = 5;
constexpr std::size_t kMinEncodedBytes = 10;

RasPasswordResult Failure(std::string message)
{
    return {std::string(), std::move(message)};
}

RasPasswordResult Damaged()
{
    return Failure("The saved password is damaged.");
}

bool AllDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

RasPasswordResult EncodeRasPassword(std::string_view password, std::uint32_t tickCount)
{
    const std::size_t n = password.size();
    if (n > kRasPasswordMaxLength) {
        return Failure("A password can be at most 255 characters long.");
    }
    std::array<unsigned char, 256> buffer{};
    buffer[0] = static_cast<unsigned char>(n);

    std::string body(password);
    if (n == 0) {
        body = std::to_string(tickCount);
    } else {
        // Repeating a short password keeps its length from showing in the filler bytes.
        while (body.size() < kMinEncodedBytes) {
            body += body;
        }
    }
    for (std::size_t i = 0; i < body.size() && i + 1 < buffer.size(); ++i) {
        buffer[i + 1] = static_cast<unsigned char>(body[i]);
    }

    std::size_t count = (n + 1 + 1) / 2 * 2;
    if (count < kMinEncodedBytes) {
        count = kMinEncodedBytes;
    }
    std::string out;
    out.reserve(count / 2 * kGroupWidth);
    for (std::size_t i = 0; i < count; i += 2) {
        const unsigned pair = buffer[i] | (static_cast<unsigned>(buffer[i + 1]) << 8);
        char group[8];
        std::snprintf(group, sizeof group, "%05u", pair + kOffset);
        out += group;
    }
    return {out, std::string()};
}

RasPasswordResult DecodeRasPassword(std::string_view encoded)
{
    std::vector<unsigned char> bytes;
    for (std::size_t at = 0; at < encoded.size(); at += kGroupWidth) {
        const std::string_view group = encoded.substr(at, kGroupWidth);
        if (!AllDigits(group)) {
            return Failure("'" + std::string(group) + "' is not a valid integer value");
        }
        if (group.size() < kGroupWidth) {
            return Damaged();
        }
        const unsigned value = static_cast<unsigned>(std::stoul(std::string(group)));
        if (value < kOffset || value - kOffset > 0xFFFF) {
            return Damaged();
        }
        const unsigned pair = value - kOffset;
        bytes.push_back(static_cast<unsigned char>(pair & 0xFF));
        bytes.push_back(static_cast<unsigned char>(pair >> 8));
    }
    if (bytes.empty()) {
        return {};
    }
    const std::size_t length = bytes[0];
    if (length > bytes.size() - 1) {
        return Damaged();
    }
    return {std::string(bytes.begin() + 1, bytes.begin() + 1 + static_cast<std::ptrdiff_t>(length)),
            std::string()};
}

}  // namespace quorvel
