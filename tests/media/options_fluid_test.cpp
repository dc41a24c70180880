// SPDX-License-Identifier: GPL-3.0-or-later

// The FluidSynth sound system: failures stay silent, a real piece plays to
// its end and again, and the rendered sound is not silence.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "media/fluid_backend.h"
#include "media/fluid_setup.h"
#include "media/mm_player.h"
#include "media/music_file.h"
#include "tests/media/options_tiny_midi.h"

namespace vaeloric {
namespace {

class FluidTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::EnsureCoreApplication();
        ASSERT_TRUE(folder.isValid());
        midi = Path("tune.mid");
        testing::WriteFile(midi, testing::TinyMidi(2, 24));
    }

    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }

    // A backend that renders through the "file" audio driver: a real driver
    // thread, paced like a sound card, on any machine.
    std::unique_ptr<TFluidSynthBackend> FileDriverBackend() const {
        TSynthOptions options;
        options.audioDriver = "file";
        options.audioFile = Path("out.wav");
        return std::make_unique<TFluidSynthBackend>(options);
    }

    QTemporaryDir folder;
    std::string midi;
};

TEST_F(FluidTest, OpenFailuresAreErrorCodes) {
    testing::WriteFile(Path("text.mid"), {'h', 'e', 'l', 'l', 'o'});
    testing::WriteFile(Path("song.wav"), testing::TinyMidi(1, 24));
    TSynthOptions noSoundFont;
    noSoundFont.soundFont = Path("missing.sf2");
    TSynthOptions noDriver;
    noDriver.audioDriver = "no-such-driver";

    struct TCase {
        const char* name;
        TSynthOptions options;
        std::string element;
        const char* type;
        std::uint32_t expected;
        bool needsSoundFont;
    };
    const TCase cases[] = {
        {"missing file", {}, Path("absent.mid"), nullptr, kMciErrFileNotFound, false},
        {"not a MIDI file", {}, Path("text.mid"), nullptr, kMciErrInvalidFile, false},
        {"unknown extension", {}, Path("song.wav"), nullptr, kMciErrExtensionNotFound, false},
        {"other device type", {}, midi, "waveaudio", kMciErrInvalidDeviceName, false},
        {"no file name", {}, "", "sequencer", kMciErrMissingParameter, false},
        {"no SoundFont", noSoundFont, midi, nullptr, kMciErrSeqNoMidiPresent, false},
        {"no audio driver", noDriver, midi, nullptr, kMciErrCannotLoadDriver, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsSoundFont && FindSoundFont().empty()) continue;
        TFluidSynthBackend backend(c.options);
        std::uint32_t id = 0;
        EXPECT_EQ(backend.Open(c.element.c_str(), c.type, id), c.expected);
        EXPECT_EQ(backend.Close(id), kMciErrInvalidDeviceId);
    }
}

TEST_F(FluidTest, SameFileTwiceIsDeviceOpen) {
    if (FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    auto backend = FileDriverBackend();
    std::uint32_t first = 0, second = 0;
    ASSERT_EQ(backend->Open(midi.c_str(), nullptr, first), 0u);
    EXPECT_EQ(backend->Open(midi.c_str(), "Sequencer", second), kMciErrDeviceOpen);
    EXPECT_EQ(backend->Close(first), 0u);
    EXPECT_EQ(backend->Open(midi.c_str(), "Sequencer", second), 0u);
}

TEST_F(FluidTest, PieceEndsAndPlaysAgainFromTheStart) {
    if (FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    TMMPlayer player(nullptr, FileDriverBackend());
    int ends = 0;
    QObject::connect(&player, &TMMPlayer::MciNotify, [&](quint32 status, quint32 id) {
        EXPECT_EQ(status, kMciNotifySuccessful);
        EXPECT_EQ(id, player.DeviceId());
        ++ends;
        if (ends < 3) RestartMusic(player);
    });
    ASSERT_EQ(player.Open(midi.c_str()), 0u);
    ASSERT_EQ(player.Play(kMciNotify), 0u);
    EXPECT_TRUE(testing::RunEventsUntil([&] { return ends == 3; }, 20000));
    EXPECT_EQ(player.Close(), 0u);
    EXPECT_FALSE(player.IsOpen());
}

TEST_F(FluidTest, CloseWhilePlayingIsImmediate) {
    if (FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    testing::WriteFile(midi, testing::TinyMidi(40, 96));  // twenty seconds
    TMMPlayer player(nullptr, FileDriverBackend());
    int ends = 0;
    QObject::connect(&player, &TMMPlayer::MciNotify, [&] { ++ends; });
    ASSERT_EQ(player.Open(midi.c_str()), 0u);
    ASSERT_EQ(player.Play(kMciNotify), 0u);
    testing::RunEventsUntil([] { return false; }, 300);
    EXPECT_EQ(player.Seek(0, kMciSeekToStart), 0u);
    EXPECT_EQ(player.Play(kMciNotify), 0u);
    EXPECT_EQ(player.Close(), 0u);
    testing::RunEventsUntil([] { return false; }, 300);
    EXPECT_EQ(ends, 0);
}

std::vector<std::int16_t> ReadSamples(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                               static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return samples;
}

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

TEST_F(FluidTest, RenderedMusicIsAudibleAndRestIsSilent) {
    if (FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    // Four quarter notes at 120 beats per minute: two seconds of piano (and
    // the player's few seconds for the sound to die away).
    testing::WriteFile(midi, testing::TinyMidi(4, 96));
    ASSERT_EQ(RenderMidiFile(midi, Path("tune.raw")), 0u);
    const std::vector<std::int16_t> tune = ReadSamples(Path("tune.raw"));
    const double seconds = static_cast<double>(tune.size()) / 2.0 / 44100.0;
    EXPECT_GE(seconds, 2.0);
    EXPECT_LT(seconds, 8.0);
    EXPECT_GT(Peak(tune), 1000);

    const std::string rest = Path("rest.mid");
    testing::WriteFile(rest, testing::TinyMidi(0, 96));
    ASSERT_EQ(RenderMidiFile(rest, Path("rest.raw")), 0u);
    EXPECT_LT(Peak(ReadSamples(Path("rest.raw"))), 16);
}

TEST_F(FluidTest, MusicFileIsFoundBesideTheProgram) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QString name =
        QStringLiteral("options-test-%1.mid").arg(QCoreApplication::applicationPid());
    const std::string beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(name).toStdString();
    testing::WriteFile(beside, testing::TinyMidi(1, 24));
    EXPECT_EQ(ResolveMediaFile(name.toStdString()), beside);

    // The working folder wins over the program's folder.
    testing::WriteFile(Path(name.toUtf8().constData()), testing::TinyMidi(1, 24));
    EXPECT_EQ(ResolveMediaFile(name.toStdString()), name.toStdString());
    QDir::setCurrent(before);
    std::remove(beside.c_str());

    EXPECT_EQ(ResolveMediaFile(Path("absent.mid")), "");
    EXPECT_EQ(ResolveMediaFile(""), "");
}

}  // namespace
}  // namespace vaeloric
