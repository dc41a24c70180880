// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/interrupted_games.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "flow/running_game.h"
#include "flow/setup_record.h"

namespace vaeloric {

std::vector<TInterruptedGame> FindInterruptedGames() {
    std::vector<TInterruptedGame> games;
    const QDir folder(QString::fromStdString(RunningGamesFolder()));
    for (const QFileInfo& file :
         folder.entryInfoList({QStringLiteral("?-*.vae")}, QDir::Files, QDir::Time)) {
        // Its program still runs while it holds the lock; a stale lock is
        // taken only to look, and left for the board program to take.
        QLockFile lock(file.absoluteFilePath().chopped(4) + QStringLiteral(".lock"));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        lock.unlock();
        const char letter = file.fileName().at(0).toLatin1();
        TKeptGame kept;
        if (!ReadKeptGame(file.absoluteFilePath().toStdString(), letter, kept)) continue;
        games.push_back({file.absoluteFilePath(), QString::fromStdString(kept.question),
                         QString::fromUtf8(BoardName(letter)).trimmed(), kept.turn, letter});
    }
    return games;
}

QString InterruptedGameOffer(const TInterruptedGame& game) {
    TKeptGame kept;
    kept.question = game.question.toStdString();
    kept.boardLetter = game.boardLetter;
    kept.turn = game.turn;
    return QString::fromStdString(InterruptedGameOffer(kept));
}

}  // namespace vaeloric
