// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/fluid_setup.h"

#include <fluidsynth.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "media/mci_codes.h"

namespace vaeloric {

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

void CollectOption(void* data, const char* /*name*/, const char* option) {
    static_cast<std::vector<std::string>*>(data)->push_back(option);
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    for (const std::string& entry : list) {
        if (entry == item) return true;
    }
    return false;
}

}  // namespace

std::string FindSoundFont() {
    const std::string chosen = Environment("VAELORIC_SOUNDFONT");
    if (!chosen.empty()) return FileExists(chosen) ? chosen : std::string();

    static const char* const kPlaces[] = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",      "/usr/share/soundfonts/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",    "/usr/share/soundfonts/default.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",    "/usr/local/share/soundfonts/default.sf2",
        "/usr/local/share/sounds/sf2/TimGM6mb.sf2"};
    for (const char* place : kPlaces) {
        if (FileExists(place)) return place;
    }
    // The one this FluidSynth was built to use, if it exists here.
    fluid_settings_t* settings = new_fluid_settings();
    std::string found;
    if (settings != nullptr) {
        char* value = nullptr;
        if (fluid_settings_dupstr(settings, "synth.default-soundfont", &value) == FLUID_OK &&
            value != nullptr) {
            if (FileExists(value)) found = value;
            fluid_free(value);
        }
        delete_fluid_settings(settings);
    }
    return found;
}

std::vector<std::string> AudioDriverCandidates() {
    const std::string chosen = Environment("VAELORIC_AUDIO_DRIVER");
    if (!chosen.empty()) return {chosen};

    std::vector<std::string> supported;
    std::string buildDefault;
    fluid_settings_t* settings = new_fluid_settings();
    if (settings == nullptr) return {};
    fluid_settings_foreach_option(settings, "audio.driver", &supported, CollectOption);
    char* value = nullptr;
    if (fluid_settings_dupstr(settings, "audio.driver", &value) == FLUID_OK && value != nullptr) {
        buildDefault = value;
        fluid_free(value);
    }
    delete_fluid_settings(settings);

    static const char* const kPreferred[] = {"pulseaudio", "pipewire",  "wasapi", "dsound",
                                             "waveout",    "coreaudio", "alsa",   "oss",
                                             "opensles",   "oboe"};
    // Without the device nodes these two cannot open, and the ALSA library
    // would print its complaints to stderr on the way.
    std::error_code error;
    const bool alsaDevices = std::filesystem::exists("/dev/snd", error);
    const bool ossDevice = std::filesystem::exists("/dev/dsp", error);
    std::vector<std::string> result;
    for (const char* name : kPreferred) {
        const std::string driver(name);
        if ((driver == "alsa" && !alsaDevices) || (driver == "oss" && !ossDevice)) continue;
        if (Contains(supported, driver)) result.push_back(driver);
    }
    if (!buildDefault.empty() && buildDefault != "jack" && buildDefault != "file" &&
        !(buildDefault == "alsa" && !alsaDevices) && !(buildDefault == "oss" && !ossDevice) &&
        !Contains(result, buildDefault)) {
        result.push_back(buildDefault);
    }
    return result;
}

void SilenceFluidSynthLog() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(level, nullptr, nullptr);
    }
}

TSynthSetup::~TSynthSetup() {
    if (synth != nullptr) delete_fluid_synth(synth);
    if (settings != nullptr) delete_fluid_settings(settings);
}

std::uint32_t TSynthSetup::Create(const TSynthOptions& options) {
    SilenceFluidSynthLog();
    const std::string soundFont = options.soundFont.empty() ? FindSoundFont() : options.soundFont;
    if (!FileExists(soundFont)) return kMciErrSeqNoMidiPresent;

    settings = new_fluid_settings();
    if (settings == nullptr) return kMciErrCannotLoadDriver;
    // The player keeps time by the samples rendered, so a fast render plays
    // the piece exactly as the audio driver would.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    // FluidSynth's default gain of 0.2 leaves a General MIDI piano faint.
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    if (!options.audioFile.empty()) {
        fluid_settings_setstr(settings, "audio.file.name", options.audioFile.c_str());
    }
    synth = new_fluid_synth(settings);
    if (synth == nullptr) return kMciErrCannotLoadDriver;
    if (fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        return kMciErrSeqNoMidiPresent;
    }
    return 0;
}

std::uint32_t RenderMidiFile(const std::string& midiFile, const std::string& rawFile,
                             const TSynthOptions& options) {
    if (!FileExists(midiFile)) return kMciErrFileNotFound;
    if (fluid_is_midifile(midiFile.c_str()) == 0) return kMciErrInvalidFile;

    TSynthOptions renderOptions = options;
    renderOptions.audioFile = rawFile;
    TSynthSetup setup;
    if (const std::uint32_t error = setup.Create(renderOptions); error != 0) return error;
    fluid_settings_setstr(setup.Settings(), "audio.file.type", "raw");
    fluid_settings_setstr(setup.Settings(), "audio.file.format", "s16");

    fluid_player_t* player = new_fluid_player(setup.Synth());
    if (player == nullptr) return kMciErrCannotLoadDriver;
    std::uint32_t result = kMciErrInvalidFile;
    if (fluid_player_add(player, midiFile.c_str()) == FLUID_OK &&
        fluid_player_play(player) == FLUID_OK) {
        fluid_file_renderer_t* renderer = new_fluid_file_renderer(setup.Synth());
        if (renderer == nullptr) {
            result = kMciErrCannotLoadDriver;
        } else {
            result = 0;
            while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
                if (fluid_file_renderer_process_block(renderer) != FLUID_OK) {
                    result = kMciErrCannotLoadDriver;
                    break;
                }
            }
            delete_fluid_file_renderer(renderer);
        }
    }
    delete_fluid_player(player);
    return result;
}

}  // namespace vaeloric
