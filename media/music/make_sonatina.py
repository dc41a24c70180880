#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes "sontina3.mid", the game's background music: a short sonatina in
C major (exposition, development with flute and harp, recapitulation, coda),
about a minute and a half, ending where it can start again.

Usage: make_sonatina.py OUTPUT_FILE
Standard library only, and the output is the same on every run.
"""
import struct
import sys

TICKS = 480  # per quarter note
TEMPO_BPM = 104

NOTE = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6,
        "G": 7, "G#": 8, "A": 9, "A#": 10, "B": 11}


def pitch(name):
    """'C5' -> 72, 'F#4' -> 66."""
    return 12 * (int(name[-1]) + 1) + NOTE[name[:-1]]


def bars(text):
    """A melody: bars split by '|', notes 'PITCH:BEATS', 'R:BEATS' a rest."""
    result = []
    for bar in text.split("|"):
        notes = []
        for token in bar.split():
            name, beats = token.split(":")
            notes.append((None if name == "R" else pitch(name), float(beats)))
        assert abs(sum(b for _, b in notes) - 4) < 1e-9, bar
        result.append(notes)
    return result


def chords(text):
    """Harmony: bars split by '|', chords 'ROOT[m]:BEATS' (root in octave 3)."""
    result = []
    for bar in text.split("|"):
        bar_chords = []
        for token in bar.split():
            name, beats = token.split(":")
            minor = name.endswith("m")
            root = pitch((name[:-1] if minor else name) + "3")
            bar_chords.append((root, minor, float(beats)))
        assert abs(sum(b for _, _, b in bar_chords) - 4) < 1e-9, bar
        result.append(bar_chords)
    return result


THEME_A = bars(
    "C5:2 E5:1 G5:1 | C6:1.5 B5:0.5 A5:1 G5:1 | F5:1 A5:1 G5:1 E5:1 | D5:3 G4:1 |"
    "C5:2 E5:1 G5:1 | C6:1 D6:1 E6:1 C6:1 | A5:1 F5:1 D5:1 B4:1 | C5:3 R:1")
HARMONY_A = chords("C:4 | Am:4 | F:2 C:2 | G:4 | C:4 | C:4 | F:2 G:2 | C:4")

BRIDGE = bars("D5:1 F#5:1 A5:1 D6:1 | C6:1 A5:1 F#5:1 D5:1")
HARMONY_BRIDGE = chords("D:4 | D:4")

THEME_B = bars(
    "G5:1.5 A5:0.5 B5:1 G5:1 | E5:1.5 F#5:0.5 G5:1 E5:1 | D5:1 G5:1 B5:1 D6:1 |"
    "C6:1 A5:1 F#5:1 A5:1 | G5:1 B5:0.5 A5:0.5 G5:1 F#5:1 | G5:3 R:1")
HARMONY_B = chords("G:4 | Em:2 C:2 | G:4 | D:4 | G:2 D:2 | G:4")

DEVELOPMENT = bars(
    "A5:1 C6:1 E6:2 | D6:1 C6:1 B5:1 A5:1 | G5:1 B5:1 D6:2 | C6:1 B5:1 A5:1 G5:1 |"
    "F5:1 A5:1 C6:2 | B5:1 A5:1 G#5:1 A5:1 | E5:1 G#5:1 B5:1 D6:1 | D6:1 C6:1 B5:2")
HARMONY_DEVELOPMENT = chords("Am:4 | Dm:4 | G:4 | C:4 | F:4 | E:4 | E:4 | G:4")

CODA = bars("E5:1 G5:1 C6:1 E6:1 | D6:1 B5:1 G5:1 F5:1 | E5:2 D5:2 | C5:4")
HARMONY_CODA = chords("C:4 | G:4 | C:2 G:2 | C:4")


def transpose(melody, steps):
    return [[(None if p is None else p + steps, b) for p, b in bar] for bar in melody]


def transpose_chords(harmony, steps):
    out = []
    for bar in harmony:
        out.append([((root + steps - 48) % 12 + 48, minor, b) for root, minor, b in bar])
    return out


class Score:
    """Note events per channel, in beats."""

    def __init__(self):
        self.events = {}  # channel -> list of (start, length, pitch, velocity)
        self.beat = 0.0

    def note(self, channel, start, length, note, velocity):
        self.events.setdefault(channel, []).append((start, length, note, velocity))

    def melody(self, channel, melody, velocity, start=None, legato=0.92):
        t = self.beat if start is None else start
        for bar in melody:
            for note, beats in bar:
                if note is not None:
                    accent = 8 if abs(t - round(t)) < 1e-9 and int(round(t)) % 4 == 0 else 0
                    self.note(channel, t, beats * legato, note, velocity + accent)
                t += beats
        return t

    def alberti(self, channel, harmony, velocity, start=None):
        t = self.beat if start is None else start
        for bar in harmony:
            for root, minor, beats in bar:
                third = root + (3 if minor else 4)
                pattern = [root, root + 7, third, root + 7]
                steps = int(beats * 2)
                for i in range(steps):
                    self.note(channel, t + i * 0.5, 0.45, pattern[i % 4], velocity - (0 if i % 4 == 0 else 8))
                t += beats
        return t

    def harp(self, channel, harmony, velocity, start=None):
        t = self.beat if start is None else start
        for bar in harmony:
            for root, minor, beats in bar:
                third = root + (3 if minor else 4)
                tones = [root, root + 7, third + 12, root + 12, root + 19, third + 12, root + 12, root + 7]
                for i in range(int(beats * 2)):
                    self.note(channel, t + i * 0.5, 1.2, tones[i % 8], velocity)
                t += beats
        return t

    def pad(self, channel, harmony, velocity, start=None):
        t = self.beat if start is None else start
        for bar in harmony:
            for root, minor, beats in bar:
                third = root + (3 if minor else 4)
                for note in (root + 12, third + 12, root + 19):
                    self.note(channel, t, beats * 0.98, note, velocity)
                t += beats
        return t

    def section(self, length_bars):
        self.beat += 4 * length_bars


PIANO_RIGHT, PIANO_LEFT, FLUTE, HARP, STRINGS, CELLO = 0, 1, 2, 3, 4, 5
PROGRAMS = {PIANO_RIGHT: 0, PIANO_LEFT: 0, FLUTE: 73, HARP: 46, STRINGS: 48, CELLO: 42}
VOLUMES = {PIANO_RIGHT: 100, PIANO_LEFT: 88, FLUTE: 92, HARP: 80, STRINGS: 62, CELLO: 70}


def compose():
    s = Score()
    # Exposition: first theme in C, a bridge, second theme in G.
    s.melody(PIANO_RIGHT, THEME_A, 78)
    s.alberti(PIANO_LEFT, HARMONY_A, 58)
    s.section(8)
    s.melody(PIANO_RIGHT, BRIDGE, 74)
    s.alberti(PIANO_LEFT, HARMONY_BRIDGE, 56)
    s.section(2)
    s.melody(PIANO_RIGHT, THEME_B, 74)
    s.alberti(PIANO_LEFT, HARMONY_B, 54)
    s.section(6)
    # Development: the flute sings over the harp, strings beneath.
    s.melody(FLUTE, DEVELOPMENT, 74, legato=0.97)
    s.harp(HARP, HARMONY_DEVELOPMENT, 46)
    s.pad(STRINGS, HARMONY_DEVELOPMENT, 34)
    s.section(8)
    # Recapitulation: first theme with strings, second theme back in C.
    s.melody(PIANO_RIGHT, THEME_A, 78)
    s.alberti(PIANO_LEFT, HARMONY_A, 56)
    s.pad(STRINGS, HARMONY_A, 40)
    s.section(8)
    s.melody(PIANO_RIGHT, transpose(THEME_B, -7), 74)
    s.melody(FLUTE, transpose(THEME_B, 5), 56, legato=0.97)
    s.alberti(PIANO_LEFT, transpose_chords(HARMONY_B, -7), 54)
    s.section(6)
    # Coda: the cello joins for the close; a breath before the piece repeats.
    s.melody(PIANO_RIGHT, CODA, 76)
    s.alberti(PIANO_LEFT, HARMONY_CODA[:3], 54)
    s.pad(STRINGS, HARMONY_CODA, 42)
    s.melody(CELLO, bars("C3:4 | G2:4 | C3:2 G2:2 | C2:4"), 64)
    s.section(4)
    s.section(0.5)
    return s


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


def track(events):
    """events: (tick, order, bytes); returns an MTrk chunk."""
    data = bytearray()
    now = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += vlq(tick - now) + message
        now = tick
    data += vlq(0) + b"\xFF\x2F\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def to_midi(score):
    end_tick = int(round(score.beat * TICKS))
    tempo = 60_000_000 // TEMPO_BPM
    conductor = [
        (0, 0, b"\xFF\x03" + vlq(17) + b"Vaeloric Sonatina"),
        (0, 1, b"\xFF\x51\x03" + tempo.to_bytes(3, "big")),
        (0, 2, b"\xFF\x58\x04\x04\x02\x18\x08"),
        (end_tick, 3, b"\xFF\x01" + vlq(3) + b"end"),
    ]
    chunks = [track(conductor)]
    for channel in sorted(score.events):
        events = [
            (0, 0, bytes([0xC0 | channel, PROGRAMS[channel]])),
            (0, 1, bytes([0xB0 | channel, 7, VOLUMES[channel]])),
            (0, 2, bytes([0xB0 | channel, 91, 48])),
            (0, 3, bytes([0xB0 | channel, 10, 64 + (channel * 11) % 40 - 20])),
        ]
        for start, length, note, velocity in score.events[channel]:
            on = int(round(start * TICKS))
            off = max(on + 1, int(round((start + length) * TICKS)))
            velocity = max(1, min(127, velocity))
            events.append((on, 5, bytes([0x90 | channel, note, velocity])))
            events.append((off, 4, bytes([0x80 | channel, note, 0])))
        chunks.append(track(events))
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), TICKS)
    return header + b"".join(chunks)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_sonatina.py OUTPUT_FILE\n")
        return 2
    with open(argv[1], "wb") as out:
        out.write(to_midi(compose()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
