// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/options_layout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace vaeloric {

QFont OptionDialogFont(int pointSize) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

void UseDialogFrame(QWidget* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

int CaptionWidth(const QString& caption) {
    // Title bars use a bold face of about the application's size; the icon,
    // the frame and the title buttons (some window managers show all three
    // even on a fixed-size dialog) take some ten lines' height besides.
    QFont title = QApplication::font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    const int wanted = metrics.horizontalAdvance(caption) + 10 * metrics.height();
    // A very long question cannot show whole on any screen: stay on it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? std::min(wanted, screen->availableGeometry().width() * 9 / 10) : wanted;
}

TDialogUnits::TDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth = (letters / 26 + 1) / 2;
    baseHeight = metrics.height();
    if (baseWidth < 1) baseWidth = 1;
    if (baseHeight < 1) baseHeight = 1;
}

}  // namespace vaeloric
