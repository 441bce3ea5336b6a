#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel {

// The parts joined in order, made with one allocation at most and no append per part.
std::string Concatenate(std::initializer_list<std::string_view> parts);

}  // namespace quorvel
