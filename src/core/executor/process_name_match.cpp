#include "core/executor/process_name_match.h"

#include "core/text/ascii_case.h"

namespace quorvel {
namespace {

constexpr std::string_view kWindowsSuffix = ".exe";

std::string_view FileNamePart(std::string_view path, std::string_view separators)
{
    const auto last = path.find_last_of(separators);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool NameOrFileNameIs(std::string_view path, std::string_view fileName, std::string_view candidate)
{
    return !path.empty() &&
           (EqualsIgnoreAsciiCase(candidate, fileName) || EqualsIgnoreAsciiCase(candidate, path));
}

// The short name is the longer name cut to 15 characters; that longer name is the better witness.
bool IsCutOff(std::string_view shortName, std::string_view fileName)
{
    return fileName.size() > kShortNameLength && StartsWithIgnoreCase(fileName, shortName);
}

bool Matches(const ProcessIdentity& process, std::string_view candidate)
{
    // The executable is a real Linux path; argv[0] may be anything, Windows paths included.
    const std::string_view exeName = FileNamePart(process.executable, "/");
    const std::string_view argName = FileNamePart(process.firstArgument, "/\\:");
    if (NameOrFileNameIs(process.executable, exeName, candidate) ||
        NameOrFileNameIs(process.firstArgument, argName, candidate)) {
        return true;
    }
    if (process.shortName.empty() ||
        !EqualsIgnoreAsciiCase(candidate.substr(0, kShortNameLength), process.shortName)) {
        return false;
    }
    if (process.shortName.size() == kShortNameLength &&
        (IsCutOff(process.shortName, exeName) || IsCutOff(process.shortName, argName))) {
        return false;
    }
    return true;
}

}  // namespace

bool ProcessMatchesName(const ProcessIdentity& process, std::string_view name)
{
    if (name.empty()) {
        return false;
    }
    if (Matches(process, name)) {
        return true;
    }
    if (name.size() > kWindowsSuffix.size() &&
        EqualsIgnoreAsciiCase(name.substr(name.size() - kWindowsSuffix.size()), kWindowsSuffix)) {
        return Matches(process, name.substr(0, name.size() - kWindowsSuffix.size()));
    }
    return false;
}

}  // namespace quorvel
