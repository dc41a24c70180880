// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/mm_player.h"

#include <cstring>

#include "media/fluid_backend.h"

namespace vaeloric {

TMMPlayer::TMMPlayer(QObject* ownerWindow, const char* deviceType, bool errorDisplay)
    : TMMPlayer(ownerWindow, std::make_unique<TFluidSynthBackend>(), deviceType, errorDisplay) {}

TMMPlayer::TMMPlayer(QObject* ownerWindow, std::unique_ptr<TMciBackend> soundSystem,
                     const char* deviceType, bool errorDisplay)
    : QObject(ownerWindow), backend(std::move(soundSystem)), showErrors(errorDisplay ? 1 : 0) {
    completionTimer.setInterval(kCompletionPollMs);
    connect(&completionTimer, &QTimer::timeout, this, &TMMPlayer::CheckCompletion);
    if (deviceType != nullptr) {
        std::uint32_t id = 0;
        lastError = backend->Open(nullptr, deviceType, id);
        if (lastError == 0) {
            isOpen = 1;
            deviceId = id;
        }
    }
}

TMMPlayer::~TMMPlayer() {
    if (isOpen) backend->Close(deviceId);
}

std::uint32_t TMMPlayer::Finish(std::uint32_t result, const char* caption) {
    lastError = result;
    if (result != 0 && showErrors) ReportFailure(caption);
    return result;
}

void TMMPlayer::ReportFailure(const char* caption) {
    if (lastError == kMciErrDeviceOpen) {
        // The file is open already: close it rather than complain, so that
        // the next open starts afresh.
        if (isOpen) {
            backend->Close(deviceId);
            isOpen = 0;
            notifyPending = false;
            completionTimer.stop();
        }
        return;
    }
    std::strncpy(errorText, MciErrorText(lastError), sizeof errorText - 1);
    errorText[sizeof errorText - 1] = '\0';
    if (errorReporter) errorReporter(errorText, caption);
}

std::uint32_t TMMPlayer::Open(const char* elementName, const char* deviceType) {
    std::uint32_t id = 0;
    const std::uint32_t result = backend->Open(elementName, deviceType, id);
    if (result == 0) {
        // One player, one device: a device left open would play on for good.
        if (isOpen) backend->Close(deviceId);
        notifyPending = false;
        completionTimer.stop();
        isOpen = 1;
        deviceId = id;
    }
    return Finish(result, kMciOpenErrorCaption);
}

std::uint32_t TMMPlayer::Play(std::uint32_t flags) {
    if (!isOpen) return Finish(kMciErrDeviceNotReady, kMciPlayErrorCaption);
    const std::uint32_t result = backend->Play(deviceId);
    // A new play supersedes a completion still awaited.
    notifyPending = result == 0 && (flags & kMciNotify) != 0;
    if (notifyPending) {
        completionTimer.start();
    } else {
        completionTimer.stop();
    }
    return Finish(result, kMciPlayErrorCaption);
}

std::uint32_t TMMPlayer::Seek(std::uint32_t position, std::uint32_t flags) {
    if (!isOpen) return Finish(kMciErrDeviceNotReady, kMciSeekErrorCaption);
    if (position != 0) flags = kMciTo | kMciWait | kMciNotify;
    TSeekTarget target = TSeekTarget::Start;
    if ((flags & kMciTo) != 0) {
        target = TSeekTarget::Position;
    } else if ((flags & kMciSeekToEnd) != 0) {
        target = TSeekTarget::End;
    }
    // Seeking stops the play, and with it any completion awaited.
    notifyPending = false;
    completionTimer.stop();
    const std::uint32_t result = backend->Seek(deviceId, target, position);
    if (result == 0 && (flags & kMciNotify) != 0) {
        const std::uint32_t id = deviceId;
        QMetaObject::invokeMethod(
            this, [this, id] { emit MciNotify(kMciNotifySuccessful, id); }, Qt::QueuedConnection);
    }
    return Finish(result, kMciSeekErrorCaption);
}

std::uint32_t TMMPlayer::Close() {
    if (!isOpen) return Finish(kMciErrDeviceNotReady, kMciCloseErrorCaption);
    notifyPending = false;
    completionTimer.stop();
    const std::uint32_t result = backend->Close(deviceId);
    isOpen = 0;
    return Finish(result, kMciCloseErrorCaption);
}

void TMMPlayer::CheckCompletion() {
    if (!notifyPending || !isOpen) {
        completionTimer.stop();
        return;
    }
    if (backend->IsPlaying(deviceId)) return;
    notifyPending = false;
    completionTimer.stop();
    emit MciNotify(kMciNotifySuccessful, deviceId);
}

}  // namespace vaeloric
