// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/board_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace vaeloric {

namespace {
// Enough for a sentence or two; a chatty program cannot fill our memory.
constexpr qsizetype kMaxErrorOutput = 4096;
}  // namespace

TBoardRunner::TBoardRunner(QObject* parent) : QObject(parent) {
    qRegisterMetaType<vaeloric::TProcessEnd>("vaeloric::TProcessEnd");
}

TBoardRunner::~TBoardRunner() {
    // The board program is a game of its own: it keeps running if we close.
    if (process_ != nullptr) {
        process_->disconnect(this);
        process_->setParent(nullptr);
    }
}

QString TBoardRunner::FindProgram(const QString& name) {
    QStringList folders;
    const QString own = QCoreApplication::applicationDirPath();
    if (const QString dir = qEnvironmentVariable("VAELORIC_BOARD_DIR"); !dir.isEmpty())
        folders << dir;
    else
        folders << own << own + "/../boards";
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile() && file.isExecutable()) return file.canonicalFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

bool TBoardRunner::Running() const {
    return process_ != nullptr;
}

qint64 TBoardRunner::ProcessId() const {
    return process_ != nullptr ? process_->processId() : 0;
}

bool TBoardRunner::Start(const QString& program, const QStringList& arguments,
                         const QString& analysisPath, const QString& recordPath,
                         const QStringList& extraEnvironment) {
    if (process_ != nullptr) return false;
    errorOutput_.clear();
    process_ = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!analysisPath.isEmpty()) environment.insert("VAELORIC_ANALYSIS_FILE", analysisPath);
    // A record chosen by an outer launcher must not leak into a game it does
    // not keep.
    environment.remove("VAELORIC_RECORD_FILE");
    if (!recordPath.isEmpty()) environment.insert("VAELORIC_RECORD_FILE", recordPath);
    // Nor may the seats of another launcher's network game.
    environment.remove("VAELORIC_HOSTED_SEATS");
    environment.remove("VAELORIC_GUEST_INVITATION");
    for (const QString& pair : extraEnvironment)
        environment.insert(pair.section('=', 0, 0), pair.section('=', 1));
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->setStandardOutputFile(QProcess::nullDevice());
    connect(process_, &QProcess::readyReadStandardError, this, [this] {
        const QByteArray more = process_->readAllStandardError();
        errorOutput_ += more.left(std::max<qsizetype>(0, kMaxErrorOutput - errorOutput_.size()));
    });
    connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        errorOutput_ += process_->readAllStandardError().left(
            std::max<qsizetype>(0, kMaxErrorOutput - errorOutput_.size()));
        TProcessEnd end;
        end.crashed = status == QProcess::CrashExit;
        end.exitStatus = code;
        end.errorOutput = QString::fromUtf8(errorOutput_).trimmed().toStdString();
        Finish(end);
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        TProcessEnd end;
        end.started = false;
        end.errorOutput = process_->errorString().toStdString();
        Finish(end);
    });
    process_->start(program, arguments);
    return true;
}

void TBoardRunner::RequestClose() {
    if (process_ != nullptr) process_->terminate();
}

void TBoardRunner::Finish(const TProcessEnd& end) {
    QProcess* done = process_;
    process_ = nullptr;
    done->disconnect(this);
    done->deleteLater();
    emit Ended(end);
}

}  // namespace vaeloric
