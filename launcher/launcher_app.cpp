// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/launcher_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <iostream>

#include "launcher/launcher_window.h"
#include "launcher/record_viewer.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

QString SavedGameArgument(const QStringList& arguments) {
    if (arguments.size() != 2 || arguments[1].isEmpty() || IsInvitationLink(arguments[1]))
        return {};
    // The desktop may hand a file over as a file:// address.
    const QUrl url(arguments[1]);
    if (url.isLocalFile()) return QFileInfo(url.toLocalFile()).absoluteFilePath();
    return QFileInfo(arguments[1]).absoluteFilePath();
}

bool IsInvitationLink(const QString& argument) {
    return argument.startsWith(QLatin1String("vaeloric:"), Qt::CaseInsensitive);
}

int RunLauncher(int argc, char** argv) {
#if defined(__linux__) || defined(__unix__)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (!set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY")) {
        std::cerr << "There is no display to open the Vaeloric Chess window on.\n";
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vaeloric Chess");
    QApplication::setOrganizationName("vaeloric");
    QApplication::setDesktopFileName("vaeloric");
    const TPictureCatalogue pictures('F');
    QApplication::setWindowIcon(pictures.Icon());
    TLauncherWindow window;
    window.show();
    // Qt has taken its own options out of the arguments by now.
    // A game record is replayed in its viewer; anything else is taken for a
    // saved game.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2 && IsInvitationLink(arguments[1])) {
        // A link to a seat: "Join a game" opens with it, once the window shows.
        const QString link = arguments[1];
        QTimer::singleShot(0, &window, [&window, link] { window.JoinGame(link); });
    } else if (const QString path = SavedGameArgument(arguments); IsRecordPath(path))
        OpenRecordFile(&window, path);
    else if (!path.isEmpty())
        window.ContinueSavedGame(path);
    return app.exec();
}

}  // namespace vaeloric
