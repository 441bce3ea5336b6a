#include "core/tasks/task_line.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/tasks/task_fields.h"

namespace quorvel {
namespace {

constexpr char kSeparator = '*';
constexpr std::size_t kSeparatorCount = kTaskFieldCount - 1;

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
// Multiplied by the marks of a word, gathers the mark of byte k (bit 8k+7) into bit 56+k.
constexpr std::uint64_t kGatherMarks = 0x0002040810204081;

// Bytes tested together: one bit each in a 64-bit word.
constexpr std::size_t kBlockSize = 64;

// 0x80 in every byte of `word` that equals `c`, 0 in every other: the sum cannot carry from one
// byte into the next, so the marks are exact.
std::uint64_t MatchingBytes(std::uint64_t word, char c)
{
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The separators of a block: bit k set when byte k is one, and how many there are.
struct BlockSeparators {
    std::uint64_t bits = 0;
    std::size_t count = 0;
};

BlockSeparators SeparatorsIn(const char* bytes)
{
    BlockSeparators found;
    if constexpr (std::endian::native == std::endian::little) {
        for (std::size_t w = 0; w < kBlockSize / sizeof(std::uint64_t); ++w) {
            std::uint64_t word;
            std::memcpy(&word, bytes + w * sizeof word, sizeof word);
            const std::uint64_t marks = MatchingBytes(word, kSeparator);
            found.bits |= ((marks * kGatherMarks) >> 56) << (w * 8);
            // A 1 per marked byte, summed into the top byte (at most 8: no carry). Cheaper than a
            // population count where the processor baseline has no instruction for one.
            found.count += static_cast<std::size_t>(((marks >> 7) * kOnes) >> 56);
        }
    } else {
        for (std::size_t k = 0; k < kBlockSize; ++k) {
            const bool separator = bytes[k] == kSeparator;
            found.bits |= static_cast<std::uint64_t>(separator) << k;
            found.count += separator ? 1 : 0;
        }
    }
    return found;
}

// The fields of one line as positions into it. A missing separator leaves its field and every
// later one but the title empty, so a short line fills its leading fields and keeps its last part
// as the title.
class LineFields {
public:
    explicit LineFields(std::string_view line) : m_line(line) { FindSeparators(); }

    // Field `index` (0-based).
    std::string_view operator[](std::size_t index) const
    {
        if (index + 1 == kTaskFieldCount) {
            return m_line.substr(m_starts[m_found]);
        }
        if (index >= m_found) {
            return {};
        }
        return {m_line.data() + m_starts[index], m_starts[index + 1] - 1 - m_starts[index]};
    }

private:
    // A line holds about as many separators as other bytes, so a search stopping at each one
    // costs a mispredicted branch per field. Instead a block of bytes is tested at once, and the
    // positions of its separators are written eight at a time whatever their number: one short,
    // well-predicted loop per block.
    void FindSeparators()
    {
        m_starts[0] = 0;
        std::size_t found = 0;
        for (std::size_t block = 0; block < m_line.size() && found < kSeparatorCount; block += kBlockSize) {
            BlockSeparators separators;
            if (m_line.size() - block >= kBlockSize) {
                separators = SeparatorsIn(m_line.data() + block);
            } else {
                char tail[kBlockSize] = {};
                std::memcpy(tail, m_line.data() + block, m_line.size() - block);
                separators = SeparatorsIn(tail);
            }
            std::uint64_t bits = separators.bits;
            std::size_t* const out = m_starts.data() + found + 1;
            const auto next = [&bits, block] {
                const std::size_t start = block + static_cast<std::size_t>(std::countr_zero(bits)) + 1;
                bits &= bits - 1;
                return start;
            };
            for (std::size_t done = 0; done < separators.count; done += 8) {
                // Spelled out rather than looped: a loop of eight would cost a branch each.
                out[done] = next();
                out[done + 1] = next();
                out[done + 2] = next();
                out[done + 3] = next();
                out[done + 4] = next();
                out[done + 5] = next();
                out[done + 6] = next();
                out[done + 7] = next();
            }
            found += separators.count;
        }
        m_found = std::min(found, kSeparatorCount);
    }

    std::string_view m_line;
    std::size_t m_found = 0;
    // Where field k starts, for k up to m_found; the separator before it stands just in front.
    // Left uninitialised beyond that: it is never read there. The room beyond the last field
    // takes the positions written past a block's separators.
    std::array<std::size_t, kSeparatorCount + 1 + kBlockSize> m_starts;
};

}  // namespace

TaskRecordView ViewTaskLine(std::string_view line)
{
    return TaskRecordView(LineFields(line), FieldsByPosition{});
}

TaskRecord ParseTaskLine(std::string_view line)
{
    return ViewTaskLine(line).ToRecord();
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
