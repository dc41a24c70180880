// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vaeloric {

// Command flags, notification codes and error codes of the media control
// interface. The numbers are the published ones, so that code written against
// the Windows interface reads the same here.

inline constexpr std::uint32_t kMciNotify = 0x00000001;
inline constexpr std::uint32_t kMciWait = 0x00000002;
inline constexpr std::uint32_t kMciFrom = 0x00000004;
inline constexpr std::uint32_t kMciTo = 0x00000008;
inline constexpr std::uint32_t kMciSeekToStart = 0x00000100;
inline constexpr std::uint32_t kMciSeekToEnd = 0x00000200;
inline constexpr std::uint32_t kMciOpenElement = 0x00000200;
inline constexpr std::uint32_t kMciOpenType = 0x00002000;

// Status passed with a completion notification.
inline constexpr std::uint32_t kMciNotifySuccessful = 0x0001;
inline constexpr std::uint32_t kMciNotifySuperseded = 0x0002;
inline constexpr std::uint32_t kMciNotifyAborted = 0x0004;
inline constexpr std::uint32_t kMciNotifyFailure = 0x0008;

// The window message that carries a completion notification.
inline constexpr std::uint32_t kMciNotifyMessage = 953;

inline constexpr std::uint32_t kMciErrInvalidDeviceId = 257;
inline constexpr std::uint32_t kMciErrInvalidDeviceName = 263;
inline constexpr std::uint32_t kMciErrDeviceOpen = 265;
inline constexpr std::uint32_t kMciErrCannotLoadDriver = 266;
inline constexpr std::uint32_t kMciErrMissingParameter = 273;
inline constexpr std::uint32_t kMciErrUnsupportedFunction = 274;
inline constexpr std::uint32_t kMciErrFileNotFound = 275;
inline constexpr std::uint32_t kMciErrDeviceNotReady = 276;
inline constexpr std::uint32_t kMciErrExtensionNotFound = 281;
inline constexpr std::uint32_t kMciErrOutOfRange = 282;
inline constexpr std::uint32_t kMciErrInvalidFile = 296;
inline constexpr std::uint32_t kMciErrSeqNoMidiPresent = 343;

// Length of the error text buffer, terminator included.
inline constexpr int kMciErrorTextSize = 256;

// A short text for an error code (never null).
constexpr const char* MciErrorText(std::uint32_t code) {
    switch (code) {
        case 0:
            return "The command completed successfully.";
        case kMciErrInvalidDeviceId:
            return "Invalid device identifier. Open the device first.";
        case kMciErrInvalidDeviceName:
            return "The device type is not known to this program.";
        case kMciErrDeviceOpen:
            return "The device or file is already open.";
        case kMciErrCannotLoadDriver:
            return "No audio output could be opened.";
        case kMciErrMissingParameter:
            return "A file name or device type is required.";
        case kMciErrUnsupportedFunction:
            return "The device does not support this command.";
        case kMciErrFileNotFound:
            return "The file could not be found.";
        case kMciErrDeviceNotReady:
            return "The device is not ready. Open a file first.";
        case kMciErrExtensionNotFound:
            return "No device plays files with this extension.";
        case kMciErrOutOfRange:
            return "The position is beyond the end of the piece.";
        case kMciErrInvalidFile:
            return "The file is not a MIDI file or is damaged.";
        case kMciErrSeqNoMidiPresent:
            return "No General MIDI sound set (SoundFont) is installed.";
        default:
            return "Unknown media error.";
    }
}

// Captions of the error boxes, one per operation.
inline constexpr const char* kMciOpenErrorCaption = "MCI Open Error";
inline constexpr const char* kMciPlayErrorCaption = "MCI Play Error";
inline constexpr const char* kMciSeekErrorCaption = "MCI Seek Error";
inline constexpr const char* kMciCloseErrorCaption = "MCI Close Error";

}  // namespace vaeloric
