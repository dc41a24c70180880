// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "flow/game_session.h"
#include "render/pictures/picture_catalogue.h"
#include "window/program_entry.h"

namespace vaeloric {

class TKoravinWindow;

// The application: creates the one main window from the game session, shows
// it maximized with the program icon and seeds the dice with the time. An
// exception escaping an event handler is shown in a box titled "EXCEPTION"
// and ends the process with exit code -1.
class TKoravinApp : public QApplication {
  public:
    TKoravinApp(int& argc, char** argv, TGameSession& game);
    ~TKoravinApp() override;

    void SetMainWindowHook(const TMainWindowHook& hook) { hook_ = hook; }
    void InitMainWindow();
    // Runs the event loop; the exit code.
    int Run();

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    TGameSession& game_;
    TPictureCatalogue pictures_;
    std::unique_ptr<TKoravinWindow> window_;
    TMainWindowHook hook_;
};

}  // namespace vaeloric
