#pragma once

#include <QObject>

namespace quorvel {

// One running copy per user: the first copy claims the right to run, a later copy hands over to it
// (the first comes forward) and ends without touching anything.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Role { First, Second };

    using QObject::QObject;

    // Decides this copy's role. Second: the running copy has been told to come forward (or could
    // not be reached in time) and this copy must end at once.
    virtual Role Claim() = 0;

signals:
    // The first copy: a later start asked it to come forward.
    void HandOffReceived();
};

}  // namespace quorvel
