// What the machine itself allows: wakes just past each whole second, the way the program's tick
// does, and logs how late each wake-up came. Run beside the firing benchmark, so that a latency
// tail shared by this and the program is the machine's, and one of the program alone is ours.
//
//   wake_latency_baseline sleep|qt-timer FILE SECONDS
//
// sleep:    clock_nanosleep to an absolute moment of the wall clock; nothing but the kernel.
// qt-timer: a single-shot Qt::PreciseTimer in a Qt event loop, aimed exactly as the tick is.
// Each line of FILE is the wake-up's whole second and its milliseconds past that second.
#include <time.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/schedule/tick_delay.h"

namespace {

void Log(std::FILE* out)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::fprintf(out, "%lld %.3f\n", static_cast<long long>(now.tv_sec),
                 static_cast<double>(now.tv_nsec) / 1e6);
    std::fflush(out);
}

int RunSleeping(std::FILE* out, int seconds)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    for (int i = 0; i < seconds; ++i) {
        const timespec due{now.tv_sec + 1, quorvel::kTickLeadMilliseconds * 1000000L};
        while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &due, nullptr) != 0) {
        }
        Log(out);
        clock_gettime(CLOCK_REALTIME, &now);
    }
    return 0;
}

quorvel::LocalMoment WallClockMoment()
{
    const QTime time = QDateTime::currentDateTime().time();
    quorvel::LocalMoment moment;
    moment.time = quorvel::TimeOfDay{time.hour(), time.minute(), time.second()};
    moment.millisecond = time.msec();
    return moment;
}

int RunQtTimer(int argc, char** argv, std::FILE* out, int seconds)
{
    QCoreApplication app(argc, argv);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    int woken = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        Log(out);
        if (++woken == seconds) {
            QCoreApplication::quit();
            return;
        }
        timer.start(quorvel::MillisecondsToNextTick(WallClockMoment()));
    });
    timer.start(quorvel::MillisecondsToNextTick(WallClockMoment()));
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "sleep") != 0 && std::strcmp(argv[1], "qt-timer") != 0)) {
        std::fprintf(stderr, "usage: %s sleep|qt-timer FILE SECONDS\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[2], "w");
    if (out == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    const int seconds = std::atoi(argv[3]);
    const int result =
        std::strcmp(argv[1], "sleep") == 0 ? RunSleeping(out, seconds) : RunQtTimer(argc, argv, out, seconds);
    std::fclose(out);
    return result;
}
