// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/panel_texts.h"

#include <algorithm>
#include <vector>

#include "game/internal_error.h"

namespace vaeloric {

namespace {
constexpr std::size_t kLineLength = 9;
constexpr std::size_t kMaxWords = 10;
constexpr const char* kArmyCaptions[5] = {"", "FIRE.", "EARTH.", "AIR.", "WATER."};
constexpr const char* kArmyElements[5] = {"", "FIRE", "EARTH", "AIR", "WATER"};
}  // namespace

const char* ArmyCaption(std::int32_t army) {
    if (army < 1 || army > 4) throw TInternalError("impossible army " + std::to_string(army));
    return kArmyCaptions[army];
}

std::string TurnPanelName(const TBoard& board, const TSetUpRecord& setUp) {
    const std::int32_t army = board.armyToMove;
    const std::int32_t code = board.GetPlayerCode(army);
    if (code != Human) return OpponentName(code);
    const std::int32_t questioner = board.questionerArmy;
    if (army == questioner) return setUp.questionerName;
    if (army == NextArmy(questioner)) return setUp.seatName[2];
    if (army == NextArmy(NextArmy(questioner))) return setUp.seatName[3];
    return setUp.seatName[4];
}

namespace {
// Text as whole UTF-8 characters, so that line lengths count letters.
using TLetters = std::vector<std::string>;

TLetters Letters(const std::string& text) {
    TLetters letters;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !letters.empty())
            letters.back() += c;
        else
            letters.emplace_back(1, c);
    }
    return letters;
}

std::string Joined(const TLetters& letters, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < letters.size(); ++i) text += letters[i];
    return text;
}
}  // namespace

std::pair<std::string, std::string> SplitTurnName(const std::string& name) {
    // A word carries the blank that follows it.
    std::vector<TLetters> words;
    TLetters word;
    for (const std::string& letter : Letters(name)) {
        word.push_back(letter);
        if (letter == " ") {
            words.push_back(word);
            word.clear();
            if (words.size() == kMaxWords) break;
        }
    }
    if (!word.empty() && words.size() < kMaxWords) words.push_back(word);
    if (words.empty()) return {};

    std::size_t firstLength = std::min(words[0].size(), kLineLength);
    std::string first = Joined(words[0], firstLength);
    std::size_t next = 1;
    while (next < words.size() && firstLength + words[next].size() <= kLineLength) {
        first += Joined(words[next], words[next].size());
        firstLength += words[next++].size();
    }
    std::string second;
    for (std::size_t length = 0; next < words.size() && length < kLineLength; ++next) {
        const std::size_t taken = std::min(words[next].size(), kLineLength - length);
        second += Joined(words[next], taken);
        length += taken;
    }
    return {first, second};
}

std::pair<const char*, const char*> DieHint(int face) {
    switch (face) {
        case 1:
            return {"your King", "or a Pawn"};
        case 2:
            return {"your", "Horse"};
        case 3:
            return {"your", "Bishop"};
        case 4:
            return {"your", "Queen"};
        case 5:
            return {"your", "Rook"};
        case 6:
            return {"a", "Pawn"};
        default:
            return {"", ""};
    }
}

std::string PieceNameText(std::int32_t army, std::int32_t kind, std::int32_t companionKind) {
    if (army < 1 || army > 4) throw TInternalError("impossible army " + std::to_string(army));
    std::string text = kArmyElements[army];
    if (kind >= HorsePawn && kind <= BishopPawn) return text + " PAWN";
    const bool joined = kind == CombinedKing;
    switch (joined ? companionKind : kind) {
        case Queen:
            text += " QUEEN";
            break;
        case Horse:
            text += " HORSE";
            break;
        case Rook:
            text += " ROOK";
            break;
        case Bishop:
            text += " BISHOP";
            break;
        case King:
            if (joined) throw TInternalError("a King cannot be its own companion");
            text += " KING";
            break;
        default:
            throw TInternalError("impossible piece kind " + std::to_string(kind));
    }
    return joined ? text + "/KING" : text;
}

}  // namespace vaeloric
