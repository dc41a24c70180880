// SPDX-License-Identifier: GPL-3.0-or-later

// Usage: vaeloric-contact-sheet OUTPUT_DIR [BOARD_LETTERS]
// Writes OUTPUT_DIR/<letter>/<id>.png for every picture of each program
// (default WAEF) and OUTPUT_DIR/sheet-<letter>.png, an overview with every
// picture at its own size and two boards set with pieces.
//        vaeloric-contact-sheet --icon BOARD_LETTER SIZE FILE
// Writes the program icon at SIZE pixels (for the desktop entry).
// Runs without a display: QT_QPA_PLATFORM=offscreen.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "render/pictures/picture_catalogue.h"

namespace {

using vaeloric::TPictureCatalogue;
namespace ids = vaeloric::picture_ids;

// A board set with pieces of every army on squares of every kind.
QImage SetBoard(const TPictureCatalogue& catalogue, bool symbolic) {
    const char letter = catalogue.BoardLetter();
    QImage image(catalogue.Picture(ids::BoardPictureId(letter))
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    QPainter painter(&image);
    int n = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column, ++n) {
            if ((row + column) % 3 == 2) continue;
            static constexpr int kKinds[10] = {1, 5, 6, 7, 8, 9, 2, 10, 3, 4};
            static constexpr int kCompanions[4] = {5, 6, 7, 9};
            const int army = (n / 2) % 4 + 1;
            const int kind = kKinds[n % 10];
            const QPoint corner(column * 50, row * 50);
            const int shown = kind == 10 ? kCompanions[n % 4] : kind;
            painter.drawPixmap(corner,
                               catalogue.Picture(ids::PieceId(shown, army, symbolic, letter)));
            if (kind == 10) {
                const auto offset = ids::KingBadgeOffset(army);
                painter.drawPixmap(corner + QPoint(offset.x, offset.y),
                                   catalogue.Picture(ids::KingBadgeId(army)));
            }
            if (row == 5 && column == 1)
                painter.drawPixmap(corner + QPoint(12, 12), catalogue.Picture(999));
        }
    }
    return image;
}

QImage Sheet(const TPictureCatalogue& catalogue) {
    const int width = 1860, margin = 10, labelHeight = 14;
    struct TItem {
        QImage image;
        QString label;
    };
    std::vector<TItem> items;
    items.push_back({SetBoard(catalogue, false), QStringLiteral("gods set on the board")});
    items.push_back({SetBoard(catalogue, true), QStringLiteral("symbolic set on the board")});
    for (int id : catalogue.Ids())
        items.push_back({catalogue.Picture(id).toImage(), QString::number(id)});

    // Flow layout, first pass to find the height.
    std::vector<QPoint> places;
    int x = margin, y = margin, rowHeight = 0;
    for (const TItem& item : items) {
        const QSize size = item.image.size();
        if (x + size.width() > width - margin) {
            x = margin;
            y += rowHeight + labelHeight + margin;
            rowHeight = 0;
        }
        places.push_back(QPoint(x, y));
        x += std::max(size.width(), 34) + margin;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(width, y + rowHeight + labelHeight + margin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x6e, 0x7d, 0x70));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (size_t i = 0; i < items.size(); ++i) {
        painter.drawImage(places[i], items[i].image);
        painter.drawText(QPoint(places[i].x(), places[i].y() + items[i].image.height() + 11),
                         items[i].label);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vaeloric-contact-sheet OUTPUT_DIR [BOARD_LETTERS]\n");
        return 2;
    }
    if (std::string(argv[1]) == "--icon") {
        if (argc != 5 || !ids::IsBoardLetter(argv[2][0]) || std::atoi(argv[3]) <= 0) {
            std::fprintf(stderr, "usage: vaeloric-contact-sheet --icon BOARD_LETTER SIZE FILE\n");
            return 2;
        }
        const int side = std::atoi(argv[3]);
        const QPixmap icon = TPictureCatalogue(argv[2][0]).Icon().pixmap(side, side);
        if (!icon.save(QString::fromLocal8Bit(argv[4]))) {
            std::fprintf(stderr, "cannot write %s\n", argv[4]);
            return 1;
        }
        return 0;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString letters = argc > 2 ? QString::fromLatin1(argv[2]) : QStringLiteral("WAEF");
    int written = 0;
    for (QChar letter : letters) {
        const char board = letter.toLatin1();
        if (!ids::IsBoardLetter(board)) {
            std::fprintf(stderr, "unknown board letter %c\n", board);
            return 2;
        }
        const TPictureCatalogue catalogue(board);
        const QString folder = out + QLatin1Char('/') + letter;
        QDir().mkpath(folder);
        for (int id : catalogue.Ids()) {
            if (!catalogue.Picture(id).save(folder + QStringLiteral("/%1.png").arg(id))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
                return 1;
            }
            ++written;
        }
        const QString sheetName = out + QStringLiteral("/sheet-") + letter + QStringLiteral(".png");
        if (!Sheet(catalogue).save(sheetName)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetName));
            return 1;
        }
        std::printf("%s\n", qPrintable(sheetName));
    }
    std::printf("%d pictures written\n", written);
    return 0;
}
