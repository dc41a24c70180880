// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/fluid_backend.h"

#include <fluidsynth.h>

#include <cctype>
#include <fstream>
#include <utility>

#include "media/mci_codes.h"
#include "media/music_file.h"

namespace vaeloric {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool HasMidiExtension(const std::string& name) {
    const std::string lower = Lower(name);
    for (const char* extension : {".mid", ".midi", ".rmi", ".smf", ".kar"}) {
        const std::string ext(extension);
        if (lower.size() > ext.size() &&
            lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
            return true;
    }
    return false;
}

// Ticks per quarter note from the file header; 0 for time-code files, which
// this player does not seek in by time.
int DivisionOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[14] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return 0;
    if ((header[12] & 0x80) != 0) return 0;
    return header[12] << 8 | header[13];
}

}  // namespace

struct TFluidSynthBackend::TDevice {
    TSynthSetup setup;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::string path;
    int division = 0;

    ~TDevice() {
        // FluidSynth's order: the audio driver first (it calls into the synth
        // and the player from its own thread), then the player, then the synth.
        if (driver != nullptr) delete_fluid_audio_driver(driver);
        if (player != nullptr) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
    }
};

TFluidSynthBackend::TFluidSynthBackend(TSynthOptions synthOptions)
    : options(std::move(synthOptions)) {
    SilenceFluidSynthLog();
}

TFluidSynthBackend::~TFluidSynthBackend() = default;

TFluidSynthBackend::TDevice* TFluidSynthBackend::Find(std::uint32_t deviceId) const {
    const auto found = devices.find(deviceId);
    return found == devices.end() ? nullptr : found->second.get();
}

std::uint32_t TFluidSynthBackend::Open(const char* element, const char* deviceType,
                                       std::uint32_t& deviceId) {
    // Only MIDI files are played; the sequencer is the one device type.
    if (deviceType != nullptr && Lower(deviceType) != "sequencer") return kMciErrInvalidDeviceName;
    if (element == nullptr || *element == '\0') return kMciErrMissingParameter;
    if (deviceType == nullptr && !HasMidiExtension(element)) return kMciErrExtensionNotFound;

    const std::string path = ResolveMediaFile(element);
    if (path.empty()) return kMciErrFileNotFound;
    for (const auto& entry : devices) {
        if (entry.second->path == path) return kMciErrDeviceOpen;
    }
    if (fluid_is_midifile(path.c_str()) == 0) return kMciErrInvalidFile;

    auto device = std::make_unique<TDevice>();
    device->path = path;
    device->division = DivisionOf(path);
    if (const std::uint32_t error = device->setup.Create(options); error != 0) return error;
    device->player = new_fluid_player(device->setup.Synth());
    if (device->player == nullptr) return kMciErrCannotLoadDriver;
    if (fluid_player_add(device->player, path.c_str()) != FLUID_OK) return kMciErrInvalidFile;

    const std::vector<std::string> drivers = options.audioDriver.empty()
                                                 ? AudioDriverCandidates()
                                                 : std::vector<std::string>{options.audioDriver};
    for (const std::string& name : drivers) {
        fluid_settings_setstr(device->setup.Settings(), "audio.driver", name.c_str());
        device->driver = new_fluid_audio_driver(device->setup.Settings(), device->setup.Synth());
        if (device->driver != nullptr) break;
    }
    if (device->driver == nullptr) return kMciErrCannotLoadDriver;

    deviceId = nextDeviceId++;
    devices.emplace(deviceId, std::move(device));
    return 0;
}

std::uint32_t TFluidSynthBackend::Play(std::uint32_t deviceId) {
    TDevice* device = Find(deviceId);
    if (device == nullptr) return kMciErrInvalidDeviceId;
    return fluid_player_play(device->player) == FLUID_OK ? 0 : kMciErrInvalidFile;
}

std::uint32_t TFluidSynthBackend::Seek(std::uint32_t deviceId, TSeekTarget target,
                                       std::uint32_t milliseconds) {
    TDevice* device = Find(deviceId);
    if (device == nullptr) return kMciErrInvalidDeviceId;

    int ticks = 0;
    const int total = fluid_player_get_total_ticks(device->player);
    if (target == TSeekTarget::End) {
        ticks = total > 0 ? total - 1 : 0;
    } else if (target == TSeekTarget::Position) {
        if (device->division <= 0) return kMciErrUnsupportedFunction;
        // At the current tempo (microseconds per quarter note).
        const double tempo = fluid_player_get_midi_tempo(device->player);
        const double quarters = milliseconds * 1000.0 / (tempo > 0 ? tempo : 500000.0);
        ticks = static_cast<int>(quarters * device->division);
        if (total > 0 && ticks >= total) return kMciErrOutOfRange;
    }
    fluid_player_stop(device->player);
    // Release the notes still held; their tails die away naturally.
    fluid_synth_all_notes_off(device->setup.Synth(), -1);
    if (fluid_player_seek(device->player, ticks) != FLUID_OK) return kMciErrOutOfRange;
    return 0;
}

std::uint32_t TFluidSynthBackend::Close(std::uint32_t deviceId) {
    if (devices.erase(deviceId) == 0) return kMciErrInvalidDeviceId;
    return 0;
}

bool TFluidSynthBackend::IsPlaying(std::uint32_t deviceId) const {
    const TDevice* device = Find(deviceId);
    if (device == nullptr || fluid_player_get_status(device->player) != FLUID_PLAYER_PLAYING)
        return false;
    // The player lingers two seconds after the last event for the sound to
    // die away; the piece itself is over when the clock passes its length.
    // (The length is known only once the player has loaded the file.)
    const int total = fluid_player_get_total_ticks(device->player);
    return total <= 0 || fluid_player_get_current_tick(device->player) < total;
}

}  // namespace vaeloric
