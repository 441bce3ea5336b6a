#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/time_format.h"

namespace quorvel {

// The editor knows the task it edits by its line as loaded, not by its list position: a rebuild
// while the editor is open may reorder the list, but it never changes a line's text.

// The position (0-based) of the edited task in the current task lines: the first line equal to
// the line as loaded. Nothing in New mode (no loaded line) or when that line is gone (deleted or
// changed elsewhere meanwhile).
std::optional<std::size_t> FindEditedLine(const std::vector<std::string>& taskLines,
                                          const std::optional<std::string>& loadedLine);

// UniqueStartTime for the editor's OK: the edited task, found by FindEditedLine, does not count
// as a clash; in New mode, or when the edited task is gone, every task counts.
std::string UniqueStartTimeForEditor(std::string_view time, const std::vector<std::string>& taskLines,
                                     const std::optional<std::string>& loadedLine, const TimeFormat& format);

// Puts the saved line into the task lines: in place of the edited task, or at the end in New mode
// and when the edited task is gone, so that neither the edit nor the other change is lost.
// Returns the line's position (0-based).
std::size_t PlaceEditorLine(std::vector<std::string>& taskLines, const std::optional<std::string>& loadedLine,
                            std::string line);

}  // namespace quorvel
