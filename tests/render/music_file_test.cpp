// SPDX-License-Identifier: GPL-3.0-or-later

// The background music shipped with the game: a well-formed General MIDI
// file of about a minute and a half whose notes all end.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace {

struct TMidiSummary {
    int format = -1, tracks = 0, division = 0;
    std::uint32_t lastTick = 0;
    std::uint32_t microsPerQuarter = 500000;
    int notes = 0, unfinishedNotes = 0;
    std::map<int, int> programs;  // channel -> program
    bool everyTrackEnds = true;
};

std::uint32_t Big(const std::vector<std::uint8_t>& d, size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | d.at(at + i);
    return value;
}

TMidiSummary Read(const std::vector<std::uint8_t>& d) {
    TMidiSummary s;
    if (d.size() < 14 || Big(d, 0, 4) != 0x4D546864) return s;  // "MThd"
    s.format = static_cast<int>(Big(d, 8, 2));
    s.tracks = static_cast<int>(Big(d, 10, 2));
    s.division = static_cast<int>(Big(d, 12, 2));
    size_t at = 14;
    for (int t = 0; t < s.tracks; ++t) {
        if (Big(d, at, 4) != 0x4D54726B) return TMidiSummary{};  // "MTrk"
        const size_t end = at + 8 + Big(d, at + 4, 4);
        at += 8;
        std::uint32_t tick = 0;
        std::uint8_t status = 0;
        bool ended = false;
        std::map<int, int> sounding;
        while (at < end) {
            std::uint32_t delta = 0;
            std::uint8_t byte;
            do {
                byte = d.at(at++);
                delta = delta << 7 | (byte & 0x7F);
            } while (byte & 0x80);
            tick += delta;
            if (d.at(at) & 0x80) status = d.at(at++);
            if (status == 0xFF) {
                const int type = d.at(at++);
                const std::uint32_t length = d.at(at++);
                if (type == 0x51) s.microsPerQuarter = Big(d, at, 3);
                if (type == 0x2F) ended = true;
                at += length;
            } else {
                const int kind = status & 0xF0, channel = status & 0x0F;
                if (kind == 0xC0) {
                    s.programs[channel] = d.at(at++);
                } else {
                    const int note = d.at(at), velocity = d.at(at + 1);
                    at += 2;
                    if (kind == 0x90 && velocity > 0) {
                        ++sounding[channel * 128 + note];
                        ++s.notes;
                    } else if (kind == 0x80 || kind == 0x90) {
                        --sounding[channel * 128 + note];
                    }
                }
            }
        }
        for (const auto& entry : sounding) s.unfinishedNotes += entry.second != 0;
        s.everyTrackEnds = s.everyTrackEnds && ended && at == end;
        s.lastTick = std::max(s.lastTick, tick);
    }
    return s;
}

TEST(MusicFile, IsAWellFormedSonatinaOfAboutAMinuteAndAHalf) {
    std::ifstream in(VAELORIC_SOURCE_DIR "/media/music/sontina3.mid", std::ios::binary);
    ASSERT_TRUE(in) << "the committed sontina3.mid is missing";
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const TMidiSummary s = Read(bytes);
    EXPECT_EQ(s.format, 1);
    EXPECT_GE(s.tracks, 3);
    EXPECT_GT(s.division, 0);
    EXPECT_TRUE(s.everyTrackEnds);
    EXPECT_EQ(s.unfinishedNotes, 0);
    EXPECT_GT(s.notes, 300);
    const double seconds = s.lastTick / static_cast<double>(s.division) * s.microsPerQuarter / 1e6;
    EXPECT_GT(seconds, 60.0);
    EXPECT_LT(seconds, 120.0);
    ASSERT_FALSE(s.programs.empty());
    for (const auto& [channel, program] : s.programs) {
        EXPECT_NE(channel, 9) << "no percussion";
        EXPECT_LT(program, 128);
    }
}

}  // namespace
