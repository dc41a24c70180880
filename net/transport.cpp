// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/transport.h"

#include <QAbstractSocket>
#include <QCryptographicHash>
#include <QDateTime>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QSslKey>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <QWebSocketServer>
#include <algorithm>
#include <map>

namespace vaeloric::net {

namespace {

qint64 Now() {
    return QDateTime::currentMSecsSinceEpoch();
}

// Compares two codes in time that does not depend on where they differ.
bool SameCode(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

void LimitFrames(QWebSocket* socket) {
    socket->setMaxAllowedIncomingFrameSize(kMaxMessageBytes);
    socket->setMaxAllowedIncomingMessageSize(kMaxMessageBytes);
}

// Answers a guest may owe: a few frames in flight, never a licence to flood.
constexpr int kMaxAnswers = 8;

QString Qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

// ---- Host ----

struct THostTransport::TImpl {
    struct TConnection {
        int seat = 0;  // 0 until its hello is accepted
        qint64 opened = 0;
        qint64 lastHeard = 0;
        qint64 windowStart = 0;
        int windowMessages = 0;
        int answers = 0;  // messages the host's own frames may draw in reply
    };
    struct TSeat {
        std::string code;
        // Its guest broke the rules and was cut off: the code takes the seat
        // no more this game. A guest whose line merely dropped comes back.
        bool barred = false;
        QWebSocket* socket = nullptr;
    };

    THostTransport& owner;
    THostIdentity identity;
    TTransportLimits limits;
    QWebSocketServer server{QStringLiteral("Vaeloric Chess"), QWebSocketServer::SecureMode};
    QTimer tick;
    std::map<QWebSocket*, TConnection> connections;
    std::map<int, TSeat> seats;

    TImpl(THostTransport& o, const THostIdentity& id, const TTransportLimits& l)
        : owner(o), identity(id), limits(l) {}

    void Log(const std::string& sentence) {
        if (owner.onLog) owner.onLog(sentence);
    }

    static std::string Who(const TConnection& connection) {
        return connection.seat != 0 ? "The guest of seat " + std::to_string(connection.seat)
                                    : std::string("A guest");
    }

    // Ends one connection: its seat (if any) is left, the reason logged and,
    // where the guest can still hear it, sent.
    void Drop(QWebSocket* socket, const std::string& why, bool tell, bool bar = true) {
        const auto found = connections.find(socket);
        if (found == connections.end()) return;
        const TConnection connection = found->second;
        connections.erase(found);
        if (bar && connection.seat != 0) seats[connection.seat].barred = true;
        Log(Who(connection) + " was cut off: " + why);
        if (tell) socket->sendTextMessage(Qt(EncodeMessage(THostMessage(TRefused{why}))));
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        socket->abort();
        socket->deleteLater();
        Leave(connection.seat, socket);
    }

    void Leave(int seat, QWebSocket* socket) {
        if (seat == 0) return;
        TSeat& s = seats[seat];
        if (s.socket != socket) return;
        s.socket = nullptr;
        if (owner.onLeft) owner.onLeft(seat);
    }

    void Accept() {
        while (QWebSocket* socket = server.nextPendingConnection()) {
            LimitFrames(socket);
            // Each frame goes out at once: a turn is a few small frames each
            // way, which the wait for the peer's acknowledgement would hold up.
            // Qt keeps the accepted lines under the server; the guest's end
            // sets this itself.
            for (QAbstractSocket* line : server.findChildren<QAbstractSocket*>())
                line->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            int waiting = 0;
            for (const auto& [s, c] : connections) waiting += c.seat == 0 ? 1 : 0;
            TConnection connection;
            connection.opened = connection.lastHeard = connection.windowStart = Now();
            connections[socket] = connection;
            if (waiting >= limits.maxWaitingConnections) {
                Drop(socket, "Too many guests are connecting at once.", true);
                continue;
            }
            QObject::connect(socket, &QWebSocket::textMessageReceived, &server,
                             [this, socket](const QString& text) { Received(socket, text); });
            QObject::connect(socket, &QWebSocket::binaryMessageReceived, &server,
                             [this, socket](const QByteArray&) {
                                 Drop(socket, "It sent a binary frame.", true);
                             });
            QObject::connect(socket, &QWebSocket::pong, &server,
                             [this, socket](quint64, const QByteArray&) {
                                 const auto found = connections.find(socket);
                                 if (found != connections.end()) found->second.lastHeard = Now();
                             });
            QObject::connect(socket, &QWebSocket::disconnected, &server,
                             [this, socket]() { Disconnected(socket); });
        }
    }

    void Disconnected(QWebSocket* socket) {
        const auto found = connections.find(socket);
        if (found == connections.end()) return;
        const TConnection connection = found->second;
        connections.erase(found);
        if (socket->closeCode() == QWebSocketProtocol::CloseCodeTooMuchData) {
            Log(Who(connection) + " was cut off: It sent a frame larger than " +
                std::to_string(kMaxMessageBytes) + " bytes.");
            if (connection.seat != 0) seats[connection.seat].barred = true;
        } else
            Log(Who(connection) + " left.");
        socket->deleteLater();
        Leave(connection.seat, socket);
    }

    void Received(QWebSocket* socket, const QString& text) {
        const auto found = connections.find(socket);
        if (found == connections.end()) return;
        TConnection& connection = found->second;
        const qint64 now = Now();
        connection.lastHeard = now;
        if (now - connection.windowStart >= 1000) {
            connection.windowStart = now;
            connection.windowMessages = 0;
        }
        // A guest answers what it is sent; only what goes beyond that counts
        // against the rate.
        if (connection.answers > 0)
            --connection.answers;
        else if (++connection.windowMessages > limits.messagesPerSecond) {
            Drop(socket,
                 "It sent more than " + std::to_string(limits.messagesPerSecond) +
                     " messages a second.",
                 true);
            return;
        }
        const std::string frame = text.toStdString();
        const TDecoded<TGuestMessage> decoded = DecodeGuestMessage(frame);
        if (!decoded.Ok()) {
            Drop(socket, decoded.Problem(), true);
            return;
        }
        const TGuestMessage& message = decoded.Message();
        if (const auto* hello = std::get_if<THello>(&message)) {
            if (connection.seat != 0) return Drop(socket, "It said hello twice.", true);
            return Hello(socket, *hello);
        }
        if (connection.seat == 0)
            return Drop(socket, "It did not first say which seat it takes.", true);
        if (owner.onMessage) owner.onMessage(connection.seat, message);
    }

    void Hello(QWebSocket* socket, const THello& hello) {
        const auto found = seats.find(hello.seat);
        if (found == seats.end())
            return Drop(socket, "Seat " + std::to_string(hello.seat) + " is not offered.", true);
        TSeat& seat = found->second;
        if (!SameCode(seat.code, hello.code))
            return Drop(socket, "The code is not seat " + std::to_string(hello.seat) + "'s.", true);
        if (seat.socket != nullptr)
            return Drop(socket, "Seat " + std::to_string(hello.seat) + " is taken.", true);
        if (seat.barred)
            return Drop(socket, "Seat " + std::to_string(hello.seat) + "'s code has been used.",
                        true);
        seat.socket = socket;
        connections[socket].seat = hello.seat;
        Log("The guest of seat " + std::to_string(hello.seat) + " joined.");
        if (owner.onJoined) owner.onJoined(hello.seat);
    }

    void Tick() {
        const qint64 now = Now();
        std::vector<std::pair<QWebSocket*, std::string>> late;
        std::vector<QWebSocket*> silent;  // a line that died: they may come back
        for (auto& [socket, connection] : connections) {
            if (connection.seat == 0 && now - connection.opened > limits.helloMilliseconds)
                late.emplace_back(socket, "It did not say which seat it takes in time.");
            else if (now - connection.lastHeard > limits.silenceMilliseconds)
                silent.push_back(socket);
            else if (now - connection.lastHeard > limits.pingMilliseconds)
                socket->ping();
        }
        for (const auto& [socket, why] : late) Drop(socket, why, true);
        for (QWebSocket* socket : silent) Drop(socket, "It stopped answering.", true, false);
    }

    void Send(QWebSocket* socket, const std::string& frame) {
        if (socket->bytesToWrite() > limits.maxUnsentBytes)
            return Drop(socket, "It reads too slowly.", false, false);
        const auto found = connections.find(socket);
        if (found != connections.end())
            found->second.answers = std::min(found->second.answers + 1, kMaxAnswers);
        socket->sendTextMessage(Qt(frame));
    }
};

THostTransport::THostTransport(const THostIdentity& identity, const TTransportLimits& limits)
    : impl_(std::make_unique<TImpl>(*this, identity, limits)) {
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(
        QSslCertificate(QByteArray::fromStdString(identity.certificatePem), QSsl::Pem));
    tls.setPrivateKey(QSslKey(QByteArray::fromStdString(identity.keyPem), QSsl::Ec, QSsl::Pem));
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    impl_->server.setSslConfiguration(tls);
    impl_->server.setHandshakeTimeout(limits.helloMilliseconds);
    impl_->server.setMaxPendingConnections(limits.maxWaitingConnections);
    QObject::connect(&impl_->server, &QWebSocketServer::newConnection, &impl_->server,
                     [this]() { impl_->Accept(); });
    QObject::connect(
        &impl_->server, &QWebSocketServer::peerVerifyError, &impl_->server,
        [this](const QSslError&) { impl_->Log("A guest's secure connection failed."); });
    QObject::connect(&impl_->tick, &QTimer::timeout, &impl_->server, [this]() { impl_->Tick(); });
    impl_->tick.start(limits.tickMilliseconds);
}

THostTransport::~THostTransport() {
    for (auto& [socket, connection] : impl_->connections) {
        QObject::disconnect(socket, nullptr, &impl_->server, nullptr);
        socket->abort();
        delete socket;
    }
    impl_->connections.clear();
}

bool THostTransport::Listen(const std::string& address, std::uint16_t port, std::string& problem) {
    QHostAddress host;
    if (!host.setAddress(Qt(address))) {
        problem = "'" + address + "' is not an address to listen on.";
        return false;
    }
    if (!impl_->server.listen(host, port)) {
        problem = "The host cannot listen on port " + std::to_string(port) + ": " +
                  impl_->server.errorString().toStdString();
        return false;
    }
    return true;
}

std::uint16_t THostTransport::Port() const {
    return impl_->server.serverPort();
}
const std::string& THostTransport::Fingerprint() const {
    return impl_->identity.fingerprint;
}

std::string THostTransport::OfferSeat(int seat) {
    return OfferSeat(seat, NewSeatCode());
}

std::string THostTransport::OfferSeat(int seat, const std::string& code) {
    TImpl::TSeat& s = impl_->seats[seat];
    s.code = code;
    s.barred = false;
    return s.code;
}

bool THostTransport::SeatTaken(int seat) const {
    const auto found = impl_->seats.find(seat);
    return found != impl_->seats.end() && found->second.socket != nullptr;
}

void THostTransport::Send(int seat, const THostMessage& message) {
    const auto found = impl_->seats.find(seat);
    if (found == impl_->seats.end() || found->second.socket == nullptr) return;
    impl_->Send(found->second.socket, EncodeMessage(message));
}

void THostTransport::CutOff(int seat, const std::string& sentence) {
    const auto found = impl_->seats.find(seat);
    if (found == impl_->seats.end() || found->second.socket == nullptr) return;
    impl_->Drop(found->second.socket, sentence, true);
}

void THostTransport::Release(int seat) {
    const auto found = impl_->seats.find(seat);
    if (found != impl_->seats.end() && found->second.socket != nullptr)
        found->second.socket->close(QWebSocketProtocol::CloseCodeNormal);
}

void THostTransport::SendToAll(const THostMessage& message) {
    const std::string frame = EncodeMessage(message);
    std::vector<QWebSocket*> sockets;
    for (const auto& [seat, s] : impl_->seats)
        if (s.socket != nullptr) sockets.push_back(s.socket);
    for (QWebSocket* socket : sockets) impl_->Send(socket, frame);
}

// ---- Guest ----

struct TGuestTransport::TImpl {
    TGuestTransport& owner;
    TInvitation invitation;
    TTransportLimits limits;
    QWebSocket socket;
    bool closed = false;
    bool rejoinable = false;

    TImpl(TGuestTransport& o, const TInvitation& i, const TTransportLimits& l)
        : owner(o), invitation(i), limits(l) {
        LimitFrames(&socket);
    }

    bool RightCertificate() const {
        const QSslCertificate certificate = socket.sslConfiguration().peerCertificate();
        return !certificate.isNull() &&
               certificate.digest(QCryptographicHash::Sha256).toHex().toStdString() ==
                   invitation.fingerprint;
    }

    void End(const std::string& sentence, bool mayRejoin = false) {
        if (closed) return;
        closed = true;
        rejoinable = mayRejoin;
        socket.abort();
        if (owner.onClosed) owner.onClosed(sentence);
    }
};

TGuestTransport::TGuestTransport(const TInvitation& invitation, const TTransportLimits& limits)
    : impl_(std::make_unique<TImpl>(*this, invitation, limits)) {
    QWebSocket& socket = impl_->socket;
    // The host's certificate is its own, signed by no authority: it is
    // trusted when, and only when, it is the one the invitation names.
    QObject::connect(&socket, &QWebSocket::sslErrors, &socket, [this](const QList<QSslError>&) {
        if (impl_->RightCertificate())
            impl_->socket.ignoreSslErrors();
        else
            impl_->End("The host's certificate is not the one the invitation names.");
    });
    QObject::connect(&socket, &QWebSocket::connected, &socket, [this]() {
        // Checked again: a certificate that some authority signed raises no
        // error above, and must still be the invitation's.
        if (!impl_->RightCertificate())
            return impl_->End("The host's certificate is not the one the invitation names.");
        THello hello;
        hello.seat = impl_->invitation.seat;
        hello.code = impl_->invitation.code;
        Send(hello);
    });
    QObject::connect(
        &socket, &QWebSocket::textMessageReceived, &socket, [this](const QString& text) {
            const TDecoded<THostMessage> decoded = DecodeHostMessage(text.toStdString());
            if (!decoded.Ok())
                return impl_->End("The host sent a message outside the protocol: " +
                                  decoded.Problem());
            if (const auto* refused = std::get_if<TRefused>(&decoded.Message())) {
                // The seat is still held by the line that dropped, until the
                // host notices; anything else stands.
                const std::string taken =
                    "Seat " + std::to_string(impl_->invitation.seat) + " is taken.";
                return impl_->End("The host refused the connection: " + refused->sentence,
                                  refused->sentence == taken);
            }
            if (onMessage) onMessage(decoded.Message());
        });
    QObject::connect(&socket, &QWebSocket::binaryMessageReceived, &socket,
                     [this](const QByteArray&) { impl_->End("The host sent a binary frame."); });
    QObject::connect(&socket, &QWebSocket::disconnected, &socket,
                     [this]() { impl_->End("The connection to the host was lost.", true); });
    QObject::connect(
        &socket, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), &socket,
        [this](QAbstractSocket::SocketError) {
            impl_->End("The host cannot be reached: " + impl_->socket.errorString().toStdString(),
                       true);
        });
}

TGuestTransport::~TGuestTransport() {
    QObject::disconnect(&impl_->socket, nullptr, nullptr, nullptr);
    impl_->socket.abort();
}

void TGuestTransport::Open() {
    QUrl url;
    url.setScheme(QStringLiteral("wss"));
    url.setHost(Qt(impl_->invitation.host));
    url.setPort(impl_->invitation.port);
    url.setPath(QStringLiteral("/"));
    impl_->closed = false;
    impl_->socket.open(url);
}

void TGuestTransport::Send(const TGuestMessage& message) {
    if (impl_->closed) return;
    impl_->socket.sendTextMessage(Qt(EncodeMessage(message)));
}

bool TGuestTransport::Rejoinable() const {
    return impl_->rejoinable;
}

void TGuestTransport::Close() {
    impl_->closed = true;
    impl_->socket.close();
}

}  // namespace vaeloric::net
