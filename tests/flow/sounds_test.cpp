// SPDX-License-Identifier: GPL-3.0-or-later

// Each event of play asks for its sound while the sound is switched on, and
// none while it is off.
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

using TSounds = std::vector<TSound>;

class Sounds : public GameFlow {
  protected:
    // Kings, a Rook of Earth's on B7 and one of Fire's on G7; the
    // sound switched on or off in the sound dialog.
    void StartWithSound(bool on) {
        StartLauncher();
        controller->Command(CmMoveReading);
        layer.optionScript.push_back([on](TOptionSettings& options) {
            options.musicOn = on;
            return true;
        });
        controller->Command(CmMusic);
        ClearBoard();
        Place(3, 5, King, 1);
        Place(1, 1, King, 2);
        Place(8, 1, King, 3);
        Place(8, 8, King, 4);
        Place(7, 2, Rook, 2);
        Place(7, 7, Rook, 1);
        layer.Forget();
    }
    TSounds Take() {
        TSounds sounds = layer.sounds;
        layer.sounds.clear();
        return sounds;
    }
};

TEST_F(Sounds, EveryEventAsksForItsSoundOnlyWhileTheSoundIsOn) {
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        StartWithSound(on);
        const auto expect = [&](const TSounds& sounds) { return on ? sounds : TSounds{}; };
        Enter(1);  // Fire's King steps aside
        EXPECT_EQ(Take(), expect({TSound::Throw}));
        Drag(Sq(3, 5), Sq(3, 6));
        EXPECT_EQ(Take(), expect({TSound::Move}));
        Enter(5);  // Earth's Rook gives check along the F file
        Drag(Sq(7, 2), Sq(7, 6));
        EXPECT_EQ(Take(), expect({TSound::Throw, TSound::Move, TSound::Check}));
        Enter(5);  // Air has no Rook: a Miss Go, the check goes on unsounded
        EXPECT_EQ(Take(), expect({TSound::Throw, TSound::MissGo}));
        Enter(std::nullopt);  // Water's dice dialog closed: no throw, a Miss Go
        EXPECT_EQ(Take(), expect({TSound::MissGo}));
        Enter(5);  // Fire's Rook takes the checking Rook
        Drag(Sq(7, 7), Sq(7, 6));
        EXPECT_EQ(Take(), expect({TSound::Throw, TSound::Capture}));
        ASSERT_EQ(Board().At(7, 6).army, 1);
    }
}

TEST_F(Sounds, TheEndOfTheGameHasItsSoundAndSwitchingOffSilencesPlay) {
    StartWithSound(true);
    Enter(1);
    Drag(Sq(3, 5), Sq(4, 5));  // onto the Ptah square
    ASSERT_TRUE(Turn().ptahReached);
    Take();
    Enter(std::nullopt);
    Enter(std::nullopt);
    Enter(std::nullopt);  // held for a round: won
    ASSERT_TRUE(controller->Ended());
    EXPECT_EQ(Take(), (TSounds{TSound::MissGo, TSound::MissGo, TSound::MissGo, TSound::GameEnd}));

    // Switched off in the middle of a game: silence from then on.
    StartWithSound(true);
    Enter(1);
    EXPECT_EQ(Take(), (TSounds{TSound::Throw}));
    layer.optionScript.push_back([](TOptionSettings& options) {
        options.musicOn = false;
        return true;
    });
    controller->Command(CmMusic);
    Drag(Sq(3, 5), Sq(3, 6));
    Enter(5);
    Drag(Sq(7, 2), Sq(7, 6));
    EXPECT_EQ(Take(), TSounds{});
}

}  // namespace
}  // namespace vaeloric::testing
