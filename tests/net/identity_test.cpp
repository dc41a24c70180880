// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <set>

#include "flow/safe_file.h"
#include "net/host_identity.h"
#include "net/invitation.h"
#include "net/protocol.h"
#include "net_support.h"

namespace vaeloric::net {
namespace {

// The host makes its identity once, keeps the key for its owner only, and
// hands out the same fingerprint ever after; the fingerprint is the one a
// guest computes from the certificate it is shown.
TEST(HostIdentity, IsMadeOnceAndKept) {
    test::EnsureCoreApplication();
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/data/network";
    THostIdentity first, second;
    std::string problem;
    ASSERT_TRUE(LoadOrMakeHostIdentity(folder, first, problem)) << problem;
    ASSERT_TRUE(LoadOrMakeHostIdentity(folder, second, problem)) << problem;
    EXPECT_EQ(first.fingerprint, second.fingerprint);
    EXPECT_EQ(first.keyPem, second.keyPem);
    const QSslCertificate certificate(QByteArray::fromStdString(first.certificatePem), QSsl::Pem);
    ASSERT_FALSE(certificate.isNull());
    EXPECT_EQ(certificate.digest(QCryptographicHash::Sha256).toHex().toStdString(),
              first.fingerprint);
    struct stat info {};
    ASSERT_EQ(stat((folder + "/host-key.pem").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    THostIdentity other;
    ASSERT_TRUE(MakeHostIdentity(other, problem));
    EXPECT_NE(other.fingerprint, first.fingerprint);
}

// A kept identity that is damaged is refused, and left as it is, so that
// the host never silently changes the fingerprint its invitations carry.
TEST(HostIdentity, DamagedOrMismatchedFilesAreRefusedAndKept) {
    THostIdentity other;
    std::string problem;
    ASSERT_TRUE(MakeHostIdentity(other, problem));
    struct TCase {
        const char* name;
        std::function<void(const std::string& folder)> damage;
    };
    const std::vector<TCase> cases = {
        {"cut certificate",
         [](const std::string& f) {
             std::string pem;
             ReadFileSafely(f + "/host-certificate.pem", 1 << 16, pem);
             SafeWriteFile(f + "/host-certificate.pem", pem.substr(0, pem.size() / 2));
         }},
        {"another key",
         [&](const std::string& f) { SafeWriteFile(f + "/host-key.pem", other.keyPem); }},
        {"no key", [](const std::string& f) { std::remove((f + "/host-key.pem").c_str()); }},
        {"huge certificate",
         [](const std::string& f) {
             SafeWriteFile(f + "/host-certificate.pem", std::string(100000, 'A'));
         }},
    };
    for (const TCase& c : cases) {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        THostIdentity made;
        ASSERT_TRUE(LoadOrMakeHostIdentity(folder, made, problem));
        c.damage(folder);
        std::string before;
        ReadFileSafely(folder + "/host-certificate.pem", 1 << 20, before);
        THostIdentity read;
        EXPECT_FALSE(LoadOrMakeHostIdentity(folder, read, problem)) << c.name;
        EXPECT_NE(problem.find("remove both files to make a new one."), std::string::npos)
            << c.name << problem;
        std::string after;
        ReadFileSafely(folder + "/host-certificate.pem", 1 << 20, after);
        EXPECT_EQ(before, after) << c.name;
    }
}

TEST(Invitation, ReadsBackAndRefusesAnythingElse) {
    const std::string code = NewSeatCode();
    const std::string print(64, 'a');
    for (const std::string host : {"127.0.0.1", "::1", "chess.example.org"}) {
        const TInvitation written{host, 47110, 3, code, print};
        TInvitation read;
        std::string problem;
        const std::string text = InvitationText(written);
        ASSERT_TRUE(ParseInvitation("  " + text + "\n", read, problem)) << text;
        EXPECT_EQ(read.host, host);
        EXPECT_EQ(read.port, 47110);
        EXPECT_EQ(read.seat, 3);
        EXPECT_EQ(read.code, code);
        EXPECT_EQ(read.fingerprint, print);
    }
    const std::string good = "vaeloric://10.0.0.2:5000/2/" + code + "?sha256=" + print;
    TInvitation read;
    std::string problem;
    ASSERT_TRUE(ParseInvitation(good, read, problem));
    const std::vector<std::string> bad = {
        "",
        "https://10.0.0.2:5000/2/" + code + "?sha256=" + print,
        "vaeloric://10.0.0.2/2/" + code + "?sha256=" + print,
        "vaeloric://10.0.0.2:5000/1/" + code + "?sha256=" + print,
        "vaeloric://10.0.0.2:5000/5/" + code + "?sha256=" + print,
        "vaeloric://10.0.0.2:5000/02/" + code + "?sha256=" + print,
        "vaeloric://10.0.0.2:5000/2/" + code.substr(1) + "?sha256=" + print,
        "vaeloric://10.0.0.2:5000/2/" + code + "?sha256=" + print.substr(1),
        "vaeloric://10.0.0.2:5000/2/" + code + "?sha256=" + std::string(64, 'g'),
        "vaeloric://10.0.0.2:5000/2/" + code,
        "vaeloric://10.0.0.2:5000/2/" + code + "/x?sha256=" + print,
        "vaeloric://10.0.0.2:5000/2/" + code + "?sha256=" + print + "&x=1",
        "vaeloric://user@10.0.0.2:5000/2/" + code + "?sha256=" + print,
        good + "#top",
        good + std::string(600, ' ') + "x",
    };
    for (const std::string& text : bad) {
        EXPECT_FALSE(ParseInvitation(text, read, problem)) << text;
        EXPECT_EQ(problem, "The invitation is not one a host gives.");
    }
}

TEST(Invitation, SeatCodesAreValidAndDoNotRepeat) {
    std::set<std::string> codes;
    std::set<char> letters;
    for (int i = 0; i < 200; ++i) {
        const std::string code = NewSeatCode();
        EXPECT_TRUE(IsSeatCode(code)) << code;
        codes.insert(code);
        letters.insert(code.begin(), code.end());
    }
    EXPECT_EQ(codes.size(), 200u);
    EXPECT_EQ(letters.size(), kSeatCodeAlphabet.size());
}

}  // namespace
}  // namespace vaeloric::net
