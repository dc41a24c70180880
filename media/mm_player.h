// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

#include "media/mci_backend.h"
#include "media/mci_codes.h"
#include "media/music_rules.h"

namespace vaeloric {

// The background-music player: each operation drives the one open device,
// keeps the result as lastError and, when error display is on, reports a
// failure. All calls come from the window's thread, and the completion of a
// play started with kMciNotify arrives there too, as the MciNotify signal.
class TMMPlayer : public QObject, public TMusicDevice {
    Q_OBJECT

  public:
    // Shows an error: message text and caption. The window beeps and shows a
    // warning box owned by itself.
    using TErrorReporter = std::function<void(const char* text, const char* caption)>;

    // ownerWindow becomes the QObject parent (it owns the player). A device
    // of deviceType is opened at once when one is given. The game passes no
    // device type and error display off.
    explicit TMMPlayer(QObject* ownerWindow, const char* deviceType = nullptr,
                       bool showErrors = false);
    // The same over another sound system (tests use a stub).
    TMMPlayer(QObject* ownerWindow, std::unique_ptr<TMciBackend> backend,
              const char* deviceType = nullptr, bool showErrors = false);
    ~TMMPlayer() override;

    // Opens a device for a file and/or device type. A device this player
    // already had is closed once the new one is open.
    std::uint32_t Open(const char* elementName, const char* deviceType = nullptr) override;
    // Plays from the current position; with kMciNotify the end of the piece
    // is reported by MciNotify. Never waits for the end.
    std::uint32_t Play(std::uint32_t flags) override;
    // A non-zero position (milliseconds) seeks there; otherwise the flags
    // decide (the game passes kMciSeekToStart).
    std::uint32_t Seek(std::uint32_t position, std::uint32_t flags) override;
    std::uint32_t Close() override;
    bool IsOpen() const override { return isOpen != 0; }

    std::uint32_t LastError() const { return lastError; }
    std::uint32_t DeviceId() const { return deviceId; }
    bool ShowErrors() const { return showErrors != 0; }
    void SetShowErrors(bool show) { showErrors = show ? 1 : 0; }
    const char* ErrorText() const { return errorText; }
    void SetErrorReporter(TErrorReporter reporter) { errorReporter = std::move(reporter); }

    // How often the device is asked whether the piece has ended.
    static constexpr int kCompletionPollMs = 100;

  signals:
    // The piece played with kMciNotify has ended (status kMciNotifySuccessful).
    void MciNotify(quint32 status, quint32 deviceId);

  private:
    void CheckCompletion();
    void ReportFailure(const char* caption);
    std::uint32_t Finish(std::uint32_t result, const char* caption);

    std::unique_ptr<TMciBackend> backend;
    std::uint32_t lastError = 0;
    std::uint32_t isOpen = 0;
    std::uint32_t deviceId = 0;
    std::uint32_t showErrors = 0;
    char errorText[kMciErrorTextSize] = {};
    TErrorReporter errorReporter;
    bool notifyPending = false;
    QTimer completionTimer;
};

}  // namespace vaeloric
