// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/journal_page.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "launcher/journal_store.h"
#include "launcher/reading_export.h"
#include "launcher/record_viewer.h"

namespace vaeloric {

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

TJournalPage::TJournalPage(TJournalStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    auto* title = new QLabel("<h2>Journal</h2>");
    search_ = new QLineEdit;
    search_->setPlaceholderText("Search the questions and answers");
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName("Search");
    list_ = new QListWidget;
    list_->setAlternatingRowColors(true);
    list_->setWordWrap(true);
    message_ = new QLabel;
    message_->setWordWrap(true);

    auto* open = new QPushButton("Open");
    auto* remove = new QPushButton("Delete…");
    auto* exportAll = new QPushButton("Export all…");
    auto* replay = new QPushButton("Replay the game");
    auto* saveRecord = new QPushButton("Save the record…");
    auto* openRecord = new QPushButton("Open a record…");
    auto* back = new QPushButton("Back");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(replay);
    buttons->addWidget(saveRecord);
    buttons->addWidget(remove);
    buttons->addWidget(exportAll);
    buttons->addWidget(openRecord);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addWidget(message_);
    layout->addLayout(buttons);

    connect(search_, &QLineEdit::textChanged, this, &TJournalPage::Filter);
    connect(list_, &QListWidget::itemActivated, this, [this] {
        if (const TJournalEntry* entry = Selected()) emit OpenRequested(*entry);
    });
    connect(open, &QPushButton::clicked, this, [this] {
        if (const TJournalEntry* entry = Selected()) emit OpenRequested(*entry);
    });
    connect(replay, &QPushButton::clicked, this, [this] {
        if (const TJournalEntry* entry = Selected()) ReplayEntry(this, *entry);
    });
    connect(saveRecord, &QPushButton::clicked, this, [this] {
        if (const TJournalEntry* entry = Selected()) AskAndSaveRecord(this, *entry);
    });
    connect(openRecord, &QPushButton::clicked, this, [this] { AskAndOpenRecord(this); });
    connect(remove, &QPushButton::clicked, this, &TJournalPage::DeleteSelected);
    connect(exportAll, &QPushButton::clicked, this, &TJournalPage::Export);
    connect(back, &QPushButton::clicked, this, &TJournalPage::BackRequested);
}

void TJournalPage::SetMessage(const QString& text) {
    message_->setText(text);
}

void TJournalPage::Reload() {
    entries_ = store_.List();
    Filter();
}

int TJournalPage::ShownCount() const {
    return list_->count();
}

void TJournalPage::Filter() {
    list_->clear();
    const std::string query = search_->text().toStdString();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const TJournalEntry& entry = entries_[i];
        if (!EntryMatches(entry, query)) continue;
        auto* item = new QListWidgetItem(QString("%1 — %2\n%3 · %4 board · Ptah %5")
                                             .arg(Q(entry.askedAt), Q(entry.question),
                                                  Q(OutcomeHeadline(entry.outcome)),
                                                  Q(entry.element), Q(entry.ptahSquare)));
        item->setData(Qt::UserRole, static_cast<qulonglong>(i));
        list_->addItem(item);
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
    if (entries_.empty())
        SetMessage("No questions asked yet.");
    else if (list_->count() == 0)
        SetMessage("No reading matches the search.");
    else
        SetMessage(QString("%1 of %2 readings.").arg(list_->count()).arg(entries_.size()));
}

const TJournalEntry* TJournalPage::Selected() const {
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr) return nullptr;
    const auto index = item->data(Qt::UserRole).toULongLong();
    return index < entries_.size() ? &entries_[index] : nullptr;
}

void TJournalPage::DeleteSelected() {
    const TJournalEntry* entry = Selected();
    if (entry == nullptr) return;
    const auto answer = QMessageBox::question(this, "Delete reading",
                                              "Delete the reading of “" + Q(entry->question) +
                                                  "” from the journal? This cannot be undone.");
    if (answer != QMessageBox::Yes) return;
    if (!store_.Remove(entry->id)) SetMessage("The reading could not be deleted.");
    Reload();
}

void TJournalPage::Export() {
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        this, "Export the journal",
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/journal.md",
        "Markdown (*.md);;CSV (*.csv)", &filter);
    if (path.isEmpty()) return;
    const std::vector<TJournalEntry> all = store_.List();
    const bool csv = path.endsWith(".csv", Qt::CaseInsensitive) || filter.startsWith("CSV");
    const std::string bytes = csv ? ExportCsv(all) : ExportMarkdown(all);
    const QString problem =
        SaveWholeFile(path, QByteArray::fromStdString(bytes), AskReadOnly(this));
    SetMessage(problem.isEmpty() ? QString("%1 readings exported to %2.").arg(all.size()).arg(path)
                                 : problem);
}

}  // namespace vaeloric
