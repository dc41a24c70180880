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
};

// The interrupted games, newest first: files in the folder whose lock no
// running program holds.
std::vector<TInterruptedGame> FindInterruptedGames();

// "Continue the interrupted game: question, board" for the offer.
QString InterruptedGameOffer(const TInterruptedGame& game);

}  // namespace vaeloric
