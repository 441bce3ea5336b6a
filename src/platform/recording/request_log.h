#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/civil_time.h"

class QFile;

namespace quorvel {

// Where the recording backend writes the requests it receives instead of carrying them out. Each
// request becomes one line: local time to the millisecond, the operation's name and its
// arguments, separated by single blanks. Every line is also kept in memory for inspection.
// Safe to use from several threads: lines are stamped and written in one step.
class RequestLog {
public:
    using Clock = std::function<LocalMoment()>;

    // Keeps the lines in memory only.
    explicit RequestLog(Clock clock);

    // Appends to the file, creating it when missing; lines written by other logs on the same file
    // stay whole. Null with `error` set when the file cannot be opened for appending.
    static std::shared_ptr<RequestLog> AppendingToFile(const std::string& path, Clock clock,
                                                       std::string& error);
    static std::shared_ptr<RequestLog> ToStandardError(Clock clock);

    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // Empty arguments are left out, so an optional one costs no trailing blank.
    void Record(std::string_view operation, std::initializer_list<std::string_view> arguments = {});

    // The lines recorded so far, oldest first, without line ends.
    std::vector<std::string> Lines() const;
    void ClearLines();

    // Control characters in arguments are written as \xHH, so a name holding a line end cannot
    // split or forge a line.
    static std::string FormatLine(const LocalMoment& moment, std::string_view operation,
                                  std::initializer_list<std::string_view> arguments);

private:
    RequestLog(Clock clock, std::unique_ptr<QFile> output);

    Clock m_clock;
    std::unique_ptr<QFile> m_output;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

}  // namespace quorvel
