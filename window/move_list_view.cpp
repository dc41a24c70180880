// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/move_list_view.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vaeloric {

namespace {

// The armies' colours, darkened where the plain colour is hard to read on
// white.
QColor ArmyColour(std::int32_t army) {
    switch (army) {
        case 1:
            return QColor(190, 20, 20);
        case 2:
            return QColor(20, 20, 20);
        case 3:
            return QColor(150, 120, 0);
        case 4:
            return QColor(20, 60, 200);
        default:
            return QColor(90, 90, 90);
    }
}

}  // namespace

TMoveListView::TMoveListView(TGameController& controller, QWidget* parent)
    : QWidget(parent), list_(controller) {
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    title_ = new QLabel(tr("Moves"), this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    banner_ = new QLabel(this);
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setStyleSheet(QStringLiteral(
        "QLabel { background: #7a1f1f; color: white; font-weight: bold; padding: 6px; }"));
    back_ = new QPushButton(QString::fromUtf8(kBackToGameText), this);
    rows_ = new QListWidget(this);
    rows_->setAccessibleName(tr("Move list"));
    // The board keeps the keyboard until the list is clicked.
    rows_->setFocusPolicy(Qt::ClickFocus);
    back_->setFocusPolicy(Qt::ClickFocus);
    rows_->installEventFilter(this);
    // Long omen names end in an ellipsis; the tooltip has them all.
    rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows_->setTextElideMode(Qt::ElideRight);
    layout->addWidget(title_);
    layout->addWidget(banner_);
    layout->addWidget(back_);
    layout->addWidget(rows_, 1);
    connect(back_, &QPushButton::clicked, this, [this] { ReturnToGame(); });
    connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rebuilding_ && row >= 0) ShowTurn(row);
    });
    UpdateBanner();
}

void TMoveListView::ReturnToGame() {
    list_.BackToGame();
    // The keys play again.
    if (parentWidget() != nullptr && rows_->hasFocus()) parentWidget()->setFocus();
    Refresh();
    UpdateBanner();
    emit ShownChanged();
}

void TMoveListView::Refresh() {
    if (rowsFor_ != list_.TurnCount()) Rebuild();
}

void TMoveListView::Rebuild() {
    rebuilding_ = true;
    rows_->clear();
    rows_->addItem(QString::fromUtf8(kMoveListStartEntry));
    const long last = list_.TurnCount();
    for (const TMoveListEntry& entry : list_.Entries()) {
        QString text = QStringLiteral("%1.  %2  %3")
                           .arg(entry.number)
                           .arg(QString::fromStdString(DieFaceText(entry.face)),
                                QString::fromStdString(entry.move));
        if (entry.hinted) text += QStringLiteral(" (hint)");
        if (!entry.omen.empty()) text += QStringLiteral("  ") + QString::fromStdString(entry.omen);
        auto* item = new QListWidgetItem(text, rows_);
        item->setForeground(ArmyColour(entry.army));
        if (!entry.omenWords.empty()) item->setToolTip(QString::fromStdString(entry.omenWords));
        if (entry.number == last) {
            // The game's current turn.
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            item->setText(QStringLiteral("\u25B6 ") + text);
        }
    }
    rowsFor_ = last;
    rows_->setCurrentRow(static_cast<int>(list_.ShownTurn()));
    rows_->scrollToItem(rows_->currentItem());
    rebuilding_ = false;
}

void TMoveListView::ShowTurn(long turn) {
    if (turn == list_.ShownTurn() || !list_.View(turn)) return;
    UpdateBanner();
    emit ShownChanged();
}

void TMoveListView::UpdateBanner() {
    const bool viewing = list_.Viewing();
    banner_->setText(QString::fromStdString(list_.Banner()));
    banner_->setVisible(viewing);
    back_->setVisible(viewing);
    if (!viewing && rows_->count() > 0) {
        rebuilding_ = true;
        rows_->setCurrentRow(static_cast<int>(list_.ShownTurn()));
        rebuilding_ = false;
    }
}

void TMoveListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && list_.Viewing()) {
        ReturnToGame();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TMoveListView::eventFilter(QObject* watched, QEvent* event) {
    // Escape in the list returns to the game, as the button does.
    if (watched == rows_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && list_.Viewing()) {
        ReturnToGame();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vaeloric
