#pragma once

#include <QObject>

namespace vaeloric {

// The window's background music: the media player bound to the main window.
// Every failure is silent.
class TMusic : public QObject {
    Q_OBJECT
public:
    explicit TMusic(QObject* parent);
    ~TMusic() override;

    void Start();  // opens and plays the music file unless it is playing
    void Stop();
    void Close();
    bool Playing() const { return playing_; }

private:
    bool playing_ = false;
};

}  // namespace vaeloric
