#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <vector>

namespace vaeloric {

// Every picture, cursor and the icon of one board program, looked up by its
// number. Pictures are drawn on first use and cached.
class TPictureCatalogue {
public:
    explicit TPictureCatalogue(char boardLetter);

    char BoardLetter() const { return boardLetter_; }

    // The picture with this number at its own size; a null pixmap for a
    // number the program does not have.
    QPixmap Picture(int id) const;

    // The size of picture `id`; an empty size for an unknown number.
    QSize SizeOf(int id) const;

    // Cursor by number (1001..1006, 1009) with its hot spot.
    QCursor Cursor(int id) const;

    // The program icon (200).
    QIcon Icon() const;

    // Every picture number this program has, ascending.
    std::vector<int> Ids() const;

private:
    char boardLetter_;
};

}  // namespace vaeloric
