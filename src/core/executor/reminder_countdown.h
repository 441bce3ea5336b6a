#pragma once

namespace quorvel {

// The life of one reminder window, without the window: counting (its timer armed), waiting for
// the user, or closed for good. Hiding the window with its title bar is none of these: the count
// goes on and acts at zero.
class ReminderCountdown {
public:
    enum class State { Counting, Waiting, Closed };

    // A count-down of 0 or less waits for the user from the start.
    explicit ReminderCountdown(int countdown);

    State CurrentState() const { return m_state; }
    bool TimerArmed() const { return m_state == State::Counting; }
    bool IsClosed() const { return m_state == State::Closed; }
    int Countdown() const { return m_countdown; }
    int Remaining() const { return m_remaining; }

    // Whether the number and "secs." are shown; otherwise the notice reads as waiting.
    bool ShowsNumber() const { return m_showsNumber; }

    // One tick of the one-second timer. True when the count has just reached 0: the action is to
    // be carried out now, as by "Immediately".
    bool Tick();

    // "Immediately": stops the count. True unless the window is closed already.
    bool Immediately();

    // After the action ran: closes; an action that could not be carried out (its macro file is
    // unreadable) leaves the window waiting instead, so the user can try again or cancel.
    void ActionFinished(bool carriedOut);

    // "Cancel", and a postponed reminder once its new task is stored.
    void Close();

    // "Waiting along ...": stop counting and wait for the user.
    void WaitAlong();

    // A delay item: stops the count before the new task is stored. True unless closed already.
    bool BeginPostpone();

private:
    void StopAndWait();

    int m_countdown;
    int m_remaining;
    State m_state;
    bool m_showsNumber;
};

}  // namespace quorvel
