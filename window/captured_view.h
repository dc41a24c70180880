// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "game/captured_pieces.h"
#include "render/display_options.h"

namespace vaeloric {

class TPictureCatalogue;

// The pieces each army has lost, beside the board above the move list: one
// block an army, its lost pieces as small pictures, worth most first, with
// their values and the army's total when the values are asked for.
class TCapturedView : public QWidget {
    Q_OBJECT
  public:
    TCapturedView(const TPictureCatalogue& pictures, QWidget* parent);

    // The position whose lost pieces are shown; repaints only on a change.
    void Show(const TBoard& board, TPieceStyle style);
    void SetValuesShown(bool on);
    bool ValuesShown() const { return valuesShown_; }
    using TLostList = std::array<std::vector<TLostPiece>, 5>;
    const TLostList& Lost() const { return lost_; }

    // The height that shows every block at this width.
    int HeightFor(int width) const;
    // Chooses the largest pictures, down to a line of text, that fit every
    // block in this width and height; the height it then needs.
    int FitTo(int width, int height);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The pictures' edge and how many fit on a line at this width.
    int IconSize() const;
    int PerLine(int width) const;
    int BlockHeight(std::size_t pieces, int width) const;

    const TPictureCatalogue& pictures_;
    std::array<std::vector<TLostPiece>, 5> lost_;
    std::int32_t companionKind_ = 0;
    TPieceStyle style_ = TPieceStyle::Gods;
    bool valuesShown_ = false;
    int iconSize_ = 0;  // 0 until fitted: twice a line of text
    bool valueUnderEach_ = true;
    bool ValueLines() const { return valuesShown_ && valueUnderEach_; }
};

}  // namespace vaeloric
