// SPDX-License-Identifier: GPL-3.0-or-later

// A board program killed at random moments, as often as it is started again:
// each new start offers the game where it stopped and plays on with the
// same throws, to the same end as the game never interrupted, with the same
// analysis file, saved game and record. The game runs in a child process,
// the real flow code over the fake window, so that SIGKILL can land
// anywhere, in the middle of a file being written too.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "flow/game_record.h"
#include "flow/running_game.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

namespace fs = std::filesystem;

// How a child ends, as its exit status says.
enum TChildEnd : int { kFinished = 0, kNoOffer = 2, kNotPlaying = 3, kNoMove = 4 };

class KillAndContinue : public GameFlow {
  protected:
    // Starts the game afresh (`left` empty) or from the file a killed
    // program left, plays the throws from the turn it stands at, closes the
    // game and writes what it ended with. Never returns.
    [[noreturn]] void PlayInChild(const std::string& left, const std::string& argument,
                                  char board) {
        alarm(60);  // a child that hangs dies, and the parent sees it
        game = std::make_unique<TGameSession>();
        game->boardLetter = board;
        game->runningPath = RunningGameFile(board, getpid());
        game->runningPath = (folder / fs::path(game->runningPath).filename()).string();
        game->interruptedPath = left;
        TKeptGame kept;
        if (left.empty()) {
            game->mode = TStartMode::Launcher;
            ParseLauncherArgument(argument, board, game->setup);
        } else {
            game->mode = TStartMode::Reload;
            if (!ReadKeptGame(left, board, kept)) _exit(kNoOffer);
        }
        controller = std::make_unique<TGameController>(layer, *game);
        controller->ReadyToDraw();
        if (!left.empty() &&
            (layer.boxes.empty() || layer.boxes[0].text != InterruptedGameOffer(kept) + "?"))
            _exit(kNoOffer);
        if (!controller->Playing()) _exit(kNotPlaying);
        controller->Command(CmMoveReading);  // no reading dialogs
        for (std::size_t turn = left.empty() ? 0 : static_cast<std::size_t>(kept.turn - 1);
             turn < throws.size() && !controller->Ended(); ++turn) {
            Enter(throws[turn]);
            if (Turn().throwValue == 0) continue;  // a Miss Go
            if (controller->AwaitsComputerMove()) {
                MoveButton();
                continue;
            }
            TLegalMoveList list;
            ListLegalMoves(Board(), Board().armyToMove, throws[turn], list);
            if (list.Empty()) _exit(kNoMove);
            const TLegalMove move = list[list.Size() / 2];
            Drag(move.from.Square(), move.to.Square());
        }
        SafeWriteFile((folder / "end-game.txt").string(),
                      FormatSavedGame(board, game->board, game->setup, game->turn, game->reading));
        SafeWriteFile((folder / "end-record.txt").string(), FormatRecord(controller->Record()));
        layer.boxAnswers.assign(3, TBoxAnswer::No);  // not saved
        if (!controller->Ended()) controller->CanClose();
        _exit(kFinished);
    }

    // When a child is killed: once its running file has reached `turn` (0:
    // at once, maybe before it wrote anything), then after `delay`.
    struct TKill {
        long turn = 0;
        std::chrono::microseconds delay{0};
    };

    // Runs a child, killed as `kill` says unless it is null. The child's
    // status.
    int RunChild(const std::string& left, const std::string& argument, char board,
                 const TKill* when, pid_t& child) {
        child = fork();
        if (child == 0) PlayInChild(left, argument, board);
        int status = 0;
        if (when != nullptr) {
            const std::string own =
                (folder / fs::path(RunningGameFile(board, child)).filename()).string();
            // Waiting on the child's progress, not on the clock, keeps the
            // kills spread over the game on a slow or busy machine too.
            for (;;) {
                if (waitpid(child, &status, WNOHANG) == child) return status;
                std::string bytes;
                if (when->turn == 0 ||
                    (ReadFileSafely(own, kMaxSavedGameBytes, bytes) == TFileOutcome::Done &&
                     KeptTurn(bytes) >= when->turn))
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            std::this_thread::sleep_for(when->delay);
            kill(child, SIGKILL);
        }
        waitpid(child, &status, 0);
        return status;
    }

    // What a finished game left: analysis, position, record.
    struct TEnd {
        std::string analysis, saved, record;
        friend bool operator==(const TEnd&, const TEnd&) = default;
    };
    TEnd TakeEnd() {
        TEnd end{AnalysisText(), Contents((folder / "end-game.txt").string()),
                 Contents((folder / "end-record.txt").string())};
        for (const char* name : {"vaelfin.tmp", "end-game.txt", "end-record.txt"})
            fs::remove(folder / name);
        return end;
    }

    std::vector<TDieFace> throws;
};

TEST_F(KillAndContinue, AGameKilledAtRandomMomentsEndsAsIfNeverInterrupted) {
    const struct {
        const char* argument;
        char board;
        unsigned seed;
    } cases[] = {{kAllHuman, 'W', 2026}, {kVersusComputers, 'E', 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.board) + " " + c.argument);
        std::mt19937 random(c.seed);
        throws.clear();
        for (int i = 0; i < 32; ++i) throws.push_back(static_cast<TDieFace>(random() % 6 + 1));

        pid_t child = 0;
        int status = RunChild("", c.argument, c.board, nullptr, child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kFinished) << status;
        const TEnd whole = TakeEnd();
        ASSERT_NE(whole.analysis, "(none)");
        ASSERT_NE(whole.record.find("\n32. "), std::string::npos);  // every throw was played

        // Killed again and again: a quarter of the kills at once, maybe
        // before the game is on disk or while it is taken over; the others
        // a few turns on, each a little after a turn, in the middle of the
        // next turn or of its writing.
        std::string left;
        long reached = 0;
        int kills = 0, offers = 0;
        for (int start = 0;; ++start) {
            ASSERT_LT(start, 80);
            TKill when;
            when.turn = random() % 4 == 0 ? 0 : reached + 1 + static_cast<long>(random() % 2);
            when.delay = std::chrono::microseconds(random() % 1500);
            status = RunChild(left, c.argument, c.board, kills == 16 ? nullptr : &when, child);
            if (!left.empty()) ++offers;
            if (WIFEXITED(status)) {
                ASSERT_EQ(WEXITSTATUS(status), kFinished) << "start " << start;
                break;
            }
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
            ++kills;
            // What the next start finds: the killed program's own file once
            // it wrote one, else the game it had not yet taken over.
            const std::string own =
                (folder / fs::path(RunningGameFile(c.board, child)).filename()).string();
            if (TKeptGame kept; ReadKeptGame(own, c.board, kept)) reached = kept.turn;
            if (fs::exists(own)) {
                left = own;
            } else if (!left.empty() && !fs::exists(left)) {
                FAIL() << "the game was lost at start " << start;
            }
            // Never two files of the game, to be offered twice.
            std::string games;
            for (const fs::directory_entry& file : fs::directory_iterator(folder))
                if (file.path().extension() == ".vae")
                    games += file.path().filename().string() + " ";
            EXPECT_LE(std::count(games.begin(), games.end(), ' '), 1)
                << "start " << start << ": " << games << " left " << left;
        }
        EXPECT_GE(kills, 6);
        EXPECT_GE(offers, 4);
        EXPECT_EQ(TakeEnd(), whole);
        // Nothing of the game is left behind, only stray temporary files of
        // writes cut short.
        for (const fs::directory_entry& file : fs::directory_iterator(folder))
            EXPECT_NE(file.path().extension(), ".vae") << "left behind: " << file.path();
        for (const fs::directory_entry& file : fs::directory_iterator(folder))
            fs::remove(file.path());
    }
}

}  // namespace
}  // namespace vaeloric::testing
