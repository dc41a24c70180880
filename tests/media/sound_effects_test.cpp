// SPDX-License-Identifier: GPL-3.0-or-later

// The sounds of play are played on a thread of their own: asking for one
// never waits, not even while the synthesizer is still starting, and each
// sound reaches the output as its own notes.
#include "media/sound_effects.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

namespace vaeloric {
namespace {

// An output that opens only when the test lets it, and keeps the notes.
class TFakeOutput : public TSoundOutput {
  public:
    struct TState {
        std::mutex mutex;
        std::condition_variable changed;
        bool mayOpen = false;
        bool opens = true;
        std::vector<TSoundNote> played;  // program, key, velocity of each note on
        int offs = 0;
    };
    explicit TFakeOutput(TState& state) : state_(state) {}
    bool Open() override {
        std::unique_lock lock(state_.mutex);
        state_.changed.wait(lock, [&] { return state_.mayOpen; });
        return state_.opens;
    }
    void NoteOn(int, int program, int key, int velocity) override {
        const std::lock_guard lock(state_.mutex);
        state_.played.push_back({program, key, velocity, 0});
        state_.changed.notify_all();
    }
    void NoteOff(int, int) override {
        const std::lock_guard lock(state_.mutex);
        ++state_.offs;
        state_.changed.notify_all();
    }

  private:
    TState& state_;
};

std::vector<TSoundNote> Sounded(std::initializer_list<TSound> sounds) {
    std::vector<TSoundNote> notes;
    for (const TSound sound : sounds)
        for (const TSoundNote& note : SoundNotes(sound))
            if (note.velocity > 0) notes.push_back({note.program, note.key, note.velocity, 0});
    return notes;
}

TEST(SoundPlayer, AskingNeverWaitsAndTheSoundsComeInTurnWithTheirNotes) {
    TFakeOutput::TState state;
    {
        TSoundPlayer player(std::make_unique<TFakeOutput>(state));
        // The output is still opening: every request returns all the same,
        // and those beyond a few are dropped rather than piled up.
        for (const TSound sound : {TSound::Throw, TSound::Move, TSound::Capture, TSound::Check,
                                   TSound::MissGo, TSound::GameEnd})
            player.Play(sound);
        {
            const std::lock_guard lock(state.mutex);
            EXPECT_TRUE(state.played.empty());
            state.mayOpen = true;
        }
        state.changed.notify_all();
        const std::vector<TSoundNote> expected =
            Sounded({TSound::Throw, TSound::Move, TSound::Capture});
        std::unique_lock lock(state.mutex);
        ASSERT_TRUE(state.changed.wait_for(lock, std::chrono::seconds(20), [&] {
            return state.played.size() >= expected.size() &&
                   state.offs == static_cast<int>(expected.size());
        }));
        EXPECT_EQ(state.played, expected);
        lock.unlock();
        player.Play(TSound::GameEnd);  // cut short by the close below
    }
    // Closed in the middle of a sound: its note was let go.
    const std::lock_guard lock(state.mutex);
    EXPECT_EQ(state.offs, static_cast<int>(state.played.size()));
}

TEST(SoundPlayer, AnOutputThatCannotSoundDropsEverySound) {
    TFakeOutput::TState state;
    state.mayOpen = true;
    state.opens = false;
    {
        TSoundPlayer player(std::make_unique<TFakeOutput>(state));
        for (int i = 0; i < 10; ++i) player.Play(TSound::Move);
    }
    EXPECT_TRUE(state.played.empty());
}

TEST(SoundPlayer, EverySoundIsItsOwnAndSoft) {
    std::set<std::vector<int>> heard;
    for (const TSound sound : {TSound::Throw, TSound::Move, TSound::Capture, TSound::Check,
                               TSound::MissGo, TSound::GameEnd}) {
        std::vector<int> shape;
        int length = 0;
        for (const TSoundNote& note : SoundNotes(sound)) {
            shape.insert(shape.end(), {note.program, note.key, note.velocity});
            EXPECT_LE(note.velocity, 80);
            length += note.milliseconds;
        }
        EXPECT_FALSE(shape.empty());
        EXPECT_LE(length, 2000);  // over before the next turn's sound
        heard.insert(shape);
    }
    EXPECT_EQ(heard.size(), 6u);
}

}  // namespace
}  // namespace vaeloric
