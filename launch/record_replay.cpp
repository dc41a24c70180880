// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/record_replay.h"

#include <memory>

#include "flow/record_play.h"
#include "flow/safe_file.h"
#include "flow/saved_game_format.h"
#include "launch/elements.h"

namespace vaeloric {

namespace {

const char* ArmyWord(std::int32_t army) {
    return army >= 1 && army <= 4 ? saved_game::kColourWords[army] : "?";
}

// The record's own line for the turn from the move on, without the omen and
// the check: "BH1-E4/split +blue".
std::string MoveAndChecks(const TRecordTurn& turn) {
    const std::string line = FormatRecordTurn(turn);
    std::size_t start = 0;
    for (int word = 0; word < 3 && start != std::string::npos; ++word)
        start = line.find(' ', start) + 1;
    std::size_t end = line.find(" {", start);
    if (end == std::string::npos) end = line.find(" ;", start);
    return line.substr(start, end - start);
}

}  // namespace

std::string ReadKeptRecord(const std::string& path) {
    std::string bytes;
    if (path.empty() || ReadFileSafely(path, kMaxRecordBytes, bytes) != TFileOutcome::Done)
        return {};
    return bytes;
}

bool TRecordReplay::Load(std::string_view bytes, std::string& why) {
    TGameRecord record;
    const TRecordReadResult read = ParseRecord(bytes, record);
    if (!read.ok) {
        why = read.message;
        return false;
    }
    // The reader has played every turn on the rules already; they are played
    // again here to keep the position after each one.
    auto game = std::make_unique<TRecordPosition>();
    if (!SetUpRecordPosition(record, *game, why)) return false;
    std::vector<TBoard> boards;
    boards.reserve(record.turns.size() + 1);
    boards.push_back(game->board);
    TRecordPlayer player(*game);
    for (const TRecordTurn& turn : record.turns) {
        TRecordTurn made;
        if (!player.Play(turn, made, why)) return false;
        boards.push_back(game->board);
    }
    record_ = std::move(record);
    boards_ = std::move(boards);
    shown_ = 0;
    return true;
}

bool TRecordReplay::Show(long turn) {
    if (turn < 0 || turn > TurnCount() || boards_.empty()) return false;
    shown_ = turn;
    return true;
}

std::string TRecordReplay::TurnText(long turn) const {
    if (turn <= 0 || turn > TurnCount()) return "The start";
    const TRecordTurn& t = record_.turns[static_cast<std::size_t>(turn - 1)];
    std::string text = "Turn " + std::to_string(t.number) + ", " + ArmyWord(t.army) + ": " +
                       (t.face == 0 ? std::string("no throw") : "threw " + std::to_string(t.face));
    if (t.Moved()) return text + ", " + MoveAndChecks(t) + (t.hinted ? ", after a hint" : "");
    text += t.miss == TMissGo::Checkmated ? ", Miss Go (checkmated)" : ", Miss Go (no move)";
    // A Miss Go leaves the checks as they were; they are still shown.
    const std::string rest = MoveAndChecks(t);
    const std::size_t checks = rest.find(' ', rest.find(' ') + 1);
    return checks == std::string::npos ? text : text + rest.substr(checks);
}

std::string TRecordReplay::OmenText(long turn) const {
    if (turn <= 0 || turn > TurnCount()) return {};
    return record_.turns[static_cast<std::size_t>(turn - 1)].omen;
}

int QuestionerHintCount(std::string_view record) {
    // Read from the text alone: the end of a game does not wait for its
    // turns to be played again, and a note is all that hangs on it.
    TSquare ptah{0, 0};
    bool tags = true;
    int hints = 0;
    const std::string hintEnd = std::string(" ") + kHintWord;
    std::size_t start = 0;
    while (start < record.size()) {
        std::size_t end = record.find('\n', start);
        if (end == std::string_view::npos) end = record.size();
        std::string_view line = record.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (tags) {
            if (line.empty()) tags = false;
            constexpr std::string_view kPtahTag = "[Ptah \"";
            if (line.size() == kPtahTag.size() + 4 && line.starts_with(kPtahTag) &&
                line[kPtahTag.size()] >= 'A' && line[kPtahTag.size()] <= 'H' &&
                line[kPtahTag.size() + 1] >= '1' && line[kPtahTag.size() + 1] <= '8')
                ptah = TSquare{line[kPtahTag.size() + 1] - '0', line[kPtahTag.size()] - 'A' + 1};
            continue;
        }
        if (ptah.file == 0) return 0;
        const std::size_t check = line.rfind(" ;");
        if (check == std::string_view::npos) continue;
        line = line.substr(0, check);
        const std::size_t army = line.find(' ');
        if (!line.ends_with(hintEnd) || army == std::string_view::npos) continue;
        const std::string_view colour = line.substr(army + 1, line.find(' ', army + 1) - army - 1);
        if (colour == ArmyWord(QuadrantArmy(ptah))) ++hints;
    }
    return hints;
}

std::string HintNoteText(int hints) {
    if (hints <= 0) return {};
    const std::string moves = hints == 1 ? "one move" : std::to_string(hints) + " moves";
    return "The Questioner asked the Seer for a hint on " + moves +
           " of this game: the answer came from a game played with its help.";
}

std::string ReplayCaption(const TGameRecord& record) {
    std::string caption = record.demonstration      ? "A game without a question"
                          : record.question.empty() ? "(No question was recorded.)"
                                                    : "“" + record.question + "”";
    TQuestionElement element;
    if (ElementOfBoardLetter(record.boardLetter, element))
        caption += std::string(" — ") + ElementInfo(element).name + " board";
    return caption + ", Ptah square " + SquareName(record.ptah);
}

std::string ReplayResultText(const TGameRecord& record) {
    switch (record.result) {
        case TRecordResult::Win:
            return std::string("The Questioner won (") + ReasonTagValue(record.reason) +
                   "): a favourable answer.";
        case TRecordResult::Lose:
            return std::string("The Questioner lost (") + ReasonTagValue(record.reason) +
                   "): an unfavourable answer.";
        case TRecordResult::Unfinished:
            break;
    }
    return "The game was not decided.";
}

}  // namespace vaeloric
