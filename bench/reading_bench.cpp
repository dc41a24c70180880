// SPDX-License-Identifier: GPL-3.0-or-later

// The judgement network and the move reading after every move.
#include <benchmark/benchmark.h>

#include "reading/move_reading.h"
#include "reading/network.h"

namespace vaeloric {
namespace {

// 100 cycles from rest, no text: the network alone.
void BM_MoveModeNetwork(benchmark::State& state) {
    TReadingRecord record;
    TNetwork network;
    TNetworkBlock block;
    EncodeMove(block, 3, 6, 2, TPiece{Bishop, 1}, false, false);
    SetNetworkParameters(block, true);
    for (auto _ : state) {
        network.ResetNetwork();
        network.RunNetwork(block, record, MoveMode);
        benchmark::DoNotOptimize(network.MoveActivation().data());
    }
}
BENCHMARK(BM_MoveModeNetwork);

// The full move reading: encoding, sentences, 100 cycles and the text.
void BM_MoveReading(benchmark::State& state) {
    TReadingRecord record;
    for (auto _ : state) {
        ReadMove(record, 3, 6, 2, TPiece{Bishop, 1}, false, true);
        benchmark::DoNotOptimize(record.moveText.data());
    }
}
BENCHMARK(BM_MoveReading);

// The whole-game pass run after every move: 10 cycles and the game text.
void BM_WholeGamePass(benchmark::State& state) {
    TReadingRecord record;
    int move = 0;
    for (auto _ : state) {
        const int square = move++ % 64;
        ReadMove(record, 2, square / 8 + 1, square % 8 + 1, TPiece{Horse, move % 4 + 1}, false,
                 false);
        benchmark::DoNotOptimize(record.gameText.data());
    }
}
BENCHMARK(BM_WholeGamePass);

}  // namespace
}  // namespace vaeloric
