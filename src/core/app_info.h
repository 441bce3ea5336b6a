#pragma once

namespace quorvel {

// Names the program shows for itself.
inline constexpr const char* kProductName = "Quorvel";
inline constexpr const char* kProductVersion = "2.05";

}  // namespace quorvel
