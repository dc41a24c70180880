// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <memory>

namespace vaeloric {

class TMMPlayer;

// The window's background music: the media player bound to the main window,
// restarted whenever the piece ends. Every failure is silent.
class TMusic : public QObject {
    Q_OBJECT
  public:
    explicit TMusic(QObject* window);
    ~TMusic() override;

    void Start();  // opens and plays the music file unless it is playing
    void Stop();
    void Close();

  private:
    TMMPlayer* player_;  // owned by the window, as its QObject child
};

}  // namespace vaeloric
