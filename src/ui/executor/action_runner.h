#pragma once

#include <QObject>
#include <QString>

#include "core/executor/executor_settings.h"
#include "core/executor/executor_step.h"
#include "platform/platform_services.h"

class QTimer;

namespace quorvel {

class ConnectionDialer;

// Carries out the steps of a plan that go to the platform: power and session requests, programs,
// documents, ending processes, dialling, macros and the message beep. It decides nothing: which
// steps run, and in which order, comes from the plan. Owns the one-shot timers that put stand-by
// and hibernation a second after the request, so the caller finishes its own work first.
class ActionRunner final : public QObject {
    Q_OBJECT

public:
    // `dataDir` is where macro files named without a folder are looked for.
    ActionRunner(PlatformServices platform, ConnectionDialer& dialer, QString dataDir,
                 QObject* parent = nullptr);

    // Carries out one step. False for the steps that are not the platform's (the tick, the
    // message window, reminders, the rebuild): those belong to whoever runs the plan.
    bool Run(const ExecutorStep& step);

    // What planning an action needs to know now: the dial-up choice and how to read macro files.
    ExecutorSettings Settings() const;

    // The desktop's message sound; silence where there is none.
    static void Beep();

    QTimer* Timer13() const { return m_timer13; }
    QTimer* Timer14() const { return m_timer14; }

private:
    void Timer13Timer();
    void Timer14Timer();

    PlatformServices m_platform;
    ConnectionDialer& m_dialer;
    QString m_dataDir;
    QTimer* m_timer13;
    QTimer* m_timer14;
};

}  // namespace quorvel
