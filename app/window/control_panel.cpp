#include "app/window/control_panel.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vaeloric {

TControlPanel::TControlPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    auto* moveBox = new QCheckBox("Move", this);
    moveBox->setChecked(true);
    auto* whole = new QCheckBox("Whole", this);
    connect(moveBox, &QCheckBox::clicked, this, [this] { emit Command(1757); });
    connect(whole, &QCheckBox::clicked, this, [this] { emit Command(1758); });
    layout->addWidget(moveBox);
    layout->addWidget(whole);
    const std::pair<const char*, int> buttons[] = {
        {"showgod", 1760}, {"square", 1759}, {"boards", 1752}, {"pieces", 1753}, {"color", 1750},
        {"sound", 1751},   {"help", 1754},   {"save", 1756},   {"resign", 1755}};
    for (const auto& [text, command] : buttons) {
        auto* button = new QPushButton(text, this);
        const int id = command;
        connect(button, &QPushButton::clicked, this, [this, id] { emit Command(id); });
        layout->addWidget(button);
    }
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 160, 16));
    setPalette(palette);
    move(2, 170);
    adjustSize();
}

}  // namespace vaeloric
