// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/game_div_dialog.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "dialogs/options_layout.h"
#include "dialogs/reading_scroll.h"
#include "flow/setup_record.h"
#include "reading/reading_record.h"

namespace vaeloric {

namespace {
// The dialog is laid out in pixels: about 1.75 x 1.875 pixels to a dialog
// unit of a 10-point serif font.
constexpr int kWidth = 402;
constexpr int kHeight = 381;
constexpr QRect kTextArea{3, 13, 380, 305};
constexpr QRect kScrollBar{383, 13, 13, 305};
constexpr QRect kOkButton{168, 337, 65, 34};
constexpr int kTopShadeY = 4;
constexpr int kBottomShadeY = 330;
const QColor kBackground(224, 160, 16);

QFont ReadingFont() {
    QFont font;
    font.setFamilies({"Liberation Serif", "Times New Roman", "DejaVu Serif"});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(14);
    return font;
}

void AddShadeLine(QWidget* parent, int x, int y, int width) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, y - 1, width, 3);
}
}  // namespace

TGameDivDialog::TGameDivDialog(QWidget* parent, const std::string& text, const std::string& caption)
    : QDialog(parent), text_(text.substr(0, kMaxReadingText)), caption_(caption) {
    CutAtCharacter(caption_, kMaxReadingCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // Wider when the caption needs it, the contents kept in the middle.
    const int width = std::max(kWidth, CaptionWidth(QString::fromStdString(caption_)));
    const int offset = (width - kWidth) / 2;
    setFixedSize(width, kHeight);
    setFont(ReadingFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    AddShadeLine(this, 7, kTopShadeY, width - 14);
    AddShadeLine(this, 5, kBottomShadeY, width - 10);

    textArea_ = new QLabel(QString::fromStdString(text_), this);
    textArea_->setGeometry(kTextArea.translated(offset, 0));
    textArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textArea_->setWordWrap(true);
    textArea_->setTextFormat(Qt::PlainText);
    textArea_->setContentsMargins(4, 2, 8, 2);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName("1760");
    scrollBar_->setGeometry(kScrollBar.translated(offset, 0));
    scrollBar_->setRange(0, ReadingScrollMax(text_));
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(1);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &TGameDivDialog::Scrolled);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("1");
    ok->setGeometry(kOkButton.translated(offset, 0));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(QString::fromStdString(caption_));
}

QString TGameDivDialog::ShownText() const {
    return textArea_->text();
}

void TGameDivDialog::Scrolled(int position) {
    textArea_->setText(QString::fromStdString(ReadingTextFrom(text_, position)));
}

}  // namespace vaeloric
