#pragma once

#include <chrono>
#include <optional>

#include "core/time/civil_time.h"

namespace quorvel {

// The UTC second of a local wall-clock moment (milliseconds dropped), with the time zone's offset
// in force at that moment, so a wake time across a daylight-saving change still falls on the
// local time the user chose. A local time that a change skips is taken as if the clock had not
// moved yet (02:30 on a spring-forward night is 03:30 summer time); one that comes twice is taken
// the first time, so the wake is never late. Nothing when the system cannot convert it.
std::optional<std::chrono::sys_seconds> UtcOfLocalMoment(const LocalMoment& local);

}  // namespace quorvel
