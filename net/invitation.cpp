// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/invitation.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include "net/protocol.h"

namespace vaeloric::net {

namespace {
constexpr std::size_t kMaxInvitationBytes = 512;

bool IsFingerprint(const std::string& text) {
    if (text.size() != 64) return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}
}  // namespace

std::string InvitationText(const TInvitation& invitation) {
    QUrl url;
    url.setScheme(QStringLiteral("vaeloric"));
    url.setHost(QString::fromStdString(invitation.host));
    url.setPort(invitation.port);
    url.setPath(
        QStringLiteral("/%1/%2").arg(invitation.seat).arg(QString::fromStdString(invitation.code)));
    url.setQuery(QStringLiteral("sha256=") + QString::fromStdString(invitation.fingerprint));
    return url.toString(QUrl::FullyEncoded).toStdString();
}

bool ParseInvitation(const std::string& text, TInvitation& invitation, std::string& problem) {
    problem = "The invitation is not one a host gives.";
    const QString trimmed = QString::fromStdString(text).trimmed();
    if (text.size() > kMaxInvitationBytes || trimmed.isEmpty()) return false;
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("vaeloric") || url.host().isEmpty() ||
        url.port() < 1 || !url.userInfo().isEmpty() || url.hasFragment())
        return false;
    const QStringList parts = url.path().split(QLatin1Char('/'));
    if (parts.size() != 3 || !parts[0].isEmpty()) return false;
    const QUrlQuery query(url);
    if (query.queryItems().size() != 1) return false;
    TInvitation read;
    read.host = url.host().toStdString();
    read.port = static_cast<std::uint16_t>(url.port());
    bool number = false;
    read.seat = parts[1].toInt(&number);
    if (!number || parts[1].size() != 1 || read.seat < 2 || read.seat > 4) return false;
    read.code = parts[2].toStdString();
    read.fingerprint = query.queryItemValue(QStringLiteral("sha256")).toLower().toStdString();
    if (!IsSeatCode(read.code) || !IsFingerprint(read.fingerprint)) return false;
    invitation = read;
    problem.clear();
    return true;
}

std::string NewSeatCode() {
    // 32 letters: five bits of each secure 32-bit draw, with no bias.
    std::string code;
    QRandomGenerator* source = QRandomGenerator::system();
    for (std::size_t i = 0; i < kSeatCodeLength; ++i)
        code += kSeatCodeAlphabet[source->generate() % 32];
    return code;
}

}  // namespace vaeloric::net
