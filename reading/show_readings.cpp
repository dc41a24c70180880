// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/show_readings.h"

#include "reading/move_reading.h"

namespace vaeloric {

namespace {

bool MoverIsQuestioner(const TBoard& board) {
    return board.armyToMove == board.questionerArmy;
}

std::string Limited(const std::string& text, std::size_t limit) {
    return text.size() > limit ? text.substr(0, limit) : text;
}

}  // namespace

std::string WholeGameCaption(int questionerArmy, int companionKind) {
    // These element names follow the caption's own order, not the armies'
    // elements that the readings use (there army 2 is Earth, 4 Water).
    constexpr const char* kElement[5] = {"", "Fire", "Water", "Air", "Earth"};
    std::string caption = "Whole game analysis - (Significator : ";
    if (questionerArmy >= 1 && questionerArmy <= 4) caption += kElement[questionerArmy];
    switch (companionKind) {
        case Queen:
            caption += " Queen";
            break;
        case Horse:
            caption += " Horse";
            break;
        case Rook:
            caption += " Rook";
            break;
        case Bishop:
            caption += " Bishop";
            break;
        default:
            break;
    }
    caption += " )";
    return Limited(caption, kMaxReadingCaption);
}

void RunWholeGamePass(TReadingRecord& record, const TBoard& board, int rank, int file) {
    ReadMove(record, board.elementCode, rank, file, board.At(rank, file), MoverIsQuestioner(board),
             false);
}

void ShowReadings(TReadingRecord& record, const TBoard& board, int rank, int file,
                  const TReadingSwitches& switches, TReadingDisplay& display) {
    {
        TWaitCursor wait(display);
        RunWholeGamePass(record, board, rank, file);
    }
    if (switches.whole)
        display.ShowReading(WholeGameCaption(board.questionerArmy, board.CompanionKind()),
                            Limited(record.gameText, kMaxReadingText));
    if (switches.move) {
        {
            TWaitCursor wait(display);
            ReadMove(record, board.elementCode, rank, file, board.At(rank, file),
                     MoverIsQuestioner(board), true);
        }
        display.ShowReading(kMoveReadingCaption, Limited(record.moveText, kMaxReadingText));
    }
}

bool ReadSquareAsLastMove(TReadingRecord& record, const TBoard& board, int rank, int file) {
    const TPiece& piece = board.At(rank, file);
    if (piece.kind == Empty) return false;
    const bool questioner = piece.army == board.questionerArmy;
    ReadMove(record, board.elementCode, rank, file, piece, questioner, false);
    ReadMove(record, board.elementCode, rank, file, piece, questioner, true);
    return true;
}

}  // namespace vaeloric
