// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/network_pages.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "launcher/hosting.h"

namespace vaeloric {

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

TInvitationPanel::TInvitationPanel(QWidget* parent) : QWidget(parent) {
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    hide();
}

void TInvitationPanel::Show(const std::vector<net::TInvitation>& invitations) {
    delete boxes_;
    boxes_ = nullptr;
    setVisible(!invitations.empty());
    if (invitations.empty()) return;
    boxes_ = new QWidget;
    auto* row = new QHBoxLayout(boxes_);
    row->setContentsMargins(0, 0, 0, 0);
    for (const net::TInvitation& invitation : invitations) {
        auto* box = new QGroupBox(QString("Invitation for player %1").arg(invitation.seat));
        auto* text = new QPlainTextEdit(Q(InvitationMessage(invitation)));
        text->setReadOnly(true);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        text->setAccessibleName(QString("Invitation text for player %1").arg(invitation.seat));
        auto* link = new QLineEdit(Q(net::InvitationText(invitation)));
        link->setReadOnly(true);
        link->setAccessibleName(QString("Invitation link for player %1").arg(invitation.seat));
        auto* copyText = new QPushButton("Copy the text");
        auto* copyLink = new QPushButton("Copy the link");
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(copyText);
        buttons->addWidget(copyLink);
        buttons->addStretch();
        auto* column = new QVBoxLayout(box);
        column->addWidget(text, 1);
        column->addWidget(link);
        column->addLayout(buttons);
        connect(copyText, &QPushButton::clicked, text,
                [text] { QApplication::clipboard()->setText(text->toPlainText()); });
        connect(copyLink, &QPushButton::clicked, link,
                [link] { QApplication::clipboard()->setText(link->text()); });
        row->addWidget(box);
    }
    auto* note = new QLabel(
        "Send each invitation to its player: it holds a code for that seat alone. "
        "They open it in Vaeloric Chess with \"Join a game\", or open the link.");
    note->setWordWrap(true);
    auto* whole = new QWidget;
    auto* column = new QVBoxLayout(whole);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(note);
    column->addWidget(boxes_);
    boxes_ = whole;
    layout_->addWidget(boxes_);
}

TJoinDialog::TJoinDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Join a game");
    auto* note = new QLabel(
        "Paste the invitation the host sent you, its text or its link. It opens your "
        "seat's board.");
    note->setWordWrap(true);
    pasted_ = new QPlainTextEdit;
    pasted_->setAccessibleName("Invitation");
    pasted_->setPlaceholderText("vaeloric://…");
    problem_ = new QLabel;
    problem_->setWordWrap(true);
    problem_->setStyleSheet("color: #b00020; font-weight: bold;");
    problem_->setAccessibleName("Problem");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton("Join", QDialogButtonBox::AcceptRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(pasted_, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TJoinDialog::TryJoin);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pasted_, &QPlainTextEdit::textChanged, problem_, [this] { problem_->clear(); });
    resize(560, 300);
}

void TJoinDialog::SetText(const QString& pasted) {
    pasted_->setPlainText(pasted);
}

QString TJoinDialog::Problem() const {
    return problem_->text();
}

bool TJoinDialog::TryJoin() {
    std::string problem;
    if (!ReadInvitation(pasted_->toPlainText().toStdString(), invitation_, problem)) {
        problem_->setText(Q(problem));
        return false;
    }
    accept();
    return true;
}

}  // namespace vaeloric
