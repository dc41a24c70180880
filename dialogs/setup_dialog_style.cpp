#include "dialogs/setup_dialog_style.h"

#include <QDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

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

QGroupBox* MakeSetupGroup(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setFlat(false);
    return group;
}

void ShowPlainMessage(QWidget* parent, const char* title, const char* text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title), QString::fromUtf8(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

QString ControlName(int id) {
    return QString::number(id);
}

}  // namespace vaeloric
