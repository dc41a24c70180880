// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// The display and music options: the texts and control numbers of their five
// dialogs, the transfer records the main window keeps (one on/off value per
// radio button, in the dialog's button order) and what each choice means.
// No window system here, so the game flow can use it under test.

namespace vaeloric {

struct TOptionButton {
    int id;
    const char* text;
};

// One option dialog: resource number, caption, group box, placement in
// dialog units and its radio buttons in order.
struct TOptionDialogForm {
    int resource;
    const char* caption;
    const char* groupText;
    int x, y, width, height;
    int buttonCount;
    TOptionButton buttons[6];
};

inline constexpr int kOkButtonId = 1;

// clang-format off
inline constexpr TOptionDialogForm kBackgroundColourForm = {
    302, "Background colour", "Select background colour", 87, 70, 165, 94, 6,
    {{525, "Light green"}, {526, "Dark green"}, {527, "White"}, {528, "Orange"},
     {529, "Purple"}, {530, "Black"}}};
inline constexpr TOptionDialogForm kSquareTypeForm = {
    303, "Square display style", "Select square display style", 95, 61, 132, 86, 2,
    {{512, "English"}, {513, "Vaeloric"}}};
inline constexpr TOptionDialogForm kBoardsForm = {
    305, "Board style", "Select board Style", 95, 61, 168, 88, 2,
    {{514, "Coloured"}, {515, "Simple (with board coordinates)"}}};
inline constexpr TOptionDialogForm kPiecesForm = {
    306, "Piece style", "Select piece style", 97, 66, 169, 91, 2,
    {{517, "gods"}, {516, "symbolic"}}};
inline constexpr TOptionDialogForm kMusicForm = {
    307, "Background music", "Background music", 68, 66, 111, 84, 2,
    {{518, "ON"}, {519, "OFF"}}};
// clang-format on

// Transfer records with their start-up values.
struct TBackgroundColourTransfer {  // Light green, Dark green, White, Orange, Purple, Black
    std::uint16_t state[6] = {1, 0, 0, 0, 0, 0};
};
struct TSquareTypeTransfer {  // English, Vaeloric
    std::uint16_t state[2] = {0, 1};
};
struct TBoardsTransfer {  // Coloured, Simple (with board coordinates)
    std::uint16_t state[2] = {1, 0};
};
struct TPiecesTransfer {  // gods, symbolic
    std::uint16_t state[2] = {1, 0};
};
struct TMusicTransfer {  // ON, OFF
    std::uint16_t state[2] = {0, 1};
};

// Everything the main window keeps for the five dialogs.
struct TOptionTransfer {
    TBackgroundColourTransfer backgroundColour;
    TSquareTypeTransfer squareType;
    TBoardsTransfer boards;
    TPiecesTransfer pieces;
    TMusicTransfer music;
};

// The first button that is on; `fallback` when none is (a record that was
// never filled in).
template <std::size_t N>
constexpr int SelectedButton(const std::uint16_t (&state)[N], int fallback) {
    for (std::size_t i = 0; i < N; ++i) {
        if (state[i] != 0) return static_cast<int>(i);
    }
    return fallback;
}

// Exactly one button on.
template <std::size_t N>
constexpr void SelectButton(std::uint16_t (&state)[N], int index) {
    for (std::size_t i = 0; i < N; ++i) state[i] = static_cast<int>(i) == index ? 1 : 0;
}

struct TRgb {
    std::uint8_t red, green, blue;
    friend constexpr bool operator==(TRgb a, TRgb b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
};

inline constexpr TRgb kBackgroundColours[6] = {{0, 255, 0},   {17, 170, 17},  {255, 255, 255},
                                               {255, 160, 0}, {208, 18, 239}, {0, 0, 0}};

// The window's background colour (light green when nothing is chosen).
constexpr TRgb BackgroundColourOf(const TBackgroundColourTransfer& transfer) {
    return kBackgroundColours[SelectedButton(transfer.state, 0)];
}

// Added to the square picture numbers of the information panel.
constexpr int SquarePictureOffset(const TSquareTypeTransfer& transfer) {
    return SelectedButton(transfer.state, 1) == 1 ? 1000 : 0;
}

constexpr bool SimpleBoardChosen(const TBoardsTransfer& transfer) {
    return SelectedButton(transfer.state, 0) == 1;
}

// The board style dialog was closed with OK: sets the window's
// coordinatesShown flag and returns how far the board moves right (5 into
// the simple style, -5 back out of it, 0 when the style is unchanged, so that
// choosing the same style twice moves the board only once).
constexpr int ApplyBoardStyle(const TBoardsTransfer& transfer, bool& coordinatesShown) {
    const bool simple = SimpleBoardChosen(transfer);
    const int shift = simple == coordinatesShown ? 0 : (simple ? 5 : -5);
    coordinatesShown = simple;
    return shift;
}

// Offset of the piece picture set: 200 for the symbolic set, 0 for the gods.
constexpr int PieceSetOffset(const TPiecesTransfer& transfer) {
    return SelectedButton(transfer.state, 0) == 1 ? 200 : 0;
}

constexpr bool MusicChosenOn(const TMusicTransfer& transfer) {
    return SelectedButton(transfer.state, 1) == 0;
}

}  // namespace vaeloric
