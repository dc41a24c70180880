// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/sim.h"

int main(int argc, char** argv) {
    return vaeloric::sim::RunOnStandardStreams(argc, argv);
}
