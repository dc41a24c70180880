// SPDX-License-Identifier: GPL-3.0-or-later

// TMMPlayer's own rules, against a stub sound system that records commands.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "media/mm_player.h"
#include "media/music_rules.h"
#include "tests/media/options_tiny_midi.h"

namespace vaeloric {
namespace {

struct TCommandLog {
    std::vector<std::string> commands;
};

class TStubBackend : public TMciBackend {
  public:
    explicit TStubBackend(std::shared_ptr<TCommandLog> commandLog) : log(std::move(commandLog)) {}

    std::uint32_t Open(const char* element, const char* type, std::uint32_t& id) override {
        log->commands.push_back(std::string("open ") + (element ? element : "-") + " " +
                                (type ? type : "-"));
        if (openResult != 0) return openResult;
        id = nextId++;
        return 0;
    }
    std::uint32_t Play(std::uint32_t id) override {
        log->commands.push_back("play " + std::to_string(id));
        playing = true;
        return 0;
    }
    std::uint32_t Seek(std::uint32_t id, TSeekTarget target, std::uint32_t ms) override {
        const char* names[] = {"start", "end", "to"};
        log->commands.push_back("seek " + std::to_string(id) + " " +
                                names[static_cast<int>(target)] + " " + std::to_string(ms));
        playing = false;
        return 0;
    }
    std::uint32_t Close(std::uint32_t id) override {
        log->commands.push_back("close " + std::to_string(id));
        playing = false;
        return 0;
    }
    bool IsPlaying(std::uint32_t) const override { return playing; }

    std::shared_ptr<TCommandLog> log;
    std::uint32_t openResult = 0;
    std::uint32_t nextId = 7;
    bool playing = false;
};

class PlayerTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::EnsureCoreApplication(); }

    // A fresh player over a fresh stub, with an empty log.
    TMMPlayer& MakePlayer(bool showErrors = false) {
        player.reset();
        log->commands.clear();
        auto stub = std::make_unique<TStubBackend>(log);
        backend = stub.get();
        player = std::make_unique<TMMPlayer>(nullptr, std::move(stub), nullptr, showErrors);
        player->SetErrorReporter([this](const char* text, const char* caption) {
            boxes.push_back(std::string(caption) + ": " + text);
        });
        QObject::connect(player.get(), &TMMPlayer::MciNotify,
                         [this](quint32 status, quint32) { notifications.push_back(status); });
        return *player;
    }

    std::shared_ptr<TCommandLog> log = std::make_shared<TCommandLog>();
    TStubBackend* backend = nullptr;
    std::unique_ptr<TMMPlayer> player;
    std::vector<std::string> boxes;
    std::vector<quint32> notifications;
};

TEST_F(PlayerTest, CommandsWithoutDeviceReturnNotReadyAndSendNothing) {
    struct TCase {
        const char* name;
        std::uint32_t (*run)(TMMPlayer&);
        const char* caption;
    };
    const TCase cases[] = {
        {"play", [](TMMPlayer& p) { return p.Play(kMciNotify); }, kMciPlayErrorCaption},
        {"seek", [](TMMPlayer& p) { return p.Seek(0, kMciSeekToStart); }, kMciSeekErrorCaption},
        {"seek to", [](TMMPlayer& p) { return p.Seek(1500, 0); }, kMciSeekErrorCaption},
        {"close", [](TMMPlayer& p) { return p.Close(); }, kMciCloseErrorCaption},
    };
    for (const TCase& c : cases) {
        for (bool show : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (show ? " shown" : " silent"));
            log->commands.clear();
            boxes.clear();
            TMMPlayer& p = MakePlayer(show);
            EXPECT_EQ(c.run(p), kMciErrDeviceNotReady);
            EXPECT_EQ(p.LastError(), kMciErrDeviceNotReady);
            EXPECT_TRUE(log->commands.empty());
            if (show) {  // one box with the operation's caption
                ASSERT_EQ(boxes.size(), 1u);
                EXPECT_EQ(boxes[0], std::string(c.caption) + ": " + MciErrorText(276));
            } else {
                EXPECT_TRUE(boxes.empty());
            }
        }
    }
}

TEST_F(PlayerTest, DeviceAlreadyOpenClosesInsteadOfShowingABox) {
    TMMPlayer& p = MakePlayer(true);
    ASSERT_EQ(p.Open("sontina3.mid"), 0u);
    backend->openResult = kMciErrDeviceOpen;
    EXPECT_EQ(p.Open("sontina3.mid"), kMciErrDeviceOpen);
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(p.IsOpen());
    EXPECT_EQ(log->commands.back(), "close 7");

    // With error display off nothing is reported and the device stays open.
    TMMPlayer& quiet = MakePlayer(false);
    backend->openResult = 0;
    ASSERT_EQ(quiet.Open("sontina3.mid"), 0u);
    backend->openResult = kMciErrDeviceOpen;
    EXPECT_EQ(quiet.Open("sontina3.mid"), kMciErrDeviceOpen);
    EXPECT_TRUE(quiet.IsOpen());
}

TEST_F(PlayerTest, OpeningAnotherFileClosesTheOldDevice) {
    TMMPlayer& p = MakePlayer();
    ASSERT_EQ(p.Open("a.mid"), 0u);
    ASSERT_EQ(p.Open("b.mid", "sequencer"), 0u);
    EXPECT_EQ(p.DeviceId(), 8u);
    EXPECT_EQ(log->commands,
              (std::vector<std::string>{"open a.mid -", "open b.mid sequencer", "close 7"}));
}

TEST_F(PlayerTest, SeekTargets) {
    TMMPlayer& p = MakePlayer();
    ASSERT_EQ(p.Open("a.mid"), 0u);
    log->commands.clear();
    p.Seek(0, kMciSeekToStart);
    p.Seek(0, kMciSeekToEnd);
    p.Seek(2500, kMciSeekToStart);  // a position overrides the flags
    EXPECT_EQ(log->commands,
              (std::vector<std::string>{"seek 7 start 0", "seek 7 end 0", "seek 7 to 2500"}));
}

TEST_F(PlayerTest, CompletionIsReportedOnceAndOnlyWhenAsked) {
    TMMPlayer& p = MakePlayer();
    ASSERT_EQ(p.Open("a.mid"), 0u);

    // Without kMciNotify the end goes unreported.
    p.Play(0);
    backend->playing = false;
    testing::RunEventsUntil([] { return false; }, 3 * TMMPlayer::kCompletionPollMs);
    EXPECT_TRUE(notifications.empty());

    p.Play(kMciNotify);
    testing::RunEventsUntil([] { return false; }, 3 * TMMPlayer::kCompletionPollMs);
    EXPECT_TRUE(notifications.empty()) << "still playing";
    backend->playing = false;
    EXPECT_TRUE(testing::RunEventsUntil([this] { return !notifications.empty(); }, 5000));
    testing::RunEventsUntil([] { return false; }, 3 * TMMPlayer::kCompletionPollMs);
    EXPECT_EQ(notifications, std::vector<quint32>{kMciNotifySuccessful});

    // Closing or seeking before the end drops the awaited completion.
    notifications.clear();
    p.Play(kMciNotify);
    p.Seek(0, kMciSeekToStart);
    p.Play(kMciNotify);
    p.Close();
    testing::RunEventsUntil([] { return false; }, 3 * TMMPlayer::kCompletionPollMs);
    EXPECT_TRUE(notifications.empty());
}

TEST_F(PlayerTest, DestructionClosesAnOpenDevice) {
    MakePlayer().Open("a.mid");
    player.reset();
    EXPECT_EQ(log->commands.back(), "close 7");
}

// The window's music rules, driven through the player and its stub.
TEST_F(PlayerTest, MusicChoices) {
    struct TCase {
        const char* name;
        std::vector<bool> choices;  // music dialog OKs in order
        std::vector<std::string> commands;
        bool musicOn;
    };
    const TCase cases[] = {
        {"on", {true}, {"open sontina3.mid -", "play 7"}, true},
        {"on twice opens once", {true, true}, {"open sontina3.mid -", "play 7"}, true},
        {"off with nothing open sends nothing", {false}, {}, false},
        {"on then off", {true, false}, {"open sontina3.mid -", "play 7", "close 7"}, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        log->commands.clear();
        TMMPlayer& p = MakePlayer();
        bool musicOn = false;
        for (bool choice : c.choices) ApplyMusicChoice(choice, musicOn, p);
        EXPECT_EQ(log->commands, c.commands);
        EXPECT_EQ(musicOn, c.musicOn);
    }
}

TEST_F(PlayerTest, MissingMusicLeavesTheFlagOnAndPlaysNothing) {
    TMMPlayer& p = MakePlayer();
    backend->openResult = kMciErrFileNotFound;
    bool musicOn = false;
    ApplyMusicChoice(true, musicOn, p);
    EXPECT_TRUE(musicOn);
    EXPECT_EQ(log->commands, std::vector<std::string>{"open sontina3.mid -"});
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PlayerTest, NewOrLoadedGameClearsTheFlagWhileMusicPlaysOn) {
    for (void (*reset)(bool&) : {&MusicFlagForNewGame, &MusicFlagForLoadedGame}) {
        log->commands.clear();
        TMMPlayer& p = MakePlayer();
        bool musicOn = false;
        ApplyMusicChoice(true, musicOn, p);
        reset(musicOn);
        EXPECT_FALSE(musicOn);
        EXPECT_TRUE(p.IsOpen());
        ApplyMusicChoice(true, musicOn, p);  // nothing audible changes
        EXPECT_EQ(log->commands.size(), 2u);
        ApplyMusicChoice(false, musicOn, p);
        EXPECT_EQ(log->commands.back(), "close 7");
        EXPECT_FALSE(p.IsOpen());
    }
}

TEST_F(PlayerTest, CompletionRestartsThePieceAndResignCloses) {
    TMMPlayer& p = MakePlayer();
    bool musicOn = false;
    QObject::connect(&p, &TMMPlayer::MciNotify, [&p] { RestartMusic(p); });
    ApplyMusicChoice(true, musicOn, p);
    backend->playing = false;
    EXPECT_TRUE(testing::RunEventsUntil([this] { return log->commands.size() >= 4; }, 5000));
    EXPECT_EQ(log->commands, (std::vector<std::string>{"open sontina3.mid -", "play 7",
                                                       "seek 7 start 0", "play 7"}));
    CloseMusicForResign(p);
    EXPECT_EQ(log->commands.back(), "close 7");
    log->commands.clear();
    CloseMusicForResign(p);
    EXPECT_TRUE(log->commands.empty());
}

}  // namespace
}  // namespace vaeloric
