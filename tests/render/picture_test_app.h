#pragma once

#include <QGuiApplication>

namespace vaeloric::test {

// One application object for every picture test in the program, made on
// first use unless another test made one, and closed properly at exit so
// that the font libraries release what they hold.
inline void EnsurePictureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "picture_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace vaeloric::test
