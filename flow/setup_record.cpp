// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/setup_record.h"

#include <cstring>

#include "players/opponent_profiles.h"
#include "players/seer.h"

namespace vaeloric {

std::string TSetUpRecord::Question() const {
    const std::size_t prefix = std::strlen(kCaptionPrefix);
    return caption.size() > prefix ? caption.substr(prefix) : std::string();
}

void CutAtCharacter(std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return;
    std::size_t end = maxBytes;
    // Step back over continuation bytes to the start of the cut character.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
}

namespace {
// Codes 1..8, then the Seer's letter for code 9.
constexpr char kSeatLetters[] = "hforciaqs";
constexpr int kLetterCount = 9;
static_assert(kSeatLetters[kSeerCode - 1] == kSeerLetter);
}  // namespace

std::int32_t PlayerCodeOfLetter(char letter) {
    for (int i = 0; i < kLetterCount; ++i)
        if (kSeatLetters[i] == letter) return i + 1;
    return 0;
}

char LetterOfPlayerCode(std::int32_t code) {
    return (code >= 1 && code <= kLetterCount) ? kSeatLetters[code - 1] : '\0';
}

const char* OpponentName(std::int32_t code) {
    if (code == kSeerCode) return kSeerName;
    return IsComputerCode(code) ? OpponentProfile(code).name : "";
}

const char* BoardName(char boardLetter) {
    switch (boardLetter) {
        case 'W':
            return "Water ";
        case 'A':
            return "Air ";
        case 'E':
            return "Earth ";
        case 'F':
            return "Fire ";
        default:
            return "";
    }
}

const char* BoardNameLong(char boardLetter) {
    switch (boardLetter) {
        case 'W':
            return "Water board.";
        case 'A':
            return "Air board.";
        case 'E':
            return "Earth board.";
        case 'F':
            return "Fire board.";
        default:
            return "";
    }
}

}  // namespace vaeloric
