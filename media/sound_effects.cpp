// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/sound_effects.h"

#include <fluidsynth.h>

#include <chrono>
#include <string>

namespace vaeloric {

namespace {

// General MIDI instruments.
constexpr int kWoodblock = 115;
constexpr int kMarimba = 12;
constexpr int kTimpani = 47;
constexpr int kCelesta = 8;
constexpr int kHarp = 46;
constexpr int kChoir = 52;

}  // namespace

const std::vector<TSoundNote>& SoundNotes(TSound sound) {
    // Soft velocities: the game's sounds accompany play, they never call
    // for attention louder than the music would.
    static const std::vector<TSoundNote> kThrow = {
        {kWoodblock, 76, 55, 40}, {kWoodblock, 72, 50, 50}, {kWoodblock, 79, 45, 90}};
    static const std::vector<TSoundNote> kMove = {{kMarimba, 67, 60, 160}};
    static const std::vector<TSoundNote> kCapture = {{kTimpani, 45, 70, 120},
                                                     {kMarimba, 62, 60, 180}};
    static const std::vector<TSoundNote> kCheck = {
        {kCelesta, 84, 60, 110}, {kCelesta, 84, 0, 40}, {kCelesta, 84, 60, 200}};
    static const std::vector<TSoundNote> kMissGo = {{kHarp, 64, 55, 140}, {kHarp, 60, 50, 260}};
    static const std::vector<TSoundNote> kGameEnd = {
        {kChoir, 60, 55, 300}, {kChoir, 64, 55, 300}, {kChoir, 67, 55, 300}, {kChoir, 72, 60, 900}};
    switch (sound) {
        case TSound::Throw:
            return kThrow;
        case TSound::Move:
            return kMove;
        case TSound::Capture:
            return kCapture;
        case TSound::Check:
            return kCheck;
        case TSound::MissGo:
            return kMissGo;
        case TSound::GameEnd:
            break;
    }
    return kGameEnd;
}

TSoundPlayer::TSoundPlayer(std::unique_ptr<TSoundOutput> output)
    : output_(std::move(output)), thread_([this] { Run(); }) {}

TSoundPlayer::~TSoundPlayer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.clear();
    }
    wake_.notify_all();
    thread_.join();
}

void TSoundPlayer::Play(TSound sound) {
    {
        const std::lock_guard lock(mutex_);
        if (waiting_.size() >= kMostWaiting) return;
        waiting_.push_back(sound);
    }
    wake_.notify_one();
}

void TSoundPlayer::Run() {
    // The output is opened here, off the window's thread: loading a
    // SoundFont can take a moment.
    const bool usable = output_->Open();
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (stopping_) return;
        const TSound sound = waiting_.front();
        waiting_.pop_front();
        if (!usable) continue;
        lock.unlock();
        for (const TSoundNote& note : SoundNotes(sound)) {
            if (note.velocity > 0) output_->NoteOn(0, note.program, note.key, note.velocity);
            // A rest that a closing window cuts short.
            lock.lock();
            const bool stop = wake_.wait_for(lock, std::chrono::milliseconds(note.milliseconds),
                                             [this] { return stopping_; });
            lock.unlock();
            if (note.velocity > 0) output_->NoteOff(0, note.key);
            if (stop) return;
        }
        lock.lock();
    }
}

struct TFluidSoundOutput::TDriver {
    fluid_audio_driver_t* driver = nullptr;
    ~TDriver() {
        if (driver != nullptr) delete_fluid_audio_driver(driver);
    }
};

TFluidSoundOutput::TFluidSoundOutput(TSynthOptions options) : options_(std::move(options)) {}

TFluidSoundOutput::~TFluidSoundOutput() {
    // The driver calls into the synthesizer from its own thread: it goes
    // first.
    driver_.reset();
}

bool TFluidSoundOutput::Open() {
    SilenceFluidSynthLog();
    if (setup_.Create(options_) != 0) return false;
    fluid_settings_setnum(setup_.Settings(), "synth.gain", kGain);
    fluid_synth_set_gain(setup_.Synth(), static_cast<float>(kGain));
    driver_ = std::make_unique<TDriver>();
    const std::vector<std::string> drivers = options_.audioDriver.empty()
                                                 ? AudioDriverCandidates()
                                                 : std::vector<std::string>{options_.audioDriver};
    for (const std::string& name : drivers) {
        fluid_settings_setstr(setup_.Settings(), "audio.driver", name.c_str());
        driver_->driver = new_fluid_audio_driver(setup_.Settings(), setup_.Synth());
        if (driver_->driver != nullptr) return true;
    }
    return false;
}

void TFluidSoundOutput::NoteOn(int channel, int program, int key, int velocity) {
    fluid_synth_program_change(setup_.Synth(), channel, program);
    fluid_synth_noteon(setup_.Synth(), channel, key, velocity);
}

void TFluidSoundOutput::NoteOff(int channel, int key) {
    fluid_synth_noteoff(setup_.Synth(), channel, key);
}

}  // namespace vaeloric
