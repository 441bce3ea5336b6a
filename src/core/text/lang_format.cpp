#include "core/text/lang_format.h"

#include <charconv>
#include <cstddef>

namespace quorvel {
namespace {

struct Directive {
    char conversion = 0;  // 's', 'd' or '%'
    bool leftAlign = false;
    bool zeroPad = false;
    bool plusSign = false;
    bool spaceSign = false;
    int width = 0;
};

// Reads the directive that starts after a '%' at `pos`; advances `pos` past it.
std::optional<Directive> ReadDirective(std::string_view pattern, std::size_t& pos)
{
    Directive d;
    for (; pos < pattern.size(); ++pos) {
        const char c = pattern[pos];
        if (c == '-') {
            d.leftAlign = true;
        } else if (c == '0') {
            d.zeroPad = true;
        } else if (c == '+') {
            d.plusSign = true;
        } else if (c == ' ') {
            d.spaceSign = true;
        } else {
            break;
        }
    }
    const bool hasFlags = d.leftAlign || d.zeroPad || d.plusSign || d.spaceSign;
    while (pos < pattern.size() && pattern[pos] >= '0' && pattern[pos] <= '9') {
        d.width = d.width * 10 + (pattern[pos] - '0');
        if (d.width > kMaxLangFormatWidth) {
            return std::nullopt;
        }
        ++pos;
    }
    if (pos >= pattern.size()) {
        return std::nullopt;
    }
    d.conversion = pattern[pos++];
    switch (d.conversion) {
        case '%':
            return (hasFlags || d.width != 0) ? std::nullopt : std::optional(d);
        case 's':
            return (d.zeroPad || d.plusSign || d.spaceSign) ? std::nullopt : std::optional(d);
        case 'd':
            return d;
        default:
            return std::nullopt;
    }
}

std::size_t CountCharacters(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8) {
        // Every byte but a continuation byte starts a character.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

void AppendPadded(std::string& out, std::string_view sign, std::string_view body, const Directive& d)
{
    const std::size_t length = sign.size() + CountCharacters(body);
    const std::size_t padding =
        static_cast<std::size_t>(d.width) > length ? static_cast<std::size_t>(d.width) - length : 0;
    if (d.leftAlign) {
        out.append(sign).append(body).append(padding, ' ');
    } else if (d.zeroPad && d.conversion == 'd') {
        out.append(sign).append(padding, '0').append(body);
    } else {
        out.append(padding, ' ').append(sign).append(body);
    }
}

void AppendNumber(std::string& out, long long value, const Directive& d)
{
    char digits[32];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    std::string_view body(digits, static_cast<std::size_t>(result.ptr - digits));
    std::string_view sign;
    if (!body.empty() && body.front() == '-') {
        sign = "-";
        body.remove_prefix(1);
    } else if (d.plusSign) {
        sign = "+";
    } else if (d.spaceSign) {
        sign = " ";
    }
    AppendPadded(out, sign, body, d);
}

}  // namespace

std::optional<std::string> FormatLangText(std::string_view pattern, std::span<const LangFormatArg> args)
{
    std::string out;
    out.reserve(pattern.size());
    std::size_t nextArg = 0;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const std::size_t percent = pattern.find('%', pos);
        out.append(pattern.substr(pos, percent - pos));
        if (percent == std::string_view::npos) {
            break;
        }
        pos = percent + 1;
        const auto d = ReadDirective(pattern, pos);
        if (!d) {
            return std::nullopt;
        }
        if (d->conversion == '%') {
            out.push_back('%');
            continue;
        }
        if (nextArg >= args.size()) {
            return std::nullopt;
        }
        const LangFormatArg& arg = args[nextArg++];
        if (d->conversion == 's') {
            const auto* text = std::get_if<std::string>(&arg);
            if (text == nullptr) {
                return std::nullopt;
            }
            AppendPadded(out, {}, *text, *d);
        } else {
            const auto* number = std::get_if<long long>(&arg);
            if (number == nullptr) {
                return std::nullopt;
            }
            AppendNumber(out, *number, *d);
        }
    }
    return out;
}

std::optional<std::string> LangFormatDirectives(std::string_view pattern)
{
    std::string letters;
    std::size_t pos = 0;
    while ((pos = pattern.find('%', pos)) != std::string_view::npos) {
        ++pos;
        const auto d = ReadDirective(pattern, pos);
        if (!d) {
            return std::nullopt;
        }
        if (d->conversion != '%') {
            letters.push_back(d->conversion);
        }
    }
    return letters;
}

}  // namespace quorvel
