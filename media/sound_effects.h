// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "flow/window_layer.h"
#include "media/fluid_setup.h"

namespace vaeloric {

// One note of a sound: a General MIDI instrument, key and loudness, held
// for a while; then the next note starts (a rest when velocity is 0).
struct TSoundNote {
    int program = 0;
    int key = 60;
    int velocity = 0;
    int milliseconds = 0;
    friend bool operator==(const TSoundNote&, const TSoundNote&) = default;
};

// The notes of each sound: short, soft and distinct from one another.
const std::vector<TSoundNote>& SoundNotes(TSound sound);

// Where the notes go: a synthesizer, or a fake in the tests.
class TSoundOutput {
  public:
    virtual ~TSoundOutput() = default;
    // Prepares the output; false when it cannot sound (no SoundFont, no
    // audio device). Called once, on the player's own thread.
    virtual bool Open() = 0;
    virtual void NoteOn(int channel, int program, int key, int velocity) = 0;
    virtual void NoteOff(int channel, int key) = 0;
};

// Plays sounds on a thread of its own: Play only queues the sound and
// returns, so that play never waits on the sound system, not even for the
// SoundFont to load. Sounds asked for faster than they play are dropped
// beyond a few.
class TSoundPlayer {
  public:
    explicit TSoundPlayer(std::unique_ptr<TSoundOutput> output);
    ~TSoundPlayer();
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    void Play(TSound sound);

    static constexpr std::size_t kMostWaiting = 3;

  private:
    void Run();

    std::unique_ptr<TSoundOutput> output_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<TSound> waiting_;
    bool stopping_ = false;
    std::thread thread_;
};

// The synthesizer the music uses, quiet: a low gain.
class TFluidSoundOutput : public TSoundOutput {
  public:
    explicit TFluidSoundOutput(TSynthOptions options = {});
    ~TFluidSoundOutput() override;
    bool Open() override;
    void NoteOn(int channel, int program, int key, int velocity) override;
    void NoteOff(int channel, int key) override;

    // FluidSynth's gain for the sounds: well under the music's 0.5.
    static constexpr double kGain = 0.25;

  private:
    TSynthOptions options_;
    TSynthSetup setup_;
    struct TDriver;
    std::unique_ptr<TDriver> driver_;
};

}  // namespace vaeloric
