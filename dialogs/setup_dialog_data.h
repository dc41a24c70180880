// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/die_face.h"

// What the question, players and dice dialogs exchange with the main window,
// and their checks. No window system here, so the game flow can be driven by
// a fake window layer.
namespace vaeloric {

// Question and Ptah square dialog.
inline constexpr const char* kPtahTitleWater = "Vaeloric Chess - question & ptah Square";
inline constexpr const char* kPtahTitleOther = "Question & Ptah Square";
inline constexpr const char* kIncompleteFormTitle = "Incomplete form";
inline constexpr const char* kNoQuestionText = "You must enter a question.";
inline constexpr const char* kInvalidPtahTitle = "Invalid Ptah Square";
inline constexpr const char* kCornerPtahText =
    "The PTAH SQUARE cannot be a corner square.\n\nChoose another square.";

// The dialog title of a program: the Water program has its own.
const char* PtahSquareDialogTitle(char boardLetter);

struct TPtahSquareData {
    int file = 1;          // 1..8 for A..H; A by default
    int rank = 2;          // 1..8; 2 by default
    std::string question;  // as typed; at most kMaxQuestionLength after a check
};

enum class TPtahVerdict { Accepted, NoQuestion, Corner };

// Cuts the question to what the caption can hold, then refuses an empty
// question, then a corner square.
TPtahVerdict CheckPtahSquare(TPtahSquareData& data);

// Players dialog.
inline constexpr const char* kPlayersTitle = "The  Four Players";
inline constexpr const char* kMissingNamesText = "You must fill in all the human players' names.";
inline constexpr const char* kEnterNameLabel = "Enter Name:";
inline constexpr std::size_t kDialogNameLength = 23;

struct TPlayerSettingsData {
    // seatCode[2..4]: 1 human, 2..8 computer, 9 the Seer; seat 3 offers
    // only 1, 8 and 9.
    std::array<std::int32_t, 5> seatCode{0, 0, 2, 1, 3};
    // names[1] the Questioner, names[2..4] the seats; index 0 unused.
    std::array<std::string, 5> names;
    // The Seer's strength for every seat it takes: 0 novice, 1 adept, 2 master.
    int seerLevel = 1;
};

// Copies names seat by seat, each cut to 23 characters, and stops at the
// first missing one (the Questioner's always, a seat's only when human), as
// the dialog does; the names copied so far stay. True when all are present.
bool CheckPlayerNames(TPlayerSettingsData& data);

// The radio buttons of each seat: control id, label, player code.
struct TSeatButton {
    int seat;
    int controlId;
    const char* label;
    std::int32_t code;
};
inline constexpr TSeatButton kSeatButtons[16] = {
    {2, 501, "Human", 1},
    {2, 549, "Dr Aldous Fenn ", 2},
    {2, 502, "Osric Vane", 3},
    {2, 503, "Lachlan Corvey", 5},
    {2, 550, "H. Tarrant Bell", 7},
    {2, 551, "A.R. Morrow", 4},
    {2, 504, "Mrs Imelda Morrow", 6},
    {3, 505, "Human", 1},
    {3, 552, "Grandmaster Varro Quillane", 8},
    {4, 507, "Human", 1},
    {4, 553, "Dr Aldous Fenn", 2},
    {4, 506, "Osric Vane", 3},
    {4, 554, "Lachlan Corvey", 5},
    {4, 508, "H. Tarrant Bell", 7},
    {4, 555, "A.R. Morrow", 4},
    {4, 556, "Mrs Imelda Morrow", 6},
};
// The Seer's button in each seat, after the seat's other buttons, and the
// choice of its strength under the seats.
inline constexpr TSeatButton kSeerButtons[3] = {
    {2, 570, "The Seer", 9},
    {3, 571, "The Seer", 9},
    {4, 572, "The Seer", 9},
};
inline constexpr int kSeerLevelChoiceId = 573;
inline constexpr const char* kSeerLevelLabel = "The Seer plays as:";

// Name edits and their labels of seats 1..4 (seat 1 has a fixed label).
inline constexpr int kNameEditIds[5] = {0, 509, 510, 557, 558};
inline constexpr int kNameLabelIds[5] = {0, 0, 561, 562, 563};

// The 16 transfer words (1 = selected) of a choice, and back. A seat whose
// words select nothing offered keeps its code.
std::array<std::uint16_t, 16> PlayerTransferWords(const TPlayerSettingsData& data);
void ApplyPlayerTransferWords(const std::array<std::uint16_t, 16>& words,
                              TPlayerSettingsData& data);

// Dice dialog.
inline constexpr const char* kDiceTitle = "Dice  Throw";

struct TDiceData {
    TDieFace face = 1;  // the selected button 1..6
};

// The throw after OK: the first selected of 1..5, else 6.
TDieFace ThrowOfDiceWords(const std::array<std::uint16_t, 6>& words);

}  // namespace vaeloric
