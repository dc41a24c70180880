// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vaeloric {

// Where a seek goes.
enum class TSeekTarget { Start, End, Position };

// The sound system behind TMMPlayer: one object that opens numbered devices
// and drives them. Kept small so that the player's own rules can be tested
// against a stub. Every call returns 0 or an error code of mci_codes.h and
// comes from the window's thread.
class TMciBackend {
  public:
    virtual ~TMciBackend() = default;

    // Opens a device for the element (a file name, may be null) of the device
    // type (may be null: chosen from the file's extension). On success stores
    // the new device's id (never 0).
    virtual std::uint32_t Open(const char* element, const char* deviceType,
                               std::uint32_t& deviceId) = 0;

    // Starts playing from the current position; returns at once.
    virtual std::uint32_t Play(std::uint32_t deviceId) = 0;

    // Stops playing and moves the position; milliseconds counts only for
    // TSeekTarget::Position.
    virtual std::uint32_t Seek(std::uint32_t deviceId, TSeekTarget target,
                               std::uint32_t milliseconds) = 0;

    virtual std::uint32_t Close(std::uint32_t deviceId) = 0;

    // True while the device is playing; false once a piece has reached its end.
    virtual bool IsPlaying(std::uint32_t deviceId) const = 0;
};

}  // namespace vaeloric
