// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <vector>

namespace vaeloric {

// A game whose board program was killed or crashed, kept in the running
// games' folder.
struct TInterruptedGame {
    QString path;
    QString question;
    QString board;  // "Water", ...
    long turn = 0;  // the turn it goes on with; 0 when its record is lost
    char boardLetter = 'W';
};

// The interrupted games, newest first: files in the folder whose lock no
// running program holds.
std::vector<TInterruptedGame> FindInterruptedGames();

// "Continue the interrupted game: question, Water board, turn N" for the
// offer.
QString InterruptedGameOffer(const TInterruptedGame& game);

}  // namespace vaeloric
