// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/setup_dialog_data.h"

#include "flow/setup_record.h"

namespace vaeloric {

const char* PtahSquareDialogTitle(char boardLetter) {
    return boardLetter == 'W' ? kPtahTitleWater : kPtahTitleOther;
}

TPtahVerdict CheckPtahSquare(TPtahSquareData& data) {
    // The caption holds the prefix and the question in 255 characters; a
    // longer question would not fit, so it is cut where the launcher cuts it.
    CutAtCharacter(data.question, kMaxQuestionLength);
    if (data.question.empty()) return TPtahVerdict::NoQuestion;
    if (IsCornerSquare(data.rank, data.file)) return TPtahVerdict::Corner;
    return TPtahVerdict::Accepted;
}

bool CheckPlayerNames(TPlayerSettingsData& data) {
    for (int seat = 1; seat <= 4; ++seat) {
        std::string& name = data.names[seat];
        CutAtCharacter(name, kDialogNameLength);
        const bool needed = seat == 1 || data.seatCode[seat] == Human;
        if (needed && name.empty()) return false;
    }
    return true;
}

std::array<std::uint16_t, 16> PlayerTransferWords(const TPlayerSettingsData& data) {
    std::array<std::uint16_t, 16> words{};
    for (int i = 0; i < 16; ++i)
        words[i] = data.seatCode[kSeatButtons[i].seat] == kSeatButtons[i].code ? 1 : 0;
    return words;
}

void ApplyPlayerTransferWords(const std::array<std::uint16_t, 16>& words,
                              TPlayerSettingsData& data) {
    for (int seat = 2; seat <= 4; ++seat)
        for (int i = 0; i < 16; ++i)
            if (kSeatButtons[i].seat == seat && words[i]) {
                data.seatCode[seat] = kSeatButtons[i].code;
                break;
            }
}

TDieFace ThrowOfDiceWords(const std::array<std::uint16_t, 6>& words) {
    for (int i = 0; i < 5; ++i)
        if (words[i]) return i + 1;
    return 6;
}

}  // namespace vaeloric
