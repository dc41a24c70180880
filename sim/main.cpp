// SPDX-License-Identifier: GPL-3.0-or-later

#include <iostream>

#include "sim/sim.h"

int main(int argc, char** argv) {
    return vaeloric::sim::Run(argc, argv, std::cout, std::cerr);
}
