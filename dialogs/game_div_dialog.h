// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QScrollBar;

namespace vaeloric {

// Shows one reading (the whole game's or the last move's) with a caption, a
// read-only text area and a scroll bar that moves the text by whole lines.
class TGameDivDialog : public QDialog {
    Q_OBJECT
  public:
    // The text is kept up to 3000 characters, the caption up to 60.
    TGameDivDialog(QWidget* parent, const std::string& text, const std::string& caption);

    // For tests and the window: the shown text and the scroll bar.
    QString ShownText() const;
    QScrollBar* ScrollBar() const { return scrollBar_; }

  private:
    void Scrolled(int position);

    std::string text_;
    std::string caption_;
    QLabel* textArea_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
};

}  // namespace vaeloric
