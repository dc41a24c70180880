// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "flow/game_controller.h"
#include "render/board_geometry.h"
#include "render/pictures/picture_ids.h"

namespace vaeloric {

// What the pointer shows of itself: the cursor, and a picture button's
// pressed or released image drawn at once.
class TPointerFeedback {
  public:
    virtual ~TPointerFeedback() = default;
    virtual void SetCursor(int resourceId) = 0;
    virtual void DrawButton(int pictureId) = 0;
};

// The mouse over the 1x scene. It knows where the board and the picture
// buttons are and turns presses and releases into the game's own terms: a
// button acts when it is released on the same button it was pressed on, a
// piece is picked up by a press on its square and dropped where the press
// is released. The window maps its pixels to the scene and reports here.
class TPointerInput {
  public:
    TPointerInput(TGameController& controller, TPointerFeedback& feedback)
        : controller_(controller), feedback_(feedback) {}

    // Where the board is drawn; the window sets it before each event.
    void SetOrigin(TBoardOrigin origin) { origin_ = origin; }

    void Move(int x, int y);
    void LeftDown(int x, int y);
    void LeftUp(int x, int y);
    void RightDown(int x, int y);

    // A button or a piece is held by the left button.
    bool PressActive() const { return pressActive_; }
    // The pressed image of the held button, while the pointer is on it; 0
    // when none shows. It is drawn at the button's top-left corner.
    int PressedButtonImage() const;
    TPixel PressedButtonCorner() const;

  private:
    struct TButton {
        const THotRect& rect;
        int upImage, downImage;
        bool over = false;
        bool pressed = false;
    };
    void Track(TButton& button, int x, int y);
    void Press(TButton& button);
    const TButton* ShownPressed() const;
    bool ButtonRelease();
    void ClearPress();

    TGameController& controller_;
    TPointerFeedback& feedback_;
    TBoardOrigin origin_;

    TButton throw_{kThrowButtonRect, picture_ids::kThrowUp, picture_ids::kThrowDown};
    TButton enter_{kEnterButtonRect, picture_ids::kEnterUp, picture_ids::kEnterDown};
    TButton move_{kMoveButtonRect, picture_ids::kMoveUp, picture_ids::kMoveDown};
    bool overBoard_ = false;
    TSquare square_{8, 1};  // the square under the pointer, when over the board
    bool pressActive_ = false;
};

}  // namespace vaeloric
