// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/piece_info_dialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "dialogs/options_layout.h"
#include "game/board.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

namespace {

// The pictures' places are given in pixels of the classic dialog font
// (6 by 13 pixel dialog base units); they scale with the font in use.
constexpr QPoint kLargePicturePixel(10, 6);
constexpr QPoint kSmallPicturePixel(25, 103);
constexpr int kClassicBaseWidth = 6, kClassicBaseHeight = 13;

QPlainTextEdit* MakeReadOnlyEdit(QWidget* parent, int id, QRect place) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setReadOnly(true);
    edit->setFrameStyle(QFrame::Box | QFrame::Plain);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit->document()->setDocumentMargin(1);
    edit->setGeometry(place);
    return edit;
}

QFrame* MakePictureFrame(QWidget* parent, int id, QRect place) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::number(id));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

}  // namespace

TPieceInfoDialog::TPieceInfoDialog(QWidget* parent, int elementCode,
                                   const TPictureCatalogue& pictures)
    : QDialog(parent) {
    setObjectName(QString::number(kPieceInfoResource));
    setWindowTitle(QString::fromUtf8(kPieceInfoCaption));
    UseDialogFrame(this);
    setFont(OptionDialogFont(kPieceInfoFontPoints));
    const TDialogUnits units(font());

    if (elementCode == ElementCodeOfLetter(pictures.BoardLetter())) {
        for (int i = 0; i < 6; ++i) {
            large[i] = pictures.Picture(kPieceInfos[i].largePicture);
            small[i] = pictures.Picture(SmallPictureOf(kPieceInfos[i], elementCode));
        }
    }

    // Frames first, so that what lies on them is drawn over them.
    MakePictureFrame(this, kLargePictureFrameId, units.Rect(4, 2, 59, 55));
    MakePictureFrame(this, kSmallPictureFrameId, units.Rect(12, 60, 43, 36));
    auto* information = new QGroupBox(QString::fromUtf8(kPieceInfoFrameText), this);
    information->setObjectName(QString::number(kInformationFrameId));
    information->setGeometry(units.Rect(8, 98, 107, 74));

    largeLabel = new QLabel(this);
    smallLabel = new QLabel(this);
    for (QLabel* label : {largeLabel, smallLabel}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->hide();
    }

    auto* kinds = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kPieceInfos[i].label), this);
        radio->setObjectName(QString::number(kPieceInfos[i].radioId));
        radio->setGeometry(units.Rect(66, 8 + 13 * i, 40, 10));
        kinds->addButton(radio, i);
    }
    // Whether by mouse or by the arrow keys, the piece that becomes selected.
    connect(kinds, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) ShowPiece(id);
    });

    // The description takes eight units from the tall OK button, so that the
    // longest text (five lines in the free fonts) shows without scrolling.
    description = MakeReadOnlyEdit(this, kDescriptionId, units.Rect(10, 110, 103, 44));
    description->setPlainText(QString::fromUtf8(kPieceInfoPrompt));
    dieValue = MakeReadOnlyEdit(this, kDieValueId, units.Rect(10, 156, 103, 14));
    dieValue->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(1));
    ok->setDefault(true);
    ok->setGeometry(units.Rect(40, 174, 43, 17));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // A title bar wider than the dialog would cut its caption short: widen
    // the dialog and keep the controls in its middle.
    const QSize size = units.Size(kPieceInfoWidth, kPieceInfoHeight);
    const int width = std::max(size.width(), CaptionWidth(windowTitle()));
    contentOffset = (width - size.width()) / 2;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->move(child->pos() + QPoint(contentOffset, 0));
    }
    setFixedSize(width, size.height());
}

void TPieceInfoDialog::PlacePicture(QLabel* label, const QPixmap& picture, QPoint standardPixel,
                                    int frameId) {
    if (picture.isNull()) {
        label->hide();
        return;
    }
    const TDialogUnits units(font());
    const QPoint place(contentOffset + standardPixel.x() * units.BaseWidth() / kClassicBaseWidth,
                       standardPixel.y() * units.BaseHeight() / kClassicBaseHeight);
    // The picture at its own size, but never over the frame's edge: with a
    // smaller font the frame shrinks, so the picture moves back inside it
    // and is cut only when it is larger than the frame.
    const QWidget* frame = findChild<QWidget*>(QString::number(frameId));
    const QRect inside = frame->geometry().adjusted(2, 2, -2, -2);
    QRect area(place, picture.deviceIndependentSize().toSize());
    area.moveRight(std::min(area.right(), inside.right()));
    area.moveBottom(std::min(area.bottom(), inside.bottom()));
    area.moveLeft(std::max(area.left(), inside.left()));
    area.moveTop(std::max(area.top(), inside.top()));
    label->setPixmap(picture);
    label->setGeometry(area.intersected(inside));
    label->show();
    label->raise();
}

void TPieceInfoDialog::ShowPiece(int index) {
    if (index < 0 || index >= 6) return;
    shownPiece = index;
    description->setPlainText(QString::fromUtf8(kPieceInfos[index].description));
    dieValue->setPlainText(QString::fromUtf8(kPieceInfos[index].dieValue));
    PlacePicture(largeLabel, large[index], kLargePicturePixel, kLargePictureFrameId);
    PlacePicture(smallLabel, small[index], kSmallPicturePixel, kSmallPictureFrameId);
}

void RunPieceInfoDialog(QWidget* parent, int elementCode, const TPictureCatalogue& pictures) {
    TPieceInfoDialog dialog(parent, elementCode, pictures);
    dialog.exec();
}

}  // namespace vaeloric
