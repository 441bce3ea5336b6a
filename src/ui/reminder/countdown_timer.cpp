#include <QTimer>

#include "ui/reminder/countdown_timer.h"

namespace quorvel {
namespace {

class QtCountdownTimer final : public CountdownTimer {
public:
    explicit QtCountdownTimer(QObject& owner) : m_timer(new QTimer(&owner))
    {
        m_timer->setObjectName(QStringLiteral("Timer1"));
        m_timer->setInterval(1000);
        m_timer->setTimerType(Qt::PreciseTimer);  // ten ticks should take ten seconds, not eleven
    }

    void Start(std::function<void()> onTick) override
    {
        QObject::disconnect(m_timer, &QTimer::timeout, nullptr, nullptr);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, std::move(onTick));
        m_timer->start();
    }
    void Stop() override { m_timer->stop(); }
    bool IsActive() const override { return m_timer->isActive(); }

private:
    QTimer* m_timer;  // owned by the window
};

}  // namespace

std::unique_ptr<CountdownTimer> MakeQtCountdownTimer(QObject& owner)
{
    return std::make_unique<QtCountdownTimer>(owner);
}

}  // namespace quorvel
