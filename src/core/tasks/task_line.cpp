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

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;

// 0x80 in every byte of `word` that equals `c`, 0 in every other: the sum cannot carry from one
// byte into the next, so the marks are exact.
std::uint64_t MatchingBytes(std::uint64_t word, char c)
{
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x | kLow7);
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
    void Mark(std::size_t separator) { m_starts[++m_found] = separator + 1; }

    // A line holds about as many separators as other bytes, so a byte-by-byte search stopping at
    // each one costs a mispredicted branch per field; eight bytes are tested at once instead.
    void FindSeparators()
    {
        m_starts[0] = 0;
        std::size_t i = 0;
        if constexpr (std::endian::native == std::endian::little) {
            for (; i + sizeof(std::uint64_t) <= m_line.size(); i += sizeof(std::uint64_t)) {
                std::uint64_t word;
                std::memcpy(&word, m_line.data() + i, sizeof word);
                for (std::uint64_t marks = MatchingBytes(word, kSeparator); marks != 0; marks &= marks - 1) {
                    Mark(i + static_cast<std::size_t>(std::countr_zero(marks)) / 8);
                    if (m_found == kSeparatorCount) {
                        return;
                    }
                }
            }
        }
        for (; i < m_line.size(); ++i) {
            if (m_line[i] == kSeparator) {
                Mark(i);
                if (m_found == kSeparatorCount) {
                    return;
                }
            }
        }
    }

    std::string_view m_line;
    std::size_t m_found = 0;
    // Where field k starts, for k up to m_found; the separator before it stands just in front.
    // Left uninitialised beyond that: it is never read there.
    std::array<std::size_t, kSeparatorCount + 1> m_starts;
};

}  // namespace

TaskRecordView ViewTaskLine(std::string_view line)
{
    const LineFields fields(line);
    TaskRecordView view;
    view.StartTime = fields[0];
    view.State = fields[1];
    view.RepeatCode = fields[2];
    for (std::size_t i = 0; i < view.WeekdayFlags.size(); ++i) {
        view.WeekdayFlags[i] = fields[3 + i];
    }
    view.MonitorOff = fields[10];
    view.ShutDown = fields[11];
    view.Countdown = fields[12];
    view.RunProgram = fields[13];
    view.ShowMessage = fields[14];
    view.Reboot = fields[15];
    view.LockComputer = fields[16];
    view.OpenFile = fields[17];
    view.CloseProgram = fields[18];
    view.OpenUrl = fields[19];
    view.Standby = fields[20];
    view.Hibernate = fields[21];
    view.PowerOn = fields[22];
    view.LogOff = fields[23];
    view.Macro = fields[24];
    view.Title = fields[25];
    return view;
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
