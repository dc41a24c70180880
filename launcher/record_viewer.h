// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "launch/journal_entry.h"
#include "launch/record_replay.h"
#include "launcher/reading_export.h"
#include "render/pictures/picture_catalogue.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace vaeloric {

// A game's record, stepped through turn by turn in a window of its own: the
// position drawn as the board programs draw it, each turn's throw, move and
// omen, and play at a chosen speed. Read-only: nothing in it changes a game.
class TRecordViewer : public QWidget {
    Q_OBJECT
  public:
    // Takes a record that TRecordReplay::Load accepted.
    TRecordViewer(TRecordReplay replay, const QString& title, QWidget* parent = nullptr);
    ~TRecordViewer() override;

    const TRecordReplay& Replay() const { return replay_; }
    bool Playing() const;
    QString TurnLabel() const;
    QString OmenLabel() const;

    // The buttons' work, for the keys and the tests.
    void First();
    void Previous();
    void Next();
    void Last();
    void SetPlaying(bool playing);
    // Milliseconds a turn while playing.
    int Interval() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ShowTurn(long turn);
    void Update();

    TRecordReplay replay_;
    TPictureCatalogue pictures_;
    QWidget* board_ = nullptr;
    QLabel* turn_ = nullptr;
    QLabel* omen_ = nullptr;
    QListWidget* turns_ = nullptr;
    QPushButton* first_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* last_ = nullptr;
    QPushButton* play_ = nullptr;
    QComboBox* speed_ = nullptr;
    QTimer* timer_ = nullptr;
};

// Writes the record's text as a .vrec file through the one safe writer.
// Returns an empty string, or the one sentence of why nothing was written.
QString SaveRecordFile(const std::string& record, const QString& path,
                       const TReadOnlyQuestion& replaceReadOnly = {});

// "Save the record…": asks for the file and writes it; a failure is said in
// a box over `parent`.
void AskAndSaveRecord(QWidget* parent, const TJournalEntry& entry);

// Opens a viewer for the record's text; a record the reader refuses is said
// in a box over `parent` with the reader's sentence. Returns the viewer, or
// nullptr when none was opened.
TRecordViewer* OpenRecordViewer(QWidget* parent, const std::string& record, const QString& title,
                                QString* refusal = nullptr);
// The same for a journal's reading.
TRecordViewer* ReplayEntry(QWidget* parent, const TJournalEntry& entry, QString* refusal = nullptr);
// The same for a file (`vaeloric FILE.vrec`, "Open a record…").
TRecordViewer* OpenRecordFile(QWidget* parent, const QString& path, QString* refusal = nullptr);
// "Open a record…": asks for the file, then opens it.
void AskAndOpenRecord(QWidget* parent);

// Whether the launcher's argument names a game record rather than a saved
// game: by its extension.
bool IsRecordPath(const QString& path);

inline constexpr const char* kNoRecordText = "No record of this game was kept.";

}  // namespace vaeloric
