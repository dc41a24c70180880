// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/pointer_input.h"

namespace vaeloric {

void TPointerInput::Track(TButton& button, int x, int y) {
    // A held button shows pressed only while the pointer is on it.
    if (button.rect.Contains(x, y)) {
        if (button.pressed && !button.over) feedback_.DrawButton(button.downImage);
        button.over = true;
    } else {
        if (button.pressed && button.over) feedback_.DrawButton(button.upImage);
        button.over = false;
    }
}

void TPointerInput::Move(int x, int y) {
    if (!controller_.AcceptsInput()) return;
    if (OverBoard(origin_, x, y)) {
        overBoard_ = true;
        throw_.over = enter_.over = move_.over = false;
        square_ = SquareAtPoint(origin_, x, y);
        if (!pressActive_) feedback_.SetCursor(picture_ids::kBoardCursor);
        return;
    }
    overBoard_ = false;
    Track(throw_, x, y);
    Track(enter_, x, y);
    Track(move_, x, y);
    if (!pressActive_) feedback_.SetCursor(kArrowCursor);
}

void TPointerInput::Press(TButton& button) {
    pressActive_ = button.pressed = true;
    feedback_.DrawButton(button.downImage);
}

void TPointerInput::LeftDown(int x, int y) {
    if (!controller_.AcceptsInput()) return;
    // A press whose release never arrived (the window lost the pointer) is
    // over: it must not act when this press is released.
    ClearPress();
    Move(x, y);
    // The buttons overlap: THROW and ENTER are shown while the turn awaits
    // a throw, MOVE afterwards for a computer army.
    if (throw_.over && controller_.AwaitsThrow()) {
        Press(throw_);
    } else if (enter_.over && controller_.AwaitsThrow()) {
        Press(enter_);
    } else if (move_.over && controller_.AwaitsComputerMove()) {
        Press(move_);
    } else if (overBoard_ && controller_.PickUp(square_)) {
        pressActive_ = true;
        feedback_.SetCursor(picture_ids::HeldPieceCursorId(controller_.HeldMoveKind()));
    }
}

void TPointerInput::LeftUp(int x, int y) {
    if (!controller_.AcceptsInput()) return;
    Move(x, y);
    pressActive_ = false;
    if (ButtonRelease()) return;
    if (overBoard_ && controller_.ArmyToMoveIsHuman())
        feedback_.SetCursor(picture_ids::kBoardCursor);
    controller_.Drop(overBoard_ ? std::optional<TSquare>(square_) : std::nullopt);
}

void TPointerInput::RightDown(int x, int y) {
    if (!controller_.AcceptsInput()) return;
    Move(x, y);
    if (overBoard_) controller_.ShowSquare(square_);
}

const TPointerInput::TButton* TPointerInput::ShownPressed() const {
    for (const TButton* button : {&throw_, &enter_, &move_})
        if (button->pressed && button->over) return button;
    return nullptr;
}

int TPointerInput::PressedButtonImage() const {
    const TButton* button = ShownPressed();
    return button != nullptr ? button->downImage : 0;
}

TPixel TPointerInput::PressedButtonCorner() const {
    const TButton* button = ShownPressed();
    return button != nullptr ? TPixel{button->rect.left, button->rect.top} : TPixel{};
}

// The button cases of a release; false when the release is a drop instead.
bool TPointerInput::ButtonRelease() {
    if (throw_.pressed && throw_.over && controller_.AwaitsThrow()) {
        throw_.pressed = false;
        controller_.Throw();
        return true;
    }
    if (enter_.pressed && enter_.over && controller_.AwaitsThrow()) {
        enter_.pressed = false;
        controller_.EnterThrow();
        return true;
    }
    if (move_.pressed && move_.over && controller_.AwaitsComputerMove()) {
        move_.pressed = false;
        controller_.MakeComputerMove();
        return true;
    }
    // Released away from the pressed button: the press is cancelled.
    for (TButton* button : {&throw_, &enter_, &move_}) {
        if (button->pressed) feedback_.DrawButton(button->upImage);
        button->pressed = false;
    }
    return false;
}

void TPointerInput::ClearPress() {
    for (TButton* button : {&throw_, &enter_, &move_}) {
        if (button->pressed && button->over) feedback_.DrawButton(button->upImage);
        button->pressed = false;
    }
    pressActive_ = false;
    controller_.Drop(std::nullopt);
}

}  // namespace vaeloric
