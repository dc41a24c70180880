// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Forward declarations keep FluidSynth's header out of our interfaces.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace vaeloric {

// How the synthesizer is set up. Empty fields take the defaults.
struct TSynthOptions {
    std::string soundFont;    // default: FindSoundFont()
    std::string audioDriver;  // default: the first of AudioDriverCandidates() that opens
    std::string audioFile;    // output file of the "file" driver
};

// The General MIDI SoundFont: $VAELORIC_SOUNDFONT, then the usual install
// places of TimGM6mb and the system's default GM set. Empty when none exists.
std::string FindSoundFont();

// Audio drivers to try, in order, among those this FluidSynth supports:
// $VAELORIC_AUDIO_DRIVER alone when set; otherwise the desktop sound servers
// first and never "jack" (it may start a server) or "file".
std::vector<std::string> AudioDriverCandidates();

// FluidSynth writes its complaints to stderr; the game stays silent.
void SilenceFluidSynthLog();

// Settings and a synthesizer with the SoundFont loaded, the part shared by
// the player's devices and the file renderer.
class TSynthSetup {
  public:
    TSynthSetup() = default;
    TSynthSetup(const TSynthSetup&) = delete;
    TSynthSetup& operator=(const TSynthSetup&) = delete;
    ~TSynthSetup();

    // 0, or kMciErrSeqNoMidiPresent when there is no usable SoundFont,
    // kMciErrCannotLoadDriver when FluidSynth refuses to start.
    std::uint32_t Create(const TSynthOptions& options);

    fluid_settings_t* Settings() const { return settings; }
    fluid_synth_t* Synth() const { return synth; }

  private:
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
};

// Renders a MIDI file as fast as the processor allows through the same
// set-up the player uses, into raw signed 16-bit stereo samples at the
// synth's rate. Returns 0 or an error code of mci_codes.h.
std::uint32_t RenderMidiFile(const std::string& midiFile, const std::string& rawFile,
                             const TSynthOptions& options = {});

}  // namespace vaeloric
