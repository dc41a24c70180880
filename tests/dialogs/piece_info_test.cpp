// SPDX-License-Identifier: GPL-3.0-or-later

// The piece information dialog: texts, die values and each board's pictures.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "dialogs/piece_info_dialog.h"
#include "game/board.h"
#include "render/pictures/picture_catalogue.h"
#include "tests/dialogs/options_application.h"

namespace vaeloric {
namespace {

class PieceInfo : public ::testing::Test {
  protected:
    void SetUp() override { testing::EnsureWidgetApplication(); }

    static QString Text(const QWidget& dialog, int id) {
        return dialog.findChild<QPlainTextEdit*>(QString::number(id))->toPlainText();
    }
    // The pictures on show, top-left first.
    static std::vector<QImage> ShownPictures(const QWidget& dialog) {
        std::vector<QImage> shown;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->isVisible() && !label->pixmap().isNull()) {
                shown.push_back(label->pixmap().toImage());
            }
        }
        return shown;
    }
};

TEST_F(PieceInfo, OpensAskingForAPiece) {
    const TPictureCatalogue pictures('W');
    TPieceInfoDialog dialog(nullptr, 2, pictures);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Piece Information");
    EXPECT_EQ(Text(dialog, 107), "Select a piece.");
    EXPECT_EQ(Text(dialog, 108), "");
    for (const QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
        EXPECT_FALSE(radio->isChecked()) << radio->text().toStdString();
    }
    EXPECT_TRUE(ShownPictures(dialog).empty());
    EXPECT_EQ(dialog.ShownPiece(), -1);
}

TEST_F(PieceInfo, EachPieceOnEachBoard) {
    struct TBoardCase {
        char letter;
        int element;
        int smallKing, smallHorse, smallBishop, smallQueen, smallRook;
    };
    const TBoardCase boards[] = {{'W', 2, 2183, 2181, 2184, 2180, 2182},
                                 {'A', 1, 2133, 2131, 2134, 2130, 2132},
                                 {'E', 4, 2083, 2081, 2084, 2080, 2082},
                                 {'F', 3, 2233, 2231, 2234, 2230, 2232}};
    struct TPieceCase {
        int radio;
        const char* label;
        const char* dieValue;
        int large;
        const char* descriptionStart;
    };
    const TPieceCase pieces[] = {{101, "King", "DICE ROLL: 1", 419, "KING: The KING moves"},
                                 {102, "Horse", "DICE ROLL: 2", 421, "HORSE: The HORSE"},
                                 {103, "Bishop", "DICE ROLL: 3", 424, "BISHOP: The BISHOP"},
                                 {104, "Queen", "DICE ROLL: 4", 422, "QUEEN: The QUEEN moves two"},
                                 {105, "Rook", "DICE ROLL: 5", 420, "ROOK: The ROOK"},
                                 {106, "Pawn", "DICE ROLL: 1 or 6", 423, "PAWN: The PAWN"}};
    for (const TBoardCase& board : boards) {
        SCOPED_TRACE(board.letter);
        const TPictureCatalogue pictures(board.letter);
        ASSERT_EQ(ElementCodeOfLetter(board.letter), board.element);
        TPieceInfoDialog dialog(nullptr, board.element, pictures);
        dialog.show();
        const int small[6] = {board.smallKing,  board.smallHorse, board.smallBishop,
                              board.smallQueen, board.smallRook,  2015};
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(pieces[i].label);
            auto* radio = dialog.findChild<QRadioButton*>(QString::number(pieces[i].radio));
            ASSERT_NE(radio, nullptr);
            EXPECT_EQ(radio->text().toStdString(), pieces[i].label);
            radio->click();
            EXPECT_TRUE(Text(dialog, 107).startsWith(pieces[i].descriptionStart));
            EXPECT_EQ(Text(dialog, 108).toStdString(), pieces[i].dieValue);
            const std::vector<QImage> shown = ShownPictures(dialog);
            ASSERT_EQ(shown.size(), 2u);
            EXPECT_EQ(shown[0], pictures.Picture(pieces[i].large).toImage());
            EXPECT_EQ(shown[1], pictures.Picture(small[i]).toImage());
            // The whole description shows without scrolling.
            const auto* description = dialog.findChild<QPlainTextEdit*>("107");
            EXPECT_FALSE(description->verticalScrollBar()->isVisible());
        }
    }
}

TEST_F(PieceInfo, ArrowKeysShowTheNextPiece) {
    const TPictureCatalogue pictures('A');
    TPieceInfoDialog dialog(nullptr, 1, pictures);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* king = dialog.findChild<QRadioButton*>("101");
    king->click();
    king->setFocus();
    ASSERT_TRUE(king->hasFocus());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(king, &down);
    EXPECT_EQ(Text(dialog, 108).toStdString(), "DICE ROLL: 2");
    EXPECT_EQ(dialog.ShownPiece(), 1);
}

TEST_F(PieceInfo, AnotherBoardsCodeShowsTextsWithoutPictures) {
    const TPictureCatalogue pictures('W');
    TPieceInfoDialog dialog(nullptr, 3, pictures);
    dialog.show();
    dialog.findChild<QRadioButton*>("101")->click();
    EXPECT_EQ(Text(dialog, 108), "DICE ROLL: 1");
    EXPECT_TRUE(ShownPictures(dialog).empty());
}

}  // namespace
}  // namespace vaeloric
