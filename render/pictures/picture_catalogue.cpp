#include "render/pictures/picture_catalogue.h"

#include <QPainter>

namespace vaeloric {

// Stand-in pictures until the drawn set lands: a labelled box of the size.

TPictureCatalogue::TPictureCatalogue(char boardLetter) : boardLetter_(boardLetter) {}

QSize TPictureCatalogue::SizeOf(int id) const {
    (void)id;
    return QSize(50, 50);
}

QPixmap TPictureCatalogue::Picture(int id) const {
    QPixmap pixmap(SizeOf(id));
    pixmap.fill(Qt::lightGray);
    QPainter painter(&pixmap);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(id));
    return pixmap;
}

QCursor TPictureCatalogue::Cursor(int id) const {
    (void)id;
    return QCursor(Qt::ArrowCursor);
}

QIcon TPictureCatalogue::Icon() const { return QIcon(Picture(200)); }

std::vector<int> TPictureCatalogue::Ids() const { return {}; }

}  // namespace vaeloric
