// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "media/fluid_setup.h"
#include "media/mci_backend.h"

namespace vaeloric {

// MIDI files played through FluidSynth. A device is a synthesizer with the
// General MIDI SoundFont, a MIDI file player and an audio driver.
class TFluidSynthBackend : public TMciBackend {
  public:
    explicit TFluidSynthBackend(TSynthOptions options = {});
    ~TFluidSynthBackend() override;

    std::uint32_t Open(const char* element, const char* deviceType,
                       std::uint32_t& deviceId) override;
    std::uint32_t Play(std::uint32_t deviceId) override;
    std::uint32_t Seek(std::uint32_t deviceId, TSeekTarget target,
                       std::uint32_t milliseconds) override;
    std::uint32_t Close(std::uint32_t deviceId) override;
    bool IsPlaying(std::uint32_t deviceId) const override;

  private:
    struct TDevice;

    TDevice* Find(std::uint32_t deviceId) const;

    TSynthOptions options;
    std::map<std::uint32_t, std::unique_ptr<TDevice>> devices;
    std::uint32_t nextDeviceId = 1;
};

}  // namespace vaeloric
