// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <algorithm>

#include "flow/move_list.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vaeloric {

// The move list beside the board: one row a turn (throw as a die face, the
// move or "Miss Go", the omen's first word), the game's current turn marked.
// Choosing a row, or Home, End and the arrows in the list, shows that turn's
// position read-only under a "Viewing turn N" banner; "Back to the game" or
// Escape returns.
class TMoveListView : public QWidget {
    Q_OBJECT
  public:
    // Its width beside the scene in a window this wide: a narrow column at
    // 1280 pixels, more room on a wide screen.
    static int WidthFor(int windowWidth) { return std::clamp(windowWidth / 6, 250, 360); }

    TMoveListView(TGameController& controller, QWidget* parent);

    // Brings the rows up to the game's record; cheap when nothing changed.
    void Refresh();
    // Leaves a past position: the game is shown again.
    void ReturnToGame();
    TTurnList& List() { return list_; }
    const TRecordPosition* ViewedPosition() const { return list_.ViewedPosition(); }

  signals:
    // The shown position changed (a past turn, or back to the game).
    void ShownChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Rebuild();
    void ShowTurn(long turn);
    void UpdateBanner();

    TTurnList list_;
    QLabel* title_ = nullptr;
    QLabel* banner_ = nullptr;
    QPushButton* back_ = nullptr;
    QListWidget* rows_ = nullptr;
    long rowsFor_ = -1;  // the turn count the rows were built for
    bool rebuilding_ = false;
};

}  // namespace vaeloric
