#pragma once

namespace quorvel {

// The exit-windows flags a session-end request is made of; a request passes their sum.
inline constexpr unsigned kEndLogOff = 0;
inline constexpr unsigned kEndShutdown = 1;
inline constexpr unsigned kEndReboot = 2;
inline constexpr unsigned kEndForce = 4;
inline constexpr unsigned kEndPowerOff = 8;

enum class SessionEndKind { LogOff, Restart, PowerOff };

struct SessionEndRequest {
    SessionEndKind kind = SessionEndKind::LogOff;
    bool forced = false;  // close applications without asking; they cannot refuse
};

// What a flag sum asks for. Reboot wins over power off, as it does for the original request.
constexpr SessionEndRequest ReadSessionEndFlags(unsigned flags)
{
    const bool forced = (flags & kEndForce) != 0;
    if (flags & kEndReboot) {
        return {SessionEndKind::Restart, forced};
    }
    if (flags & (kEndShutdown | kEndPowerOff)) {
        return {SessionEndKind::PowerOff, forced};
    }
    return {SessionEndKind::LogOff, forced};
}

}  // namespace quorvel
