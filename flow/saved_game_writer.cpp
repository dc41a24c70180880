// SPDX-License-Identifier: GPL-3.0-or-later

#include <charconv>
#include <string>

#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/saved_game_format.h"
#include "flow/saved_game_texts.h"
#include "players/seer.h"

namespace vaeloric {

namespace {

using namespace saved_game;

class TLineWriter {
  public:
    void Line(std::string_view text) {
        // A line break inside a name or the question would shift every
        // later line of the file; NUL would cut it short when read back.
        for (char c : text) out_ += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
        out_ += "\r\n";
    }

    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

void WriteSeatLine(TLineWriter& writer, const TSetUpRecord& setUp, int seat) {
    const std::int32_t code = setUp.seatCode[seat];
    if (code == Human)
        writer.Line("h" + setUp.seatName[seat]);
    else if (IsAnyComputerCode(code))
        writer.Line(std::string(1, LetterOfPlayerCode(code)));
    // Any other code has no line at all.
}

std::string CellLine(const TPiece& piece) {
    std::string line = std::to_string(piece.value);
    if (piece.kind == Empty) return line + kEmptyCell;
    if (piece.army < 1 || piece.army > 4) return line;
    line += '|';
    line += kArmyLetters[piece.army];
    if (piece.kind >= 1 && piece.kind <= 10) line += kKindLetters[piece.kind];
    return line;
}

}  // namespace

// As a stream prints a float by default: 6 significant digits, %g style.
// to_chars keeps it independent of the C locale a GUI may have set.
std::string ActivationText(float value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::string FormatSavedGame(char boardLetter, const TBoard& board, const TSetUpRecord& setUp,
                            const TTurnState& turn, const TReadingRecord& reading) {
    TLineWriter writer;
    writer.Line(kSavedGameFirstLine);
    writer.Line(std::string(1, boardLetter));

    // Ptah rank and file digits and the board letter run straight into the
    // Questioner's name; an unset part ends the line early.
    std::string statusLine;
    if (OnBoard(setUp.ptah.rank, setUp.ptah.file)) {
        statusLine += static_cast<char>('0' + setUp.ptah.rank);
        statusLine += static_cast<char>('0' + setUp.ptah.file);
        if (setUp.boardLetter != '\0') {
            statusLine += setUp.boardLetter;
            statusLine += setUp.questionerName;
        }
    }
    writer.Line(statusLine);

    writer.Line(setUp.caption);
    writer.Line(kSavedGameNoEditLine);
    writer.Line(kSavedGameVersionLine);
    writer.Line("[STATUS]");
    writer.Line("");
    writer.Line("[USER]");
    writer.Line(setUp.questionerName);
    writer.Line("[USER2]");
    WriteSeatLine(writer, setUp, 2);
    writer.Line("[USER3]");
    WriteSeatLine(writer, setUp, 3);
    writer.Line("[USER4]");
    WriteSeatLine(writer, setUp, 4);

    writer.Line("[ANALYSIS]");
    for (float activation : reading.gameActivation) writer.Line(ActivationText(activation));

    writer.Line("[NEXTPLAYER]");
    const std::int32_t army = board.armyToMove;
    writer.Line(army >= 1 && army <= 4 ? kColourWords[army] : "");

    writer.Line("[CHECKMATE]");
    for (int a = 1; a <= 4; ++a)
        writer.Line(std::string(kColourWords[a]) + (turn.checkmated[a] == 1 ? "=true" : "=false"));

    writer.Line("[ONPTAH]");
    writer.Line(turn.ptahReached ? "YES" : "NO");

    writer.Line("[BOARDSTATE]");
    for (int rank = 8; rank >= 1; --rank)
        for (int file = 1; file <= 8; ++file) writer.Line(CellLine(board.At(rank, file)));
    return writer.Take();
}

TSaveResult WriteSavedGame(const std::string& path, char boardLetter, const TBoard& board,
                           const TSetUpRecord& setUp, const TTurnState& turn,
                           const TReadingRecord& reading) {
    TSaveResult result;
    const TFileOutcome written =
        WriteFileSafely(path, FormatSavedGame(boardLetter, board, setUp, turn, reading));
    result.saved = written == TFileOutcome::Done;
    // A file kept on purpose is named as such; any other failure is the
    // board programs' own message.
    if (written == TFileOutcome::ReadOnly || written == TFileOutcome::UnsafeLink)
        result.message = WriteProblemSentence(path, written);
    else if (!result.saved)
        result.message = kCannotSaveText;
    return result;
}

}  // namespace vaeloric
