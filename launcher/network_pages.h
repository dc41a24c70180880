// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QWidget>
#include <vector>

#include "net/invitation.h"

class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

namespace vaeloric {

// The invitations of a hosted game, one box per seat played from another
// screen: the text to send and the same as a link, each with a copy button.
class TInvitationPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TInvitationPanel(QWidget* parent = nullptr);
    // No invitations hides the panel.
    void Show(const std::vector<net::TInvitation>& invitations);

  private:
    QWidget* boxes_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};

// "Join a game": the guest pastes the invitation (its text or its link);
// a bad one is refused with its sentence and the dialog stays.
class TJoinDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TJoinDialog(QWidget* parent = nullptr);
    void SetText(const QString& pasted);
    // The sentence shown, empty when none.
    QString Problem() const;
    const net::TInvitation& Invitation() const { return invitation_; }
    // Reads what was pasted: true (and the dialog accepted) for a good
    // invitation, else its sentence shows.
    bool TryJoin();

  private:
    QPlainTextEdit* pasted_ = nullptr;
    QLabel* problem_ = nullptr;
    net::TInvitation invitation_;
};

}  // namespace vaeloric
