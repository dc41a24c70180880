#include "dialogs/options_layout.h"

#include <QFontMetrics>
#include <QStringList>

namespace vaeloric {

QFont OptionDialogFont(int pointSize) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

TDialogUnits::TDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth = (letters / 26 + 1) / 2;
    baseHeight = metrics.height();
    if (baseWidth < 1) baseWidth = 1;
    if (baseHeight < 1) baseHeight = 1;
}

}  // namespace vaeloric
