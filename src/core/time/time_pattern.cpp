#include "core/time/time_pattern.h"

#include <cctype>
#include <string_view>
#include <vector>

namespace quorvel {
namespace {

// A strftime pattern is a row of conversions and literal runs.
struct Piece {
    bool conversion = false;
    char letter = 0;   // the conversion letter, for conversions
    std::string text;  // as written
};

bool IsFlag(char c)
{
    return c == '_' || c == '-' || c == '0' || c == '^' || c == '#';
}

std::vector<Piece> Split(std::string_view pattern)
{
    std::vector<Piece> pieces;
    const auto addLiteral = [&](char c) {
        if (pieces.empty() || pieces.back().conversion) {
            pieces.push_back({});
        }
        pieces.back().text += c;
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        if (pattern[i] != '%') {
            addLiteral(pattern[i++]);
            continue;
        }
        std::size_t j = i + 1;
        while (j < pattern.size() && IsFlag(pattern[j])) {
            ++j;
        }
        while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9') {
            ++j;
        }
        if (j < pattern.size() && (pattern[j] == 'E' || pattern[j] == 'O')) {
            ++j;
        }
        if (j >= pattern.size()) {
            // A lone "%" at the end is no conversion.
            for (; i < pattern.size(); ++i) {
                addLiteral(pattern[i]);
            }
            break;
        }
        pieces.push_back({true, pattern[j], std::string(pattern.substr(i, j + 1 - i))});
        i = j + 1;
    }
    return pieces;
}

std::string Join(const std::vector<Piece>& pieces)
{
    std::string joined;
    for (const Piece& piece : pieces) {
        joined += piece.text;
    }
    return joined;
}

bool HasLetter(std::string_view pattern, std::string_view letters)
{
    for (const Piece& piece : Split(pattern)) {
        if (piece.conversion && letters.find(piece.letter) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool AllAsciiPunctuation(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || !std::ispunct(u)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ExpandPatternShorthands(std::string_view pattern, std::string_view amPmPattern)
{
    std::string expanded;
    for (const Piece& piece : Split(pattern)) {
        if (!piece.conversion) {
            expanded += piece.text;
            continue;
        }
        switch (piece.letter) {
            case 'T':
                expanded += "%H:%M:%S";
                break;
            case 'R':
                expanded += "%H:%M";
                break;
            case 'r':
                // A locale's own 12-hour pattern may itself use %T or %R, never %r.
                expanded += amPmPattern.empty() || HasLetter(amPmPattern, "r")
                                ? std::string("%I:%M:%S %p")
                                : ExpandPatternShorthands(amPmPattern, {});
                break;
            case 'D':
                expanded += "%m/%d/%y";
                break;
            case 'F':
                expanded += "%Y-%m-%d";
                break;
            default:
                expanded += piece.text;
                break;
        }
    }
    return expanded;
}

bool PatternHasSeconds(std::string_view pattern)
{
    return HasLetter(pattern, "S");
}

bool PatternUsesAmPm(std::string_view pattern)
{
    return HasLetter(pattern, "pPrIl");
}

std::string DropSeconds(std::string_view pattern)
{
    std::vector<Piece> pieces = Split(pattern);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].conversion || pieces[i].letter != 'S') {
            continue;
        }
        const bool literalBefore = i > 0 && !pieces[i - 1].conversion;
        const bool literalAfter = i + 1 < pieces.size() && !pieces[i + 1].conversion;
        if (literalBefore && AllAsciiPunctuation(pieces[i - 1].text)) {
            pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i) - 1,
                         pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return Join(pieces);
        }
        if (literalAfter) {
            // The unit written after the seconds goes with them; a blank after it stays.
            std::string& after = pieces[i + 1].text;
            std::size_t unit = 0;
            while (unit < after.size() && !IsBlank(after[unit])) {
                ++unit;
            }
            after.erase(0, unit);
        }
        if (literalBefore) {
            // The blanks that set the seconds apart go too.
            std::string& before = pieces[i - 1].text;
            while (!before.empty() && IsBlank(before.back())) {
                before.pop_back();
            }
        }
        pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
        return Join(pieces);
    }
    return std::string(pattern);
}

}  // namespace quorvel
