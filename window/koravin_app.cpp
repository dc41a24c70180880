// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/koravin_app.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>

#include "window/koravin_window.h"

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
    window_->ShowMoveList(true);
    if (hook_) hook_(*window_, game_);
    window_->showMaximized();
}

int TKoravinApp::Run() {
    InitMainWindow();
    const int result = exec();
    window_.reset();
    return result;
}

bool TKoravinApp::notify(QObject* receiver, QEvent* event) {
    std::string failure;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "Unknown exception";
    }
    // An internal error: the game state can no longer be trusted, and the
    // handler that threw may sit inside a dialog loop. Report it and end the
    // process at once; files are only ever replaced whole, so none is left
    // half-written.
    QMessageBox::critical(nullptr, "EXCEPTION", QString::fromStdString(failure));
    std::fflush(nullptr);
    std::_Exit(-1);
}

}  // namespace vaeloric
