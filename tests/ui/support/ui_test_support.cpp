#include "ui_test_support.h"

#include <QApplication>

namespace quorvel::test {

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

RecordedPlatform::RecordedPlatform()
    : log(std::make_shared<RequestLog>([] {
          return LocalMoment{Date{2024, 6, 1}, TimeOfDay{12, 0, 0}, 0};
      })),
      backend(log),
      services(backend.Services())
{
}

QStringList RecordedPlatform::Requests() const
{
    QStringList requests;
    for (const std::string& line : log->Lines()) {
        // Drop the time stamp in front.
        requests << QString::fromStdString(line.substr(line.find(' ') + 1));
    }
    return requests;
}

}  // namespace quorvel::test
