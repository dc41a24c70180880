// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/control_panel_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "dialogs/options_layout.h"

namespace vaeloric {

namespace {

const QColor kPanelColour(224, 160, 16);

// The check boxes' own height is too small for a check mark at any font;
// they grow downwards into the gap below them.
constexpr int kCheckBoxHeight = 8;

}  // namespace

TControlPanelDialog::TControlPanelDialog(QWidget* parent) : QFrame(parent) {
    setObjectName(QString::number(kControlPanelResource));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFont(OptionDialogFont(kControlPanelFontPoints));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPanelColour);
    setPalette(colours);
    setAutoFillBackground(true);
    // A click on the panel is the panel's, never a click on the board below.
    setAttribute(Qt::WA_NoMousePropagation);

    for (const TPanelControl& control : kPanelControls) {
        const QString text = QString::fromUtf8(control.text);
        QWidget* widget = nullptr;
        switch (control.kind) {
            case TPanelControlKind::GroupBox:
                widget = new QGroupBox(text, this);
                break;
            case TPanelControlKind::CheckBox: {
                auto* box = new QCheckBox(text, this);
                box->setFocusPolicy(Qt::NoFocus);
                const int command = control.command;
                connect(box, &QCheckBox::clicked, this,
                        [this, command] { emit CommandIssued(command); });
                widget = box;
                break;
            }
            case TPanelControlKind::Button: {
                auto* button = new QPushButton(text, this);
                // The board keeps the keyboard; the panel is worked by mouse.
                button->setFocusPolicy(Qt::NoFocus);
                const int command = control.command;
                connect(button, &QPushButton::clicked, this,
                        [this, command] { emit CommandIssued(command); });
                widget = button;
                break;
            }
        }
        widget->setObjectName(QString::number(control.id));
        widget->setAccessibleName(text);
    }
    setAccessibleName(QStringLiteral("Control panel"));
    SetReadingSwitches(kMoveReadingAtStart, kWholeReadingAtStart);
    SetScale(1.0);
}

void TControlPanelDialog::SetScale(double scale) {
    QFont scaled = OptionDialogFont(kControlPanelFontPoints);
    scaled.setPointSizeF(scaled.pointSizeF() * scale);
    setFont(scaled);
    const TDialogUnits units(font());
    // The check boxes' mark keeps its size while the font shrinks: where
    // their words would be cut, the whole column grows a little wider.
    int wider = 0;
    for (const TPanelControl& control : kPanelControls)
        if (control.kind == TPanelControlKind::CheckBox)
            wider = std::max(
                wider, Control(control.id)->sizeHint().width() -
                           units.Rect(control.x, control.y, control.width, control.height).width());
    for (const TPanelControl& control : kPanelControls) {
        QRect place = units.Rect(control.x, control.y, control.width, control.height);
        if (control.kind == TPanelControlKind::CheckBox) place.setHeight(units.Y(kCheckBoxHeight));
        place.setWidth(place.width() + wider);
        Control(control.id)->setGeometry(place);
    }
    setFixedSize(units.Size(kControlPanelWidth, kControlPanelHeight) + QSize(wider, 0));
    PlaceInParent();
}

QWidget* TControlPanelDialog::Control(int id) const {
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void TControlPanelDialog::SetReadingSwitches(bool moveReading, bool wholeReading) {
    static_cast<QCheckBox*>(Control(1720))->setChecked(moveReading);
    static_cast<QCheckBox*>(Control(1721))->setChecked(wholeReading);
}

void TControlPanelDialog::PlaceInParent() {
    const TDialogUnits units(font());
    move(units.Point(kControlPanelX, kControlPanelY));
}

}  // namespace vaeloric
