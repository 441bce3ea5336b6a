#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// One field of a task as a view into the text it was read from. It turns into a std::string
// wherever one is wanted, so code that keeps a field keeps a copy, never the view.
struct TaskFieldView : std::string_view {
    using std::string_view::basic_string_view;
    constexpr TaskFieldView(std::string_view text) : std::string_view(text) {}
    TaskFieldView(const std::string& text) : std::string_view(text) {}

    operator std::string() const { return std::string(data(), size()); }
};

}  // namespace quorvel
