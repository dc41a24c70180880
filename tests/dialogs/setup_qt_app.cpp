#include "tests/dialogs/setup_qt_app.h"

#include <QApplication>

namespace vaeloric::test {

void EnsureWidgetApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "dialogs_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

}  // namespace vaeloric::test
