// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The control panel's controls and the commands they send the main window.
// No window system here, so the game flow can use it under test.

namespace vaeloric {

inline constexpr int kCommandBackgroundColour = 1750;
inline constexpr int kCommandMusic = 1751;
inline constexpr int kCommandBoards = 1752;
inline constexpr int kCommandPieces = 1753;
inline constexpr int kCommandPieceInfo = 1754;
inline constexpr int kCommandResign = 1755;
inline constexpr int kCommandSave = 1756;
inline constexpr int kCommandMoveReading = 1757;
inline constexpr int kCommandWholeReading = 1758;
inline constexpr int kCommandSquareType = 1759;
inline constexpr int kCommandShowGod = 1760;

enum class TPanelControlKind { GroupBox, CheckBox, Button };

// Placement in dialog units of the panel's own font.
struct TPanelControl {
    int id;
    const char* text;
    TPanelControlKind kind;
    int command;  // 0 for the group box
    int x, y, width, height;
};

inline constexpr int kControlPanelResource = 1700;
inline constexpr int kControlPanelX = 1, kControlPanelY = 84;
inline constexpr int kControlPanelWidth = 35, kControlPanelHeight = 128;
inline constexpr int kControlPanelFontPoints = 10;

inline constexpr TPanelControl kPanelControls[] = {
    {1719, "Reading", TPanelControlKind::GroupBox, 0, 1, 2, 33, 29},
    {1720, "Move", TPanelControlKind::CheckBox, kCommandMoveReading, 3, 12, 29, 6},
    {1721, "Whole", TPanelControlKind::CheckBox, kCommandWholeReading, 3, 22, 29, 6},
    {1718, "showgod", TPanelControlKind::Button, kCommandShowGod, 0, 32, 35, 11},
    {1717, "square", TPanelControlKind::Button, kCommandSquareType, 0, 42, 35, 11},
    {1713, "boards", TPanelControlKind::Button, kCommandBoards, 0, 54, 35, 11},
    {1714, "pieces", TPanelControlKind::Button, kCommandPieces, 0, 64, 35, 11},
    {1715, "color", TPanelControlKind::Button, kCommandBackgroundColour, 0, 74, 35, 11},
    {1716, "sound", TPanelControlKind::Button, kCommandMusic, 0, 84, 35, 11},
    {1712, "help", TPanelControlKind::Button, kCommandPieceInfo, 0, 97, 35, 11},
    {1711, "save", TPanelControlKind::Button, kCommandSave, 0, 107, 35, 11},
    {1710, "resign", TPanelControlKind::Button, kCommandResign, 0, 117, 35, 11},
};

// The reading switches at set-up: "Move" on, "Whole" off.
inline constexpr bool kMoveReadingAtStart = true;
inline constexpr bool kWholeReadingAtStart = false;

}  // namespace vaeloric
