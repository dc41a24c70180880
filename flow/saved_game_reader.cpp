// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <string>

#include "flow/saved_game.h"
#include "flow/saved_game_format.h"
#include "flow/saved_game_scanner.h"
#include "flow/saved_game_texts.h"
#include "flow/seats.h"
#include "game/square.h"
#include "players/seer.h"

namespace vaeloric {

namespace {

using namespace saved_game;

// Text fields end at a NUL, as the fixed buffers they came from did.
std::string CutText(std::string_view text, std::size_t limit) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    return std::string(text.substr(0, std::min(limit, text.size())));
}

const char* HeaderText(TSection section) {
    for (const THeader& header : kHeaders)
        if (header.section == section) return header.text;
    return "";
}

TSection SectionOf(std::string_view line) {
    for (const THeader& header : kHeaders)
        if (line == header.text) return header.section;
    return TSection::None;
}

class TReader {
  public:
    TReader(std::string_view bytes, char boardLetter, TSavedGame& game)
        : bytes_(bytes), scanner_(bytes), boardLetter_(boardLetter), game_(game) {}

    TLoadResult Run() {
        std::string_view line;
        if (!scanner_.ReadLine(line) || line != kSavedGameFirstLine)
            return Refused(TLoadOutcome::WrongFileType, kWrongFileTypeText);
        if (!scanner_.ReadLine(line)) return Damaged("the file ends before its board letter.");
        const char fileLetter = line.empty() ? '\0' : line.front();
        if (boardLetter_ != kAnyBoard && fileLetter != boardLetter_)
            return Refused(TLoadOutcome::WrongBoard, WrongBoardMessage(fileLetter, boardLetter_));
        if (bytes_.size() > kMaxSavedGameBytes)
            return Damaged("the file is too large to be a saved game.");

        if (!ReadStatus() || !ReadCaption()) return Failed();
        game_.board.SetUp(game_.setUp.ptah, game_.setUp.boardLetter);
        if (!ReadSections() || !CheckBoardRead() || !CheckSeats() || !CheckKings()) return Failed();
        AssignSeats(game_.setUp, game_.board);

        TLoadResult result;
        result.activationsRestored = game_.hasActivations;
        return result;
    }

  private:
    bool ReadStatus() {
        std::string_view line;
        if (!scanner_.ReadLine(line)) return Fail("the file ends before its status line.");
        if (line.size() < 3) return Fail("its status line is too short.");
        const char rank = line[0], file = line[1], letter = line[2];
        if (rank < '1' || rank > '8' || file < '1' || file > '8')
            return Fail("its status line does not name a Ptah square.");
        if (ElementCodeOfLetter(letter) == 0) return Fail("its status line does not name a board.");
        if (boardLetter_ != kAnyBoard && letter != boardLetter_)
            return Fail("its status line names another board than its second line.");
        game_.setUp.ptah = TSquare{rank - '0', file - '0'};
        game_.setUp.boardLetter = letter;
        return true;
    }

    bool ReadCaption() {
        std::string_view line;
        if (!scanner_.ReadLine(line)) return Fail("the file ends before its caption.");
        game_.setUp.caption = CutText(line, kMaxCaptionLength);
        return true;
    }

    // Every line either names a section or is handed to the section named
    // last; the board section closes itself after its 64 squares.
    bool ReadSections() {
        TSection current = TSection::None;
        std::string_view line;
        while (scanner_.ReadLine(line)) {
            const TSection named = SectionOf(line);
            if (named != TSection::None) current = named;
            if (!ActOn(current)) return false;
            if (current == TSection::BoardState) current = TSection::None;
        }
        return true;
    }

    bool ActOn(TSection section) {
        std::string_view line;
        switch (section) {
            case TSection::None:
                return true;
            case TSection::Status:
                return NextLine(section, line);
            case TSection::User:
                if (!NextLine(section, line)) return false;
                game_.setUp.questionerName = CutText(line, kMaxNameLength);
                return true;
            case TSection::User2:
                return ReadSeat(section, 2);
            case TSection::User3:
                return ReadSeat(section, 3);
            case TSection::User4:
                return ReadSeat(section, 4);
            case TSection::Analysis:
                return ReadActivations();
            case TSection::NextPlayer:
                if (!NextLine(section, line)) return false;
                for (int army = 1; army <= 4; ++army)
                    if (line == kColourWords[army]) game_.board.armyToMove = army;
                return true;
            case TSection::Checkmate:
                for (int army = 1; army <= 4; ++army) {
                    if (!NextLine(section, line)) return false;
                    game_.checkmated[army] =
                        line == std::string(kColourWords[army]) + "=false" ? 0 : 1;
                }
                return true;
            case TSection::OnPtah:
                if (!NextLine(section, line)) return false;
                game_.ptahReached = line == "YES";
                return true;
            case TSection::BoardState:
                return ReadBoard();
        }
        return true;
    }

    bool NextLine(TSection section, std::string_view& line) {
        if (scanner_.ReadLine(line)) return true;
        return Fail(std::string("the file ends in the middle of its ") + HeaderText(section) +
                    " section.");
    }

    bool ReadSeat(TSection section, int seat) {
        std::string_view line;
        if (!NextLine(section, line)) return false;
        if (line.empty()) return true;
        if (line.front() == 'h') {
            game_.setUp.seatCode[seat] = Human;
            game_.setUp.seatName[seat] = CutText(line.substr(1), kMaxNameLength);
        } else if (const std::int32_t code = PlayerCodeOfLetter(line.front()); code >= 2) {
            game_.setUp.seatCode[seat] = code;
        }
        return true;
    }

    bool ReadActivations() {
        for (float& activation : game_.gameActivation) {
            float value = 0.0f;
            if (!scanner_.ReadFloat(value)) {
                if (scanner_.AtEnd())
                    return Fail("the file ends in the middle of its [ANALYSIS] section.");
                return Fail("a line of its [ANALYSIS] section is not a number.");
            }
            if (value < kMinStoredActivation - kActivationSlack ||
                value > kMaxStoredActivation + kActivationSlack)
                return Fail("an activation in its [ANALYSIS] section is out of range.");
            activation = std::clamp(value, kMinStoredActivation, kMaxStoredActivation);
            scanner_.SkipLine();
        }
        game_.hasActivations = true;
        return true;
    }

    bool ReadBoard() {
        for (int rank = 8; rank >= 1; --rank) {
            for (int file = 1; file <= 8; ++file) {
                const std::string square = SquareName(TSquare{rank, file});
                std::int32_t value = 0;
                if (!scanner_.ReadInt(value)) {
                    if (scanner_.AtEnd())
                        return Fail("the file ends in the middle of its [BOARDSTATE] section.");
                    return Fail("the value of square " + square +
                                " is not a whole number of 32 bits.");
                }
                std::string_view cell;
                if (!scanner_.ReadLine(cell))
                    return Fail("the file ends in the middle of its [BOARDSTATE] section.");
                if (cell == kEmptyCell) {
                    game_.board.PutPiece(rank, file, TPiece{});
                    continue;
                }
                const std::int32_t army =
                    cell.size() == 3 && cell[0] == '|' ? ArmyOfLetter(cell[1]) : 0;
                const std::int32_t kind = army != 0 ? KindOfLetter(cell[2]) : 0;
                if (kind == 0) return Fail("square " + square + " holds no known piece.");
                if (value < -kMaxPieceValue || value > kMaxPieceValue)
                    return Fail("the value of the piece on " + square + " is out of range.");
                TPiece piece;
                piece.kind = kind;
                piece.army = army;
                piece.ally = AllyOf(army);
                piece.playerCode = game_.board.GetPlayerCode(army);
                piece.value = value;
                game_.board.PutPiece(rank, file, piece);
            }
        }
        boardRead_ = true;
        return true;
    }

    // A file cut short may still hold every section before its board; the
    // board set up from the status would then pass for the saved one.
    bool CheckBoardRead() {
        return boardRead_ || Fail("the file ends before its [BOARDSTATE] section.");
    }

    // Every seat needs a player: there is no computer opponent for code 0.
    bool CheckSeats() {
        for (int seat = 2; seat <= 4; ++seat) {
            const std::int32_t code = game_.setUp.seatCode[seat];
            if (code < 1 || code > kSeerCode)
                return Fail("seat " + std::to_string(seat) + " has no valid player.");
        }
        return true;
    }

    // The rules assume one King per army everywhere: check, checkmate, the
    // Ptah test and the computer players.
    bool CheckKings() {
        int kings[5] = {0, 0, 0, 0, 0};
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) {
                const TPiece& piece = game_.board.At(rank, file);
                if ((piece.kind == King || piece.kind == CombinedKing) && piece.army >= 1 &&
                    piece.army <= 4)
                    ++kings[piece.army];
            }
        for (int army = 1; army <= 4; ++army) {
            if (kings[army] == 0)
                return Fail(std::string("the ") + kColourWords[army] + " army has no King.");
            if (kings[army] > 1)
                return Fail(std::string("the ") + kColourWords[army] +
                            " army has more than one King.");
        }
        return true;
    }

    bool Fail(std::string reason) {
        reason_ = std::move(reason);
        return false;
    }

    TLoadResult Failed() { return Damaged(reason_); }

    TLoadResult Damaged(const std::string& reason) {
        return Refused(TLoadOutcome::Damaged, kDamagedFileStart + reason);
    }

    static TLoadResult Refused(TLoadOutcome outcome, std::string message) {
        TLoadResult result;
        result.outcome = outcome;
        result.message = std::move(message);
        result.title = kIncorrectFileTitle;
        return result;
    }

    std::string_view bytes_;
    TScanner scanner_;
    char boardLetter_;
    TSavedGame& game_;
    std::string reason_;
    bool boardRead_ = false;
};

}  // namespace

std::string WrongBoardMessage(char fileLetter, char programLetter) {
    return std::string(kWrongBoardStart) + BoardName(fileLetter) + kWrongBoardMiddle +
           BoardNameLong(programLetter);
}

TLoadResult ParseSavedGame(std::string_view bytes, char boardLetter, TSavedGame& game) {
    game = TSavedGame{};
    return TReader(bytes, boardLetter, game).Run();
}

}  // namespace vaeloric
