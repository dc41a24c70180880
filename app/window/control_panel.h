#pragma once

#include <QWidget>

namespace vaeloric {

// The column of control buttons inside the main window; each button sends
// the window its command (1750..1760).
class TControlPanel : public QWidget {
    Q_OBJECT
public:
    explicit TControlPanel(QWidget* parent);

signals:
    void Command(int command);
};

}  // namespace vaeloric
