// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "media/mci_codes.h"
#include "media/music_file.h"

namespace vaeloric {

// What the game needs of the music player. TMMPlayer implements it; the game
// flow's tests use a fake.
class TMusicDevice {
  public:
    virtual ~TMusicDevice() = default;
    virtual std::uint32_t Open(const char* elementName, const char* deviceType) = 0;
    virtual std::uint32_t Play(std::uint32_t flags) = 0;
    virtual std::uint32_t Seek(std::uint32_t position, std::uint32_t flags) = 0;
    virtual std::uint32_t Close() = 0;
    virtual bool IsOpen() const = 0;
};

// The music dialog was closed with OK. The choice becomes the window's flag;
// music starts only when no device is open (so ON while playing restarts
// nothing) and stops only when one is. Failures leave the music silent and
// the flag as chosen.
inline void ApplyMusicChoice(bool chosenOn, bool& musicOn, TMusicDevice& player) {
    musicOn = chosenOn;
    if (!player.IsOpen() && musicOn) {
        if (player.Open(kMusicFileName, nullptr) == 0) player.Play(kMciNotify);
    } else if (player.IsOpen() && !musicOn) {
        player.Close();
    }
}

// The piece has ended: play it again from the start.
inline void RestartMusic(TMusicDevice& player) {
    player.Seek(0, kMciSeekToStart);
    player.Play(kMciNotify);
}

// Resigning from the control panel closes the music before the close request.
inline void CloseMusicForResign(TMusicDevice& player) {
    if (player.IsOpen()) player.Close();
}

// A new game and a loaded game clear the flag and leave the player alone:
// music already playing goes on.
inline void MusicFlagForNewGame(bool& musicOn) {
    musicOn = false;
}
inline void MusicFlagForLoadedGame(bool& musicOn) {
    musicOn = false;
}

}  // namespace vaeloric
