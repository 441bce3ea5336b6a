#pragma once

#include <QWidget>

namespace quorvel {

// Holds back a window's painting while its texts change, so it repaints once afterwards; the
// window paints again when this goes out of scope, also when an exception passes through.
class UpdatesSuspended {
public:
    explicit UpdatesSuspended(QWidget& window) : m_window(window), m_wasEnabled(window.updatesEnabled())
    {
        m_window.setUpdatesEnabled(false);
    }
    ~UpdatesSuspended()
    {
        if (m_wasEnabled) {
            m_window.setUpdatesEnabled(true);
        }
    }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

private:
    QWidget& m_window;
    bool m_wasEnabled;
};

}  // namespace quorvel
