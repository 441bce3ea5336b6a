#include "platform/local_clock.h"

#include <QDateTime>

namespace quorvel {

LocalMoment CurrentLocalMoment()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return LocalMoment{Date{date.year(), date.month(), date.day()},
                       TimeOfDay{time.hour(), time.minute(), time.second()}, time.msec()};
}

}  // namespace quorvel
