// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/transport.h"

#include <gtest/gtest.h>

#include <QSslConfiguration>
#include <QSslError>
#include <QUrl>
#include <QWebSocket>
#include <algorithm>
#include <memory>
#include <vector>

#include "net_support.h"

namespace vaeloric::net {
namespace {

using test::WaitFor;

// A peer that speaks raw frames: what a hostile or broken guest can send.
class TRawPeer {
  public:
    explicit TRawPeer(std::uint16_t port) {
        QObject::connect(&socket_, &QWebSocket::sslErrors, &socket_,
                         [this](const QList<QSslError>&) { socket_.ignoreSslErrors(); });
        QObject::connect(&socket_, &QWebSocket::connected, &socket_, [this]() { open_ = true; });
        QObject::connect(&socket_, &QWebSocket::disconnected, &socket_,
                         [this]() { closed_ = true; });
        QObject::connect(&socket_, &QWebSocket::textMessageReceived, &socket_,
                         [this](const QString& text) { received_.push_back(text.toStdString()); });
        socket_.open(QUrl(QStringLiteral("wss://127.0.0.1:%1/").arg(port)));
    }
    bool WaitOpen() {
        return WaitFor([this] { return open_ || closed_; }) && open_;
    }
    void Text(const std::string& frame) { socket_.sendTextMessage(QString::fromStdString(frame)); }
    void Binary(const std::string& frame) {
        socket_.sendBinaryMessage(QByteArray::fromStdString(frame));
    }
    bool WaitClosed(int ms = 5000) {
        return WaitFor([this] { return closed_; }, ms);
    }
    const std::vector<std::string>& Received() const { return received_; }

  private:
    QWebSocket socket_;
    bool open_ = false;
    bool closed_ = false;
    std::vector<std::string> received_;
};

// A well-behaved guest through the guest's own end.
struct TGuest {
    explicit TGuest(const TInvitation& invitation) : transport(invitation) {
        transport.onMessage = [this](const THostMessage& message) { messages.push_back(message); };
        transport.onClosed = [this](const std::string& sentence) { closedWith = sentence; };
        transport.Open();
    }
    TGuestTransport transport;
    std::vector<THostMessage> messages;
    std::string closedWith;
};

class TransportTest : public ::testing::Test {
  protected:
    virtual TTransportLimits Limits() const {
        TTransportLimits limits;
        limits.helloMilliseconds = 600;
        limits.tickMilliseconds = 50;
        limits.messagesPerSecond = 20;
        return limits;
    }
    void SetUp() override {
        test::EnsureCoreApplication();
        const TTransportLimits limits = Limits();
        host = std::make_unique<THostTransport>(test::TestIdentity(), limits);
        std::string problem;
        ASSERT_TRUE(host->Listen("127.0.0.1", 0, problem)) << problem;
        host->onLog = [this](const std::string& sentence) { log.push_back(sentence); };
        host->onJoined = [this](int seat) {
            joined.push_back(seat);
            host->Send(seat, TWelcome{seat, seat, 1, "game"});
        };
        host->onLeft = [this](int seat) { left.push_back(seat); };
        host->onMessage = [this](int seat, const TGuestMessage& message) {
            received.emplace_back(seat, message);
        };
        for (int seat = 2; seat <= 4; ++seat) codes[seat] = host->OfferSeat(seat);
    }
    TInvitation Invitation(int seat) const {
        return TInvitation{"127.0.0.1", host->Port(), seat, codes[seat], host->Fingerprint()};
    }
    std::string Hello(int seat, const std::string& code) const {
        return EncodeMessage(TGuestMessage(THello{kProtocolVersion, seat, code}));
    }
    bool LogHas(const std::string& sentence) const {
        return std::find(log.begin(), log.end(), sentence) != log.end();
    }
    // A seated guest on seat 2 is still heard after whatever went wrong.
    void ExpectGameGoesOn(TGuest& guest) {
        const std::size_t before = received.size();
        guest.transport.Send(TThrowRequest{5, 0});
        ASSERT_TRUE(WaitFor([&] { return received.size() > before; }));
        EXPECT_EQ(received.back().first, 2);
        EXPECT_TRUE(guest.closedWith.empty()) << guest.closedWith;
    }

    std::unique_ptr<THostTransport> host;
    std::string codes[5];
    std::vector<std::string> log;
    std::vector<int> joined, left;
    std::vector<std::pair<int, TGuestMessage>> received;
};

TEST_F(TransportTest, AGuestWithItsInvitationTakesItsSeatAndIsHeard) {
    TGuest guest(Invitation(3));
    ASSERT_TRUE(WaitFor([&] { return !guest.messages.empty(); })) << guest.closedWith;
    EXPECT_EQ(joined, std::vector<int>{3});
    ASSERT_TRUE(std::holds_alternative<TWelcome>(guest.messages[0]));
    EXPECT_EQ(std::get<TWelcome>(guest.messages[0]).seat, 3);
    guest.transport.Send(TDropRequest{7, TSquare{2, 5}, TSquare{4, 5}});
    ASSERT_TRUE(WaitFor([&] { return !received.empty(); }));
    EXPECT_EQ(received[0].first, 3);
    EXPECT_EQ(std::get<TDropRequest>(received[0].second).turn, 7);
    host->SendToAll(TPrompt{8, 2, 0});
    ASSERT_TRUE(WaitFor([&] { return guest.messages.size() == 2; }));
    guest.transport.Close();
    ASSERT_TRUE(WaitFor([&] { return !left.empty(); }));
    EXPECT_EQ(left, std::vector<int>{3});
    EXPECT_TRUE(LogHas("The guest of seat 3 left."));
}

// A line that drops leaves the seat to the same invitation; a guest the host
// cut off does not come back; and the guest can tell which happened.
TEST_F(TransportTest, AGuestWhoseLineDroppedTakesItsSeatAgain) {
    auto first = std::make_unique<TGuest>(Invitation(2));
    ASSERT_TRUE(WaitFor([&] { return !first->messages.empty(); })) << first->closedWith;
    // While the seat is held, the same invitation is refused, but may try again.
    TGuest early(Invitation(2));
    ASSERT_TRUE(WaitFor([&] { return !early.closedWith.empty(); }));
    EXPECT_EQ(early.closedWith, "The host refused the connection: Seat 2 is taken.");
    EXPECT_TRUE(early.transport.Rejoinable());

    first->transport.Close();
    first.reset();
    ASSERT_TRUE(WaitFor([&] { return left == std::vector<int>{2}; }));
    for (int round = 0; round < 2; ++round) {
        TGuest again(Invitation(2));
        ASSERT_TRUE(WaitFor([&] { return !again.messages.empty(); })) << again.closedWith;
        EXPECT_EQ(joined, std::vector<int>(static_cast<std::size_t>(round) + 2, 2));
        ExpectGameGoesOn(again);
        again.transport.Close();
        ASSERT_TRUE(WaitFor([&] { return left.size() == static_cast<std::size_t>(round) + 2; }));
    }

    TGuest ruled(Invitation(4));
    ASSERT_TRUE(WaitFor([&] { return !ruled.messages.empty(); })) << ruled.closedWith;
    host->CutOff(4, "It did not move in time.");
    ASSERT_TRUE(WaitFor([&] { return !ruled.closedWith.empty(); }));
    EXPECT_EQ(ruled.closedWith, "The host refused the connection: It did not move in time.");
    EXPECT_FALSE(ruled.transport.Rejoinable());
    TGuest barred(Invitation(4));
    ASSERT_TRUE(WaitFor([&] { return !barred.closedWith.empty(); }));
    EXPECT_EQ(barred.closedWith, "The host refused the connection: Seat 4's code has been used.");
    EXPECT_FALSE(barred.transport.Rejoinable());
    EXPECT_EQ(std::count(joined.begin(), joined.end(), 4), 1);

    // A host that is gone: the line was lost, and the guest may try again.
    TGuest stranded(Invitation(3));
    ASSERT_TRUE(WaitFor([&] { return !stranded.messages.empty(); })) << stranded.closedWith;
    host.reset();
    ASSERT_TRUE(WaitFor([&] { return !stranded.closedWith.empty(); }));
    EXPECT_TRUE(stranded.transport.Rejoinable()) << stranded.closedWith;
}

// A guest that does not take in what it is sent as fast as the host sends it
// is cut off before the host's queue grows without end; it was not breaking
// the rules, so it may come back, and the other seats play on throughout.
TEST_F(TransportTest, ASlowReaderIsCutOffAndMayComeBack) {
    TTransportLimits limits;
    limits.maxUnsentBytes = 4096;
    THostTransport small(test::TestIdentity(), limits);
    std::string problem;
    ASSERT_TRUE(small.Listen("127.0.0.1", 0, problem)) << problem;
    std::vector<std::string> smallLog;
    std::vector<std::pair<int, TGuestMessage>> heard;
    small.onLog = [&](const std::string& sentence) { smallLog.push_back(sentence); };
    small.onJoined = [&](int seat) { small.Send(seat, TWelcome{seat, seat, 1, "game"}); };
    small.onMessage = [&](int seat, const TGuestMessage& m) { heard.emplace_back(seat, m); };
    std::string code[5];
    for (int seat : {2, 3}) code[seat] = small.OfferSeat(seat);
    auto invitation = [&](int seat) {
        return TInvitation{"127.0.0.1", small.Port(), seat, code[seat], small.Fingerprint()};
    };
    TGuest steady(invitation(2));
    auto slow = std::make_unique<TGuest>(invitation(3));
    ASSERT_TRUE(WaitFor([&] { return !steady.messages.empty() && !slow->messages.empty(); }));

    // More than the queue may hold, sent before the event loop can write it.
    const TWelcome large{3, 3, 2, std::string(kMaxGameTextBytes - 100, 'x')};
    for (int i = 0; i < 3; ++i) small.Send(3, large);
    ASSERT_TRUE(WaitFor([&] { return !slow->closedWith.empty(); })) << slow->closedWith;
    EXPECT_TRUE(std::find(smallLog.begin(), smallLog.end(),
                          "The guest of seat 3 was cut off: It reads too slowly.") !=
                smallLog.end())
        << testing::PrintToString(smallLog);
    EXPECT_FALSE(small.SeatTaken(3));

    steady.transport.Send(TThrowRequest{4, 0});
    ASSERT_TRUE(WaitFor([&] { return !heard.empty(); }));
    EXPECT_EQ(heard.back().first, 2);
    EXPECT_TRUE(steady.closedWith.empty()) << steady.closedWith;

    slow.reset();
    TGuest back(invitation(3));
    ASSERT_TRUE(WaitFor([&] { return !back.messages.empty(); })) << back.closedWith;
    EXPECT_TRUE(small.SeatTaken(3));
}

// A guest refuses a host whose certificate is not its invitation's, before
// it gives away its seat code.
TEST_F(TransportTest, AGuestRefusesAnotherCertificate) {
    TInvitation invitation = Invitation(2);
    invitation.fingerprint[0] = invitation.fingerprint[0] == 'a' ? 'b' : 'a';
    TGuest guest(invitation);
    ASSERT_TRUE(WaitFor([&] { return !guest.closedWith.empty(); }));
    EXPECT_EQ(guest.closedWith, "The host's certificate is not the one the invitation names.");
    test::WaitFor([] { return false; }, 200);
    EXPECT_TRUE(joined.empty());
    // The code was never sent, so the right guest still gets the seat.
    TGuest right(Invitation(2));
    ASSERT_TRUE(WaitFor([&] { return !right.messages.empty(); })) << right.closedWith;
}

// Each bad peer is cut off with one sentence in the host's log, and told
// why where it can still hear; the seated guest plays on.
TEST_F(TransportTest, BadPeersAreCutOffAndTheGameGoesOn) {
    TGuest seated(Invitation(2));
    ASSERT_TRUE(WaitFor([&] { return !seated.messages.empty(); })) << seated.closedWith;
    const std::string throwFrame = EncodeMessage(TGuestMessage(TThrowRequest{1, 0}));
    struct TCase {
        const char* name;
        std::function<void(TRawPeer&)> act;
        std::string sentence;
    };
    const std::vector<TCase> cases = {
        {"wrong code", [&](TRawPeer& p) { p.Text(Hello(3, codes[4])); },
         "A guest was cut off: The code is not seat 3's."},
        {"taken seat", [&](TRawPeer& p) { p.Text(Hello(2, codes[2])); },
         "A guest was cut off: Seat 2 is taken."},
        {"malformed", [&](TRawPeer& p) { p.Text("{\"type\":\"hello\""); },
         "A guest was cut off: The message is not valid JSON."},
        {"outside the schema",
         [&](TRawPeer& p) { p.Text(R"({"type":"throw","turn":1,"face":9})"); },
         "A guest was cut off: The 'throw' message has a bad 'face' field."},
        {"no hello first", [&](TRawPeer& p) { p.Text(throwFrame); },
         "A guest was cut off: It did not first say which seat it takes."},
        {"binary", [&](TRawPeer& p) { p.Binary("hello"); },
         "A guest was cut off: It sent a binary frame."},
        {"oversized", [&](TRawPeer& p) { p.Text(std::string(kMaxMessageBytes + 10, ' ')); },
         "A guest was cut off: It sent a frame larger than 65536 bytes."},
        {"flood",
         [&](TRawPeer& p) {
             p.Text(Hello(3, codes[3]));
             for (int i = 0; i < 40; ++i) p.Text(throwFrame);
         },
         "The guest of seat 3 was cut off: It sent more than 20 messages a second."},
        {"reused code", [&](TRawPeer& p) { p.Text(Hello(3, codes[3])); },
         "A guest was cut off: Seat 3's code has been used."},
        {"silent", [](TRawPeer&) {},
         "A guest was cut off: It did not say which seat it takes in time."},
    };
    for (const TCase& c : cases) {
        log.clear();
        TRawPeer peer(host->Port());
        ASSERT_TRUE(peer.WaitOpen()) << c.name;
        c.act(peer);
        EXPECT_TRUE(peer.WaitClosed()) << c.name;
        EXPECT_TRUE(WaitFor([&] { return LogHas(c.sentence); }, 2000))
            << c.name << ": " << testing::PrintToString(log);
        ExpectGameGoesOn(seated);
    }
    // The flooding guest of seat 3 received nothing from the seated one.
    for (const auto& [seat, message] : received) EXPECT_TRUE(seat == 2 || seat == 3);
}

// Newcomers wait long enough here for a loaded machine to open them all.
class TransportFloodTest : public TransportTest {
  protected:
    TTransportLimits Limits() const override {
        TTransportLimits limits;
        limits.helloMilliseconds = 20000;
        limits.maxWaitingConnections = 3;
        return limits;
    }
};

// A flood of connections that never say hello fills the host's few places
// for newcomers; the next one is turned away, and the seated guest plays on.
TEST_F(TransportFloodTest, AFloodOfConnectionsIsTurnedAway) {
    TGuest seated(Invitation(2));
    ASSERT_TRUE(WaitFor([&] { return !seated.messages.empty(); })) << seated.closedWith;
    std::vector<std::unique_ptr<TRawPeer>> waiting;
    for (int i = 0; i < Limits().maxWaitingConnections; ++i) {
        waiting.push_back(std::make_unique<TRawPeer>(host->Port()));
        ASSERT_TRUE(waiting.back()->WaitOpen()) << i;
    }
    TRawPeer turnedAway(host->Port());
    EXPECT_TRUE(turnedAway.WaitClosed());
    EXPECT_TRUE(LogHas("A guest was cut off: Too many guests are connecting at once."))
        << testing::PrintToString(log);
    ExpectGameGoesOn(seated);
}

}  // namespace
}  // namespace vaeloric::net
