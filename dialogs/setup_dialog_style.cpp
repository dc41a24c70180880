// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/setup_dialog_style.h"

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/options_layout.h"

namespace vaeloric {

namespace {
QIcon TickIcon() {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(3, 11);
    tick.lineTo(8, 16);
    tick.lineTo(17, 4);
    painter.setPen(QPen(QColor(0, 140, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return QIcon(pixmap);
}
}  // namespace

QPushButton* MakeSetupOkButton(QDialog* dialog) {
    auto* button = new QPushButton(TickIcon(), "OK", dialog);
    button->setObjectName(ControlName(1));
    button->setDefault(true);
    button->setMinimumSize(76, 30);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

void FixDialogFrame(QDialog* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    if (dialog->layout()) dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
    FitToTitle(dialog);
}

void FitToTitle(QWidget* window) {
    const int wanted = CaptionWidth(window->windowTitle());
    if (auto* column = qobject_cast<QBoxLayout*>(window->layout())) {
        if (column->direction() == QBoxLayout::TopToBottom) {
            column->addStrut(wanted);
            return;
        }
    }
    if (auto* grid = qobject_cast<QGridLayout*>(window->layout())) {
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
        return;
    }
    window->setMinimumWidth(std::max(window->minimumWidth(), wanted));
}

QGroupBox* MakeSetupGroup(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setFlat(false);
    return group;
}

void ShowPlainMessage(QWidget* parent, const char* title, const char* text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title), QString::fromUtf8(text),
                    QMessageBox::Ok, parent);
    FitToTitle(&box);
    box.exec();
}

QString ControlName(int id) {
    return QString::number(id);
}

}  // namespace vaeloric
