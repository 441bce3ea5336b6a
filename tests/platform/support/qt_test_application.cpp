#include "qt_test_application.h"

#include <QCoreApplication>
#include <memory>

namespace quorvel {

void EnsureQtApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QCoreApplication> application = std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace quorvel
