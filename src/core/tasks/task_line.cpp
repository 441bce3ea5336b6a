#include "core/tasks/task_line.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/tasks/task_fields.h"

namespace quorvel {
namespace {

constexpr char kSeparator = '*';
constexpr std::size_t kSeparatorCount = kTaskFieldCount - 1;

// Most fields are empty; this keeps the string constructor's work to the ones that are not.
[[gnu::always_inline]] inline std::string Field(std::string_view text)
{
    return text.empty() ? std::string() : std::string(text);
}

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;

// 0x80 in every byte of `word` that equals `c`, 0 in every other: the sum cannot carry from one
// byte into the next, so the marks are exact.
std::uint64_t MatchingBytes(std::uint64_t word, char c)
{
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// Fills `ends` with the positions of the first separators of `line`; returns how many there are.
// A line holds about as many separators as other bytes, so a byte-by-byte search stopping at each
// one costs a mispredicted branch per field; eight bytes are tested at once instead.
std::size_t FindSeparators(std::string_view line, std::array<std::size_t, kSeparatorCount>& ends)
{
    std::size_t found = 0;
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + sizeof(std::uint64_t) <= line.size(); i += sizeof(std::uint64_t)) {
            std::uint64_t word;
            std::memcpy(&word, line.data() + i, sizeof word);
            for (std::uint64_t marks = MatchingBytes(word, kSeparator); marks != 0; marks &= marks - 1) {
                ends[found++] = i + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
                if (found == kSeparatorCount) {
                    return found;
                }
            }
        }
    }
    for (; i < line.size(); ++i) {
        if (line[i] == kSeparator) {
            ends[found++] = i;
            if (found == kSeparatorCount) {
                return found;
            }
        }
    }
    return found;
}

}  // namespace

TaskRecord ParseTaskLine(std::string_view line)
{
    // Where the first 25 separators stand. A missing separator leaves its field and every later one
    // but the title empty, so a short line fills its leading fields and keeps its last part as
    // the title.
    std::array<std::size_t, kSeparatorCount> ends;
    const std::size_t found = FindSeparators(line, ends);

    std::array<std::string_view, kTaskFieldCount> fields;
    std::size_t start = 0;
    for (std::size_t number = 0; number < found; ++number) {
        fields[number] = std::string_view(line.data() + start, ends[number] - start);
        start = ends[number] + 1;
    }
    for (std::size_t number = found; number + 1 < kTaskFieldCount; ++number) {
        fields[number] = {};
    }
    fields[kTaskFieldCount - 1] = std::string_view(line.data() + start, line.size() - start);

    // Built in place: no field is assigned or moved after it was made.
    return TaskRecord{
        Field(fields[0]),
        Field(fields[1]),
        Field(fields[2]),
        {Field(fields[3]), Field(fields[4]), Field(fields[5]), Field(fields[6]), Field(fields[7]),
         Field(fields[8]), Field(fields[9])},
        Field(fields[10]),
        Field(fields[11]),
        Field(fields[12]),
        Field(fields[13]),
        Field(fields[14]),
        Field(fields[15]),
        Field(fields[16]),
        Field(fields[17]),
        Field(fields[18]),
        Field(fields[19]),
        Field(fields[20]),
        Field(fields[21]),
        Field(fields[22]),
        Field(fields[23]),
        Field(fields[24]),
        Field(fields[25]),
    };
}

std::string FormatTaskLine(const TaskRecord& record)
{
    std::string line;
    for (std::size_t number = 1; number <= kTaskFieldCount; ++number) {
        if (number > 1) {
            line += kSeparator;
        }
        line += TaskFieldAt(record, number);
    }
    return line;
}

}  // namespace quorvel
