// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "launch/outcome.h"

namespace vaeloric {

// Runs one board program at a time and reports how it ended. Never blocks:
// the end arrives as a signal from the event loop.
class TBoardRunner : public QObject {
    Q_OBJECT
  public:
    explicit TBoardRunner(QObject* parent = nullptr);
    ~TBoardRunner() override;

    // The board program `name`: from VAELORIC_BOARD_DIR when set, else the
    // launcher's own folder, then the build tree's boards/ beside it; then
    // PATH. Empty when none is found.
    static QString FindProgram(const QString& name);

    // Starts `program` with `arguments`; the answer goes to `analysisPath`
    // (VAELORIC_ANALYSIS_FILE) and the game record to `recordPath`
    // (VAELORIC_RECORD_FILE), empty for none. Returns false when a game is
    // already running; a start failure arrives as Ended with started false.
    // `extraEnvironment` holds NAME=VALUE pairs for this game alone.
    bool Start(const QString& program, const QStringList& arguments, const QString& analysisPath,
               const QString& recordPath = {}, const QStringList& extraEnvironment = {});
    bool Running() const;
    // The running board program's process id, 0 when none runs.
    qint64 ProcessId() const;

    // Asks the running program to close as its window's close box would.
    void RequestClose();

  signals:
    void Ended(vaeloric::TProcessEnd end);

  private:
    void Finish(const TProcessEnd& end);

    QProcess* process_ = nullptr;
    QByteArray errorOutput_;
};

}  // namespace vaeloric
