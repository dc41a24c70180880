// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <memory>

#include "flow/window_layer.h"

namespace vaeloric {

class TMMPlayer;
class TSoundPlayer;

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
    // A short sound of play, beside the music; the synthesizer for the
    // sounds starts with the first one.
    void PlaySound(TSound sound);

  private:
    TMMPlayer* player_;  // owned by the window, as its QObject child
    std::unique_ptr<TSoundPlayer> sounds_;
};

}  // namespace vaeloric
