#include "render/panel_texts.h"

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

std::pair<std::string, std::string> SplitTurnName(const std::string& name) {
    // A word carries the blank that follows it.
    std::vector<std::string> words;
    std::string word;
    for (char c : name) {
        word += c;
        if (c == ' ') {
            words.push_back(word);
            word.clear();
            if (words.size() == kMaxWords) break;
        }
    }
    if (!word.empty() && words.size() < kMaxWords) words.push_back(word);
    if (words.empty()) return {};

    std::string first = words[0].substr(0, kLineLength);
    std::size_t next = 1;
    while (next < words.size() && first.size() + words[next].size() <= kLineLength)
        first += words[next++];
    std::string second;
    for (; next < words.size() && second.size() < kLineLength; ++next)
        second += words[next].substr(0, kLineLength - second.size());
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
