// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/hosting.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpServer>
#include <map>
#include <sstream>

#include "net/host_identity.h"
#include "net/host_state.h"
#include "net/protocol.h"

namespace vaeloric {

namespace {

constexpr std::size_t kMaxPastedBytes = 4096;

std::string GuestsReachUsAt() {
    if (const QString chosen = qEnvironmentVariable("VAELORIC_HOST_ADDRESS"); !chosen.isEmpty())
        return chosen.toStdString();
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces()) {
        const auto flags = card.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : card.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return entry.ip().toString().toStdString();
    }
    return "127.0.0.1";
}

// A port no other program listens on now; the board program takes it
// moments later.
std::uint16_t FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::Any, 0)) return 0;
    return probe.serverPort();
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsFingerprint(const std::string& text) {
    if (text.size() != 64) return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

const char* const kAddress = "Address";
const char* const kPort = "Port";
const char* const kSeat = "Seat";
const char* const kCode = "Seat code";
const char* const kFingerprint = "Host's certificate (SHA-256)";
const char* const kLink = "Link";

}  // namespace

bool PrepareHostedGame(const std::vector<int>& remoteSeats, const std::string& identityFolder,
                       THostedGame& game, std::string& problem) {
    net::THostIdentity identity;
    if (!net::LoadOrMakeHostIdentity(identityFolder, identity, problem)) return false;
    THostedGame ready;
    ready.seats.port = FreePort();
    if (ready.seats.port == 0) {
        problem = "No network port is free to host the game on.";
        return false;
    }
    const std::string address = GuestsReachUsAt();
    for (const int seat : remoteSeats) {
        const std::string code = net::NewSeatCode();
        ready.seats.codes[seat] = code;
        ready.invitations.push_back(
            net::TInvitation{address, ready.seats.port, seat, code, identity.fingerprint});
    }
    game = ready;
    problem.clear();
    return true;
}

bool ContinuedHostedGame(const std::string& runningPath, const std::string& identityFolder,
                         THostedGame& game) {
    net::THostState kept;
    net::THostIdentity identity;
    std::string problem;
    if (!net::ReadBoardHostState(runningPath, kept, problem) ||
        !net::LoadOrMakeHostIdentity(identityFolder, identity, problem))
        return false;
    THostedGame ready;
    ready.seats = THostedSeats{kept.port, kept.codes};
    const std::string address = GuestsReachUsAt();
    for (const auto& [seat, code] : kept.codes)
        ready.invitations.push_back(
            net::TInvitation{address, kept.port, seat, code, identity.fingerprint});
    game = ready;
    return true;
}

std::string InvitationMessage(const net::TInvitation& invitation) {
    std::ostringstream text;
    text << "You are invited to play seat " << invitation.seat << " of a Vaeloric Chess game.\n"
         << kAddress << ": " << invitation.host << "\n"
         << kPort << ": " << invitation.port << "\n"
         << kSeat << ": " << invitation.seat << "\n"
         << kCode << ": " << invitation.code << "\n"
         << kFingerprint << ": " << invitation.fingerprint << "\n"
         << kLink << ": " << net::InvitationText(invitation) << "\n";
    return text.str();
}

bool ReadInvitation(const std::string& pasted, net::TInvitation& invitation, std::string& problem) {
    if (pasted.size() > kMaxPastedBytes) {
        problem = "The invitation is too long to be one a host gives.";
        return false;
    }
    const std::string whole = Trimmed(pasted);
    if (whole.empty()) {
        problem = "Paste the invitation the host sent you.";
        return false;
    }
    // The link alone (or some other address in its place).
    if (whole.find('\n') == std::string::npos && whole.find("://") != std::string::npos)
        return net::ParseInvitation(whole, invitation, problem);

    std::map<std::string, std::string> fields;
    std::istringstream lines(whole);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(": ");
        if (colon == std::string::npos) continue;
        fields[Trimmed(line.substr(0, colon))] = Trimmed(line.substr(colon + 2));
    }
    // The fields are what the player reads; where they and the link differ,
    // the invitation was changed on its way.
    net::TInvitation read;
    const auto field = [&](const char* name, std::string& value) {
        const auto found = fields.find(name);
        if (found == fields.end() || found->second.empty()) {
            problem = std::string("The invitation has no line \"") + name + ": …\".";
            return false;
        }
        value = found->second;
        return true;
    };
    std::string port, seat;
    if (!field(kAddress, read.host) || !field(kPort, port) || !field(kSeat, seat) ||
        !field(kCode, read.code) || !field(kFingerprint, read.fingerprint))
        return false;
    if (port.empty() || port.size() > 5 ||
        port.find_first_not_of("0123456789") != std::string::npos || std::stol(port) < 1 ||
        std::stol(port) > 65535) {
        problem = "The invitation's port must be a number from 1 to 65535.";
        return false;
    }
    read.port = static_cast<std::uint16_t>(std::stol(port));
    if (seat != "2" && seat != "3" && seat != "4") {
        problem = "The invitation's seat must be 2, 3 or 4.";
        return false;
    }
    read.seat = seat[0] - '0';
    if (!net::IsSeatCode(read.code)) {
        problem = "The invitation's seat code must be the 20 letters and digits the host gave.";
        return false;
    }
    if (!IsFingerprint(read.fingerprint)) {
        problem = "The invitation's certificate fingerprint must be 64 hexadecimal digits.";
        return false;
    }
    net::TInvitation checked;
    if (!net::ParseInvitation(net::InvitationText(read), checked, problem)) {
        problem = "The invitation's address is not one a guest can reach.";
        return false;
    }
    if (const auto link = fields.find(kLink); link != fields.end()) {
        net::TInvitation linked;
        std::string ignored;
        if (!net::ParseInvitation(link->second, linked, ignored) ||
            net::InvitationText(linked) != net::InvitationText(checked)) {
            problem =
                "The invitation's link and its lines do not agree; ask the host for it again.";
            return false;
        }
    }
    invitation = checked;
    problem.clear();
    return true;
}

}  // namespace vaeloric
