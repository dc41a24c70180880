// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/running_game_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "flow/running_game.h"

namespace vaeloric {

namespace {

QString LockOf(const QString& gameFile) {
    return gameFile.chopped(4) + QStringLiteral(".lock");
}

}  // namespace

TRunningGameLocks::TRunningGameLocks(TGameSession& game) {
    const QString folder = QString::fromStdString(RunningGamesFolder());
    if (!QDir().mkpath(folder)) return;  // the game is played all the same
    const QString own = QString::fromStdString(
        RunningGameFile(game.boardLetter, QCoreApplication::applicationPid()));
    auto lock = std::make_unique<QLockFile>(LockOf(own));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return;
    locks_.push_back(std::move(lock));
    game.runningPath = own.toStdString();

    if (game.mode != TStartMode::Reload) return;
    if (!game.reloadPath.empty()) {
        // The launcher names an interrupted game: it is taken over, as the
        // offer would.
        const QFileInfo named(QString::fromStdString(game.reloadPath));
        if (named.absolutePath() != QFileInfo(own).absolutePath() || !named.exists()) return;
        auto other = std::make_unique<QLockFile>(LockOf(named.absoluteFilePath()));
        other->setStaleLockTime(0);
        if (!other->tryLock(0)) return;
        locks_.push_back(std::move(other));
        game.interruptedPath = game.reloadPath;
        return;
    }
    // The newest interrupted game of this board whose lock is free: its
    // program is gone.
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QString(QChar(game.boardLetter)) + QStringLiteral("-*.vae")}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        if (file.absoluteFilePath() == QFileInfo(own).absoluteFilePath()) continue;
        // A hosted game is left to the launcher's offer, which hosts it
        // again: continued here, its guests would wait for a host that never
        // comes back.
        if (QFileInfo::exists(
                QString::fromStdString(RunningHostFile(file.absoluteFilePath().toStdString()))))
            continue;
        auto other = std::make_unique<QLockFile>(LockOf(file.absoluteFilePath()));
        other->setStaleLockTime(0);
        if (!other->tryLock(0)) continue;  // its program still runs
        locks_.push_back(std::move(other));
        game.interruptedPath = file.absoluteFilePath().toStdString();
        return;
    }
}

TRunningGameLocks::~TRunningGameLocks() = default;

}  // namespace vaeloric
