#pragma once

#include <QByteArray>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace quorvel::test {

// Sets environment variables for one test (nullopt: unset) and puts the old values back.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, std::optional<QByteArray>>> values)
    {
        for (const auto& [name, value] : values) {
            m_saved.emplace_back(
                name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
            Apply(name, value);
        }
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : m_saved) {
            Apply(name, value);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    static void Apply(const char* name, const std::optional<QByteArray>& value)
    {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }

    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

}  // namespace quorvel::test
