// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "net/host_identity.h"
#include "net/invitation.h"
#include "net/protocol.h"

// The two ends of a network seat over secure WebSockets. Both run in the
// thread of a Qt event loop (QCoreApplication or QApplication), which the
// caller runs; nothing here blocks it. A guest that misbehaves loses its own
// connection, with one sentence in the host's log, never the game.

namespace vaeloric::net {

struct TTransportLimits {
    int helloMilliseconds = 10000;          // from the connection to the guest's hello
    int messagesPerSecond = 20;             // more is a flood
    std::int64_t maxUnsentBytes = 1 << 20;  // a guest that reads slower is cut off
    int pingMilliseconds = 15000;
    int silenceMilliseconds = 45000;  // no frame and no answer to pings for this long
    int maxWaitingConnections = 8;    // connections that have not yet said hello
    int tickMilliseconds = 500;       // how often the time limits are looked at
};

// The host's end: listens, hands each seat to the one guest with its code,
// and passes on the guests' messages.
class THostTransport {
  public:
    THostTransport(const THostIdentity& identity, const TTransportLimits& limits = {});
    ~THostTransport();
    THostTransport(const THostTransport&) = delete;
    THostTransport& operator=(const THostTransport&) = delete;

    // Listens on `address` ("127.0.0.1", "::", ...) and `port` (0: any free).
    bool Listen(const std::string& address, std::uint16_t port, std::string& problem);
    std::uint16_t Port() const;
    const std::string& Fingerprint() const;

    // Offers seat 2..4 under a new code, good for this game: for one
    // connection at a time, and no more once the host cut its guest off.
    std::string OfferSeat(int seat);
    // The same under a code already given out (a host that restarted).
    std::string OfferSeat(int seat, const std::string& code);
    bool SeatTaken(int seat) const;

    void Send(int seat, const THostMessage& message);
    // Ends the seat's connection, telling its guest why; the seat stays used.
    void CutOff(int seat, const std::string& sentence);
    void SendToAll(const THostMessage& message);
    // Ends the seat's connection normally, once its guest needs nothing more.
    void Release(int seat);

    std::function<void(int seat)> onJoined;
    std::function<void(int seat)> onLeft;
    std::function<void(int seat, const TGuestMessage& message)> onMessage;
    std::function<void(const std::string& sentence)> onLog;

    struct TImpl;

  private:
    std::unique_ptr<TImpl> impl_;
};

// A guest's end: connects to the host of its invitation, accepts only the
// certificate the invitation names, and says hello with the seat's code.
class TGuestTransport {
  public:
    TGuestTransport(const TInvitation& invitation, const TTransportLimits& limits = {});
    ~TGuestTransport();
    TGuestTransport(const TGuestTransport&) = delete;
    TGuestTransport& operator=(const TGuestTransport&) = delete;

    void Open();
    void Send(const TGuestMessage& message);
    void Close();

    std::function<void(const THostMessage& message)> onMessage;
    // The connection ended, with the reason.
    std::function<void(const std::string& sentence)> onClosed;
    // After it ended: the line was lost (or the seat still held by the line
    // that was lost), so the same invitation may take the seat again; false
    // after a refusal or a wrong certificate.
    bool Rejoinable() const;

    struct TImpl;

  private:
    std::unique_ptr<TImpl> impl_;
};

}  // namespace vaeloric::net
