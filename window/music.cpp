// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/music.h"

#include "media/mm_player.h"
#include "media/music_rules.h"
#include "media/sound_effects.h"

namespace vaeloric {

TMusic::TMusic(QObject* window) : QObject(window), player_(new TMMPlayer(window)) {
    // The end of the piece (the media notification) starts it again.
    connect(player_, &TMMPlayer::MciNotify, this,
            [this](quint32, quint32) { RestartMusic(*player_); });
}

TMusic::~TMusic() = default;

void TMusic::Start() {
    bool on = false;
    ApplyMusicChoice(true, on, *player_);
}

void TMusic::Stop() {
    bool on = true;
    ApplyMusicChoice(false, on, *player_);
}

void TMusic::Close() {
    CloseMusicForResign(*player_);
}

void TMusic::PlaySound(TSound sound) {
    if (!sounds_) sounds_ = std::make_unique<TSoundPlayer>(std::make_unique<TFluidSoundOutput>());
    sounds_->Play(sound);
}

}  // namespace vaeloric
