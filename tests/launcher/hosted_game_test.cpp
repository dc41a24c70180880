// SPDX-License-Identifier: GPL-3.0-or-later

// Hosting a game from the launcher: the invitations it shows are the ones its
// board program is told to accept, and a guest's paste is read back whole or
// refused with a sentence that says what is wrong.
#include <sys/stat.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <set>

#include "flow/analysis_file.h"
#include "flow/hosted_seats.h"
#include "launch/question_form.h"
#include "launcher/ask_page.h"
#include "launcher/hosting.h"
#include "launcher/launcher_app.h"
#include "launcher/network_pages.h"
#include "net/host_identity.h"
#include "net/host_state.h"
#include "net/protocol.h"
#include "tests/launcher/launcher_fixture.h"

namespace vaeloric::testing {
namespace {

// A stand-in Water board program that keeps the seats it was told to host.
constexpr const char* kFakeBoard = R"sh(#!/bin/sh
printf '%s' "$VAELORIC_HOSTED_SEATS" > "$FAKE_DIR/hosted"
cat "$FAKE_DIR/answer" > "$VAELORIC_ANALYSIS_FILE"
)sh";

const std::string kPrint(64, 'c');

net::TInvitation Invitation(const std::string& host, int seat) {
    return {host, 47110, seat, "ABCDEFGHJKLMNPQRST23", kPrint};
}

bool Same(const net::TInvitation& a, const net::TInvitation& b) {
    return a.host == b.host && a.port == b.port && a.seat == b.seat && a.code == b.code &&
           a.fingerprint == b.fingerprint;
}

// Replaces the first `from` in the text.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(Invitations, TheTextAndTheLinkReadBackAsSent) {
    for (const std::string host : {"192.168.1.20", "game.example.org", "::1"})
        for (int seat = 2; seat <= 4; ++seat) {
            const net::TInvitation sent = Invitation(host, seat);
            const std::string text = InvitationMessage(sent);
            SCOPED_TRACE(text);
            const std::string link = net::InvitationText(sent);
            // The whole text, the link alone, and the text without its link
            // (a mail program that left out the last line).
            const std::string withoutLink = text.substr(0, text.find("Link: "));
            for (const std::string& pasted : {text, "  " + link + "\n", withoutLink}) {
                net::TInvitation read;
                std::string problem;
                ASSERT_TRUE(ReadInvitation(pasted, read, problem)) << pasted << "\n" << problem;
                EXPECT_TRUE(Same(read, sent));
                EXPECT_TRUE(problem.empty());
            }
        }
}

TEST(Invitations, ABadOneIsRefusedWithWhatIsWrong) {
    const std::string text = InvitationMessage(Invitation("192.168.1.20", 3));
    const std::string link = net::InvitationText(Invitation("192.168.1.20", 3));
    const struct {
        std::string pasted;
        std::string sentence;
    } cases[] = {
        {" \n\t", "Paste the invitation the host sent you."},
        {std::string(5000, 'x'), "The invitation is too long to be one a host gives."},
        {"Hello, come and play!", "The invitation has no line \"Address: …\"."},
        {Edited(text, "Seat code: ", "Code: "), "The invitation has no line \"Seat code: …\"."},
        {Edited(text, "Port: 47110", "Port: 0"),
         "The invitation's port must be a number from 1 to 65535."},
        {Edited(text, "Port: 47110", "Port: 70000"),
         "The invitation's port must be a number from 1 to 65535."},
        {Edited(text, "Port: 47110", "Port: 47a10"),
         "The invitation's port must be a number from 1 to 65535."},
        {Edited(text, "Seat: 3", "Seat: 1"), "The invitation's seat must be 2, 3 or 4."},
        {Edited(text, "Seat: 3", "Seat: 33"), "The invitation's seat must be 2, 3 or 4."},
        {Edited(text, "Seat code: ABCDEFGHJKLMNPQRST23", "Seat code: ABCDEFGHJKLMNPQRST2"),
         "The invitation's seat code must be the 20 letters and digits the host gave."},
        {Edited(text, "Seat code: ABCDEFGHJKLMNPQRST23", "Seat code: OBCDEFGHJKLMNPQRST23"),
         "The invitation's seat code must be the 20 letters and digits the host gave."},
        {Edited(text, kPrint + "\n", kPrint.substr(1) + "\n"),
         "The invitation's certificate fingerprint must be 64 hexadecimal digits."},
        {Edited(text, kPrint + "\n", "g" + kPrint.substr(1) + "\n"),
         "The invitation's certificate fingerprint must be 64 hexadecimal digits."},
        {Edited(text, "Address: 192.168.1.20", "Address: a b"),
         "The invitation's address is not one a guest can reach."},
        // The lines say one thing and the link another.
        {Edited(text, "Seat: 3", "Seat: 4"),
         "The invitation's link and its lines do not agree; ask the host for it again."},
        {Edited(text, "/3/ABCD", "/3/ZBCD"),
         "The invitation's link and its lines do not agree; ask the host for it again."},
        {Edited(link, "vaeloric:", "https:"), "The invitation is not one a host gives."},
        {Edited(link, "/3/", "/5/"), "The invitation is not one a host gives."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.pasted);
        net::TInvitation read = Invitation("untouched", 2);
        std::string problem;
        EXPECT_FALSE(ReadInvitation(test.pasted, read, problem));
        EXPECT_EQ(problem, test.sentence);
        EXPECT_TRUE(Same(read, Invitation("untouched", 2)));
    }
}

TEST(Invitations, OnlyALinkIsJoinedFromTheCommandLine) {
    EXPECT_TRUE(IsInvitationLink("vaeloric://10.0.0.2:4000/2/X?sha256=1"));
    EXPECT_TRUE(IsInvitationLink("VAELORIC://10.0.0.2:4000/2/X?sha256=1"));
    EXPECT_FALSE(IsInvitationLink("vaeloric.vae"));
    EXPECT_TRUE(SavedGameArgument({"vaeloric", "vaeloric://10.0.0.2:4000/2/X"}).isEmpty());
    EXPECT_EQ(SavedGameArgument({"vaeloric", "file:///games/earth%20game.vae"}),
              "/games/earth game.vae");
}

TEST(HostedSeats, TheBoardProgramsLineReadsBackAndRefusesTheRest) {
    const THostedSeats seats{47110, {{2, "ABC"}, {4, "XYZ23"}}};
    THostedSeats read;
    ASSERT_TRUE(ParseHostedSeats(FormatHostedSeats(seats), read));
    EXPECT_EQ(read.port, 47110);
    EXPECT_EQ(read.codes, seats.codes);
    for (const std::string bad : {"", "47110", "0 2=ABC", "65536 2=ABC", "-1 2=ABC", "x 2=ABC",
                                  "47110 1=ABC", "47110 5=ABC", "47110 2=", "47110 2=abc",
                                  "47110 2=ABC 2=DEF", "47110 2:ABC", "47110 22=ABC"}) {
        SCOPED_TRACE(bad);
        THostedSeats untouched{1, {{3, "Q"}}};
        EXPECT_FALSE(ParseHostedSeats(bad, untouched));
        EXPECT_EQ(untouched.port, 1);
    }
}

class HostedGame : public LauncherTest {};

// A hosted game whose board program died is continued with its guests'
// invitations as they were: the same port, seats and codes, and the
// certificate this machine hosts with; a game at one screen has none.
TEST_F(HostedGame, AContinuedOneInvitesItsGuestsAsBefore) {
    setenv("VAELORIC_HOST_ADDRESS", "198.51.100.7", 1);
    const std::string identityFolder = (folder / "identity").string();
    const std::string running = (folder / "W-41.vae").string();
    THostedGame game;
    EXPECT_FALSE(ContinuedHostedGame(running, identityFolder, game));

    net::THostState kept;
    kept.port = 47111;
    kept.codes = {{2, "ABCDEFGHJKLMNPQRST23"}, {4, "23456789ABCDEFGHJKLM"}};
    kept.game = "the set-up";
    ASSERT_TRUE(net::KeepBoardHostState(running, kept));
    ASSERT_TRUE(ContinuedHostedGame(running, identityFolder, game));
    net::THostIdentity identity;
    std::string problem;
    ASSERT_TRUE(net::LoadOrMakeHostIdentity(identityFolder, identity, problem)) << problem;
    EXPECT_EQ(game.seats.port, kept.port);
    EXPECT_EQ(game.seats.codes, kept.codes);
    ASSERT_EQ(game.invitations.size(), 2u);
    for (const net::TInvitation& invitation : game.invitations) {
        EXPECT_EQ(invitation.host, "198.51.100.7");
        EXPECT_EQ(invitation.port, kept.port);
        EXPECT_EQ(invitation.code, kept.codes.at(invitation.seat));
        EXPECT_EQ(invitation.fingerprint, identity.fingerprint);
    }
}

// Each remote seat gets a code of its own and an invitation; the board
// program is told the same codes and port, and nothing of it reaches the
// next game.
TEST_F(HostedGame, TheInvitationsShownAreTheSeatsTheBoardProgramHosts) {
    const auto board = folder / "bin" / "marisel";
    WriteFile(board, kFakeBoard);
    chmod(board.c_str(), 0755);
    setenv("FAKE_DIR", folder.c_str(), 1);
    setenv("VAELORIC_HOST_ADDRESS", "198.51.100.7", 1);
    WriteFile(folder / "answer", UnfinishedGameText("Nothing decided."));

    TQuestionForm form;
    form.question = "Will the ship come in?";
    form.questionerName = "Ann";
    form.element = TQuestionElement::Water;
    form.seats[2] = {1, "Bea", true};
    form.seats[3] = {8, ""};
    form.seats[4] = {1, "Cy", true};
    form.ptah = {3, 3};
    TLauncherWindow window(JournalPath());
    window.AskPage().SetForm(form);
    const TQuestionForm shown = window.AskPage().Form();
    EXPECT_TRUE(shown.seats[2].remote && shown.seats[4].remote && !shown.seats[3].remote);
    EXPECT_EQ(RemoteSeats(shown), (std::vector<int>{2, 4}));
    window.AskQuestion();
    ASSERT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Progress);

    std::vector<net::TInvitation> invitations;
    for (const QPlainTextEdit* text : window.findChildren<QPlainTextEdit*>()) {
        if (!text->accessibleName().startsWith("Invitation text")) continue;
        net::TInvitation read;
        std::string problem;
        ASSERT_TRUE(ReadInvitation(text->toPlainText().toStdString(), read, problem)) << problem;
        invitations.push_back(read);
    }
    ASSERT_EQ(invitations.size(), 2u);
    ASSERT_TRUE(WaitForGameEnd(window));

    std::ifstream kept(folder / "hosted");
    std::string line((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    THostedSeats hosted;
    ASSERT_TRUE(ParseHostedSeats(line, hosted)) << line;
    std::set<int> seats;
    for (const net::TInvitation& invitation : invitations) {
        seats.insert(invitation.seat);
        EXPECT_EQ(invitation.host, "198.51.100.7");
        EXPECT_EQ(invitation.port, hosted.port);
        EXPECT_EQ(invitation.code, hosted.codes.at(invitation.seat));
        EXPECT_TRUE(net::IsSeatCode(invitation.code));
    }
    EXPECT_EQ(seats, (std::set<int>{2, 4}));
    EXPECT_NE(hosted.codes.at(2), hosted.codes.at(4));
    EXPECT_EQ(invitations[0].fingerprint, invitations[1].fingerprint);

    // The next game, at one screen, is not hosted.
    form.seats[2] = {1, "Bea"};
    form.seats[4] = {1, "Cy"};
    window.AskPage().SetForm(form);
    window.AskQuestion();
    ASSERT_TRUE(WaitForGameEnd(window));
    std::ifstream again(folder / "hosted");
    EXPECT_EQ(
        std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()), "");
    unsetenv("VAELORIC_HOST_ADDRESS");
}

TEST_F(HostedGame, TheJoinDialogStaysWithItsSentenceUntilTheInvitationIsGood) {
    TJoinDialog dialog;
    dialog.SetText("vaeloric://nowhere");
    EXPECT_FALSE(dialog.TryJoin());
    EXPECT_EQ(dialog.Problem(), "The invitation is not one a host gives.");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    const net::TInvitation sent = Invitation("10.0.0.2", 4);
    dialog.SetText(QString::fromStdString(InvitationMessage(sent)));
    EXPECT_TRUE(dialog.Problem().isEmpty());  // typing clears it
    EXPECT_TRUE(dialog.TryJoin());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(Same(dialog.Invitation(), sent));
}

}  // namespace
}  // namespace vaeloric::testing
