// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/record_play.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "flow/saved_game.h"
#include "flow/saved_game_format.h"
#include "flow/seats.h"
#include "game/check.h"
#include "reading/correspondences.h"
#include "reading/move_reading.h"
#include "reading/network.h"

namespace vaeloric {

void TTurnRecorder::Begin(const TBoard& board, long number, TDieFace face) {
    turn_ = TRecordTurn{};
    turn_.number = number;
    turn_.army = board.armyToMove;
    turn_.face = face;
}

void TTurnRecorder::Moved(const TBoard& board, const TTurnState& turn, TSquare from, TSquare to) {
    turn_.miss = TMissGo::None;
    turn_.from = from;
    turn_.to = to;
    const TPiece& arrived = board.At(to.rank, to.file);
    if (turn.lastMove.promotes != 0 && !IsPawnKind(arrived.kind)) {
        turn_.promotedKind = arrived.kind;
        turn_.movedKind = PawnKindOf(arrived.kind);
    } else {
        turn_.movedKind = arrived.kind;
    }
    turn_.capturedKind = turn.lastMove.capture != 0 ? turn.lastMove.captured.kind : 0;
    // A combined King that moves one of its pieces leaves the other behind.
    const TPiece& left = board.At(from.rank, from.file);
    turn_.split = left.kind != Empty && left.army == arrived.army;
    turn_.omen = OmenWords(board, to);
}

void TTurnRecorder::Ended(TBoard& board) {
    for (std::int32_t army = 1; army <= 4; ++army)
        turn_.checkStatus[army] = ArmyCheckStatus(board, army);
}

std::string OmenWords(const TBoard& board, TSquare to) {
    TReadingRecord scratch;
    ReadMove(scratch, board.elementCode, to.rank, to.file, board.At(to.rank, to.file),
             board.armyToMove == board.questionerArmy, true);
    const std::array<bool, kUnitCount> winners =
        SelectMoveWinners(ProgramNetwork().MoveActivation());
    // The names in the order the reading shows them.
    std::vector<std::pair<std::size_t, std::string>> names;
    for (int unit = 0; unit < kUnitCount; ++unit) {
        if (!winners[unit]) continue;
        const std::string_view text = UnitText(unit);
        const std::string name(text.substr(0, text.find('.')));
        names.emplace_back(scratch.moveText.find(name), name);
    }
    std::sort(names.begin(), names.end());
    std::string words;
    for (const auto& [position, name] : names) {
        if (!words.empty()) words += ", ";
        words += name;
    }
    return words;
}

bool RecordLeadsTo(std::string_view recordAtHand, char boardLetter, const TBoard& board,
                   const TSetUpRecord& setUp, const TTurnState& turn, const TReadingRecord& reading,
                   TGameRecord& record) {
    if (recordAtHand.empty()) return false;
    TGameRecord read;
    auto end = std::make_unique<TRecordPosition>();
    if (!ParseRecord(recordAtHand, read, end.get()).ok || read.result != TRecordResult::Unfinished)
        return false;
    if (FormatSavedGame(boardLetter, end->board, end->setUp, end->turn, end->reading) !=
        FormatSavedGame(boardLetter, board, setUp, turn, reading))
        return false;
    record = std::move(read);
    return true;
}

TGameRecord ContinuedRecord(std::string_view recordAtHand, char boardLetter, const TBoard& board,
                            const TSetUpRecord& setUp, const TTurnState& turn,
                            const TReadingRecord& reading) {
    TGameRecord record;
    if (RecordLeadsTo(recordAtHand, boardLetter, board, setUp, turn, reading, record))
        return record;
    return RecordHeader(boardLetter, board, setUp, turn, reading, true);
}

std::string RecordCaption(const TGameRecord& header) {
    if (header.demonstration) return kDemonstrationCaption;
    std::string caption = std::string(kCaptionPrefix) + header.question;
    CutAtCharacter(caption, kMaxCaptionLength);
    return caption;
}

TGameRecord RecordHeader(char boardLetter, const TBoard& board, const TSetUpRecord& setUp,
                         const TTurnState& turn, const TReadingRecord& reading, bool start) {
    TGameRecord header;
    header.boardLetter = setUp.boardLetter != '\0' ? setUp.boardLetter : boardLetter;
    header.ptah = setUp.ptah;
    header.demonstration = setUp.caption == kDemonstrationCaption;
    header.question = header.demonstration ? std::string() : setUp.Question();
    header.seatCode[1] = board.GetPlayerCode(board.questionerArmy);
    header.seatName[1] = setUp.questionerName;
    for (int seat = 2; seat <= 4; ++seat) {
        header.seatCode[seat] = setUp.seatCode[seat];
        if (header.seatCode[seat] == Human) header.seatName[seat] = setUp.seatName[seat];
    }
    if (start) {
        const std::string text = FormatSavedGame(header.boardLetter, board, setUp, turn, reading);
        for (char c : text)
            if (c != '\r') header.start += c;
    }
    return header;
}

namespace {

TSetUpRecord SetUpOfHeader(const TGameRecord& header) {
    TSetUpRecord setUp;
    setUp.ptah = header.ptah;
    setUp.boardLetter = header.boardLetter;
    setUp.questionerName = header.seatName[1];
    setUp.caption = RecordCaption(header);
    for (int seat = 2; seat <= 4; ++seat) {
        setUp.seatCode[seat] = header.seatCode[seat];
        setUp.seatName[seat] = header.seatCode[seat] == Human ? header.seatName[seat] : "";
    }
    return setUp;
}

bool SameSetUp(const TSetUpRecord& a, const TSetUpRecord& b) {
    return SquaresEqual(a.ptah, b.ptah) && a.boardLetter == b.boardLetter &&
           a.questionerName == b.questionerName && a.seatName == b.seatName &&
           a.caption == b.caption && a.seatCode == b.seatCode;
}

const char* Colour(std::int32_t army) {
    return army >= 1 && army <= 4 ? saved_game::kColourWords[army] : "no army";
}

std::string MoveName(TSquare from, TSquare to) {
    return SquareName(from) + "-" + SquareName(to);
}

}  // namespace

bool SetUpRecordPosition(const TGameRecord& header, TRecordPosition& game, std::string& why) {
    const TSetUpRecord setUp = SetUpOfHeader(header);
    game.reading.Reset();
    game.turn.Reset();
    if (header.start.empty()) {
        game.setUp = setUp;
        game.board = TBoard();
        // Seats first: every piece takes its army's player code when it is made.
        AssignSeats(game.setUp, game.board);
        game.board.SetPlayerCode(SeatArmies(game.setUp).army[1], header.seatCode[1]);
        game.board.SetUp(setUp.ptah, setUp.boardLetter);
        return true;
    }
    TSavedGame saved;
    const TLoadResult loaded = ParseSavedGame(header.start, header.boardLetter, saved);
    if (!loaded.Loaded()) {
        why = "the start position is not a sound saved game of the " +
              std::string(BoardName(header.boardLetter)) + "board";
        return false;
    }
    if (!SameSetUp(saved.setUp, setUp)) {
        why = "the start position does not agree with the board, Ptah square, question or seats";
        return false;
    }
    CommitSavedGame(saved, game.board, game.setUp, game.turn, game.reading);
    game.board.SetPlayerCode(game.board.questionerArmy, header.seatCode[1]);
    return true;
}

bool TRecordPlayer::Play(const TRecordTurn& wanted, TRecordTurn& made, std::string& why) {
    TBoard& board = game_.board;
    const std::int32_t army = board.armyToMove;
    if (wanted.army != army) {
        why = std::string("it is ") + Colour(army) + "'s turn, not " + Colour(wanted.army) + "'s";
        return false;
    }
    if (wanted.face < 0 || wanted.face > 6) {
        why = "the throw must be a face from 1 to 6";
        return false;
    }
    ended_ = false;
    recorder_.Begin(board, played_ + 1, wanted.face);
    cycle_.Throw(wanted.face);
    if (ended_) {
        if (wanted.Moved()) {
            why = std::string(Colour(army)) + " has no move with this throw and loses the turn";
            return false;
        }
    } else if (!wanted.Moved()) {
        why = std::string("the Miss Go was not due: ") + Colour(army) +
              " has a move with a throw of " + std::to_string(wanted.face);
        return false;
    } else if (cycle_.SeatOf(army).Kind() == TSeatKind::Computer) {
        cycle_.MoveBySeat(played_ + 1);
        const TRecordTurn& chosen = recorder_.Turn();
        if (!SquaresEqual(chosen.from, wanted.from) || !SquaresEqual(chosen.to, wanted.to)) {
            why = "the computer playing " + std::string(Colour(army)) + " chooses " +
                  MoveName(chosen.from, chosen.to) + " with this throw, not " +
                  MoveName(wanted.from, wanted.to);
            return false;
        }
    } else {
        SquareRecord move = SquareRecord::At(wanted.to);
        if (!OnBoard(wanted.from.rank, wanted.from.file) ||
            cycle_.HumanMove(wanted.from, move) != TDropResult::Moved) {
            why = "the move " + MoveName(wanted.from, wanted.to) + " is not legal for " +
                  Colour(army) + " with a throw of " + std::to_string(wanted.face);
            return false;
        }
    }
    recorder_.Ended(board);
    made = recorder_.Turn();
    ++played_;
    return true;
}

void SetRecordResult(TGameRecord& record, const TEndOfGameDecision& decision, bool resigned) {
    if (resigned) {
        record.result = TRecordResult::Lose;
        record.reason = TRecordReason::Resigned;
    } else if (decision.GameOver()) {
        record.result = decision.QuestionerWon() ? TRecordResult::Win : TRecordResult::Lose;
        record.reason = ReasonOfEnd(decision.outcome);
    } else {
        record.result = TRecordResult::Unfinished;
        record.reason = TRecordReason::None;
    }
}

}  // namespace vaeloric
