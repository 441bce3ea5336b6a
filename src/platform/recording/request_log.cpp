#include "platform/recording/request_log.h"

#include <unistd.h>
#include <QFile>
#include <cstdio>

namespace quorvel {
namespace {

void AppendTimestamp(std::string& line, const LocalMoment& moment)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", moment.date.year,
                  moment.date.month, moment.date.day, moment.time.hour, moment.time.minute,
                  moment.time.second, moment.millisecond);
    line += text;
}

void AppendEscaped(std::string& line, std::string_view argument)
{
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char text[8];
            std::snprintf(text, sizeof text, "\\x%02X", byte);
            line += text;
        } else {
            line += c;
        }
    }
}

}  // namespace

RequestLog::RequestLog(Clock clock) : m_clock(std::move(clock)) {}

RequestLog::RequestLog(Clock clock, std::unique_ptr<QFile> output)
    : m_clock(std::move(clock)), m_output(std::move(output))
{
}

RequestLog::~RequestLog() = default;

std::shared_ptr<RequestLog> RequestLog::AppendingToFile(const std::string& path, Clock clock,
                                                        std::string& error)
{
    auto file = std::make_unique<QFile>(QString::fromStdString(path));
    // Unbuffered append: each line reaches the file in one write at its end, even when another
    // process appends to the same file.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        error = file->errorString().toStdString();
        return nullptr;
    }
    return std::shared_ptr<RequestLog>(new RequestLog(std::move(clock), std::move(file)));
}

std::shared_ptr<RequestLog> RequestLog::ToStandardError(Clock clock)
{
    auto file = std::make_unique<QFile>();
    if (!file->open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                    QFileDevice::DontCloseHandle)) {
        file.reset();
    }
    return std::shared_ptr<RequestLog>(new RequestLog(std::move(clock), std::move(file)));
}

void RequestLog::Record(std::string_view operation, std::initializer_list<std::string_view> arguments)
{
    const std::lock_guard lock(m_mutex);
    std::string line = FormatLine(m_clock(), operation, arguments);
    if (m_output) {
        const std::string withEnd = line + '\n';
        m_output->write(withEnd.data(), static_cast<qint64>(withEnd.size()));
    }
    m_lines.push_back(std::move(line));
}

std::vector<std::string> RequestLog::Lines() const
{
    const std::lock_guard lock(m_mutex);
    return m_lines;
}

void RequestLog::ClearLines()
{
    const std::lock_guard lock(m_mutex);
    m_lines.clear();
}

std::string RequestLog::FormatLine(const LocalMoment& moment, std::string_view operation,
                                   std::initializer_list<std::string_view> arguments)
{
    std::string line;
    AppendTimestamp(line, moment);
    line += ' ';
    line += operation;
    for (const std::string_view argument : arguments) {
        if (argument.empty()) {
            continue;
        }
        line += ' ';
        AppendEscaped(line, argument);
    }
    return line;
}

}  // namespace quorvel
