#include "core/executor/reminder_countdown.h"

namespace quorvel {

ReminderCountdown::ReminderCountdown(int countdown)
    : m_countdown(countdown),
      m_remaining(countdown),
      m_state(countdown > 0 ? State::Counting : State::Waiting),
      m_showsNumber(countdown > 0)
{
}

bool ReminderCountdown::Tick()
{
    if (m_state != State::Counting) {
        return false;  // a tick already queued when the timer was disarmed
    }
    --m_remaining;
    if (m_remaining > 0) {
        return false;
    }
    m_state = State::Waiting;
    return true;
}

bool ReminderCountdown::Immediately()
{
    if (m_state == State::Closed) {
        return false;
    }
    m_state = State::Waiting;
    return true;
}

void ReminderCountdown::ActionFinished(bool carriedOut)
{
    if (m_state == State::Closed) {
        return;
    }
    if (carriedOut) {
        m_state = State::Closed;
    } else {
        StopAndWait();
    }
}

void ReminderCountdown::Close()
{
    m_state = State::Closed;
}

void ReminderCountdown::WaitAlong()
{
    if (m_state != State::Closed) {
        StopAndWait();
    }
}

bool ReminderCountdown::BeginPostpone()
{
    if (m_state == State::Closed) {
        return false;
    }
    m_state = State::Waiting;
    return true;
}

void ReminderCountdown::StopAndWait()
{
    m_state = State::Waiting;
    m_showsNumber = false;
}

}  // namespace quorvel
