#include "app/window/koravin_app.h"

#include <ctime>
#include <exception>

#include "app/window/koravin_window.h"

namespace vaeloric {

TKoravinApp::TKoravinApp(int& argc, char** argv, TGameSession& game)
    : QApplication(argc, argv), game_(game), pictures_(game.boardLetter) {
    setApplicationName("Vaeloric Chess");
}

TKoravinApp::~TKoravinApp() = default;

void TKoravinApp::InitMainWindow() {
    window_ = std::make_unique<TKoravinWindow>(game_, pictures_);
    window_->setWindowIcon(pictures_.Icon());
    setWindowIcon(pictures_.Icon());
    window_->Controller().SeedDice(static_cast<unsigned>(std::time(nullptr)));
    window_->showMaximized();
}

int TKoravinApp::Run() {
    InitMainWindow();
    const int result = exec();
    window_.reset();
    return failure_.empty() ? result : -1;
}

bool TKoravinApp::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (failure_.empty()) failure_ = error.what();
    } catch (...) {
        if (failure_.empty()) failure_ = "Unknown exception";
    }
    exit(-1);
    return false;
}

}  // namespace vaeloric
