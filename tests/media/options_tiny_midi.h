// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace vaeloric::testing {

// A format-0 MIDI file, 96 ticks per quarter at the default 120 beats per
// minute: `notes` times middle C for `ticksPerNote` ticks, or a bare rest of
// that length when notes is 0.
inline std::vector<std::uint8_t> TinyMidi(int notes, int ticksPerNote) {
    std::vector<std::uint8_t> track;
    auto delta = [&track](int ticks) {
        std::uint8_t bytes[4];
        int count = 0;
        bytes[count++] = static_cast<std::uint8_t>(ticks & 0x7F);
        while ((ticks >>= 7) > 0) bytes[count++] = static_cast<std::uint8_t>(0x80 | (ticks & 0x7F));
        while (count > 0) track.push_back(bytes[--count]);
    };
    track.insert(track.end(), {0x00, 0xC0, 0x00});  // piano
    for (int i = 0; i < notes; ++i) {
        delta(0);
        track.insert(track.end(), {0x90, 60, 100});
        delta(ticksPerNote);
        track.insert(track.end(), {0x80, 60, 0});
    }
    delta(notes == 0 ? ticksPerNote : 0);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0,  0,   0,   6,   0,
                                      0,   0,   1,   0,   96, 'M', 'T', 'r', 'k'};
    const std::uint32_t size = static_cast<std::uint32_t>(track.size());
    for (int shift = 24; shift >= 0; shift -= 8) file.push_back((size >> shift) & 0xFF);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void EnsureCoreApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "media_tests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

// Runs the event loop until `done` holds or the limit passes.
template <typename Predicate>
bool RunEventsUntil(Predicate done, int limitMs) {
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    limit.start(limitMs);
    check.start(5);
    if (!done()) loop.exec();
    return done();
}

}  // namespace vaeloric::testing
