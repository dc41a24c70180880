// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/move_list.h"

namespace vaeloric {

std::vector<TMoveListEntry> TTurnList::Entries() const {
    std::vector<TMoveListEntry> entries;
    for (const TRecordTurn& turn : controller_.Record().turns) {
        TMoveListEntry entry;
        entry.number = turn.number;
        entry.army = turn.army;
        entry.face = turn.face;
        entry.hinted = turn.hinted;
        if (turn.Moved()) {
            // The record's line holds the move in its fourth word.
            const std::string line = FormatRecordTurn(turn);
            std::size_t start = 0;
            for (int word = 0; word < 3; ++word) start = line.find(' ', start) + 1;
            entry.move = line.substr(start, line.find(' ', start) - start);
            entry.omenWords = turn.omen;
            entry.omen = turn.omen.substr(0, turn.omen.find(", "));
        } else {
            entry.move = kMissGoEntry;
        }
        entries.push_back(entry);
    }
    return entries;
}

bool TTurnList::View(long turn) {
    const TGameRecord& record = controller_.Record();
    if (turn < 0 || turn > TurnCount()) return false;
    if (turn == TurnCount()) {
        BackToGame();
        return true;
    }
    // The position is played again from the record's start: the game's own
    // records are never touched.
    auto position = std::make_unique<TRecordPosition>();
    std::string why;
    if (!SetUpRecordPosition(record, *position, why)) return false;
    TRecordPlayer player(*position);
    for (long t = 0; t < turn; ++t) {
        TRecordTurn made;
        if (!player.Play(record.turns[static_cast<std::size_t>(t)], made, why)) return false;
    }
    viewed_ = std::move(position);
    viewedTurn_ = turn;
    controller_.SetViewingPast(true);
    return true;
}

void TTurnList::BackToGame() {
    viewed_.reset();
    viewedTurn_ = 0;
    controller_.SetViewingPast(false);
}

std::string TTurnList::Banner() const {
    if (!Viewing()) return std::string();
    if (viewedTurn_ == 0) return "Viewing the start";
    return "Viewing turn " + std::to_string(viewedTurn_);
}

std::string DieFaceText(TDieFace face) {
    if (face < 1 || face > 6) return "-";
    // U+2680 + face - 1 in UTF-8: E2 9A 80..85.
    std::string text = "\xe2\x9a";
    text += static_cast<char>(0x80 + face - 1);
    return text;
}

}  // namespace vaeloric
