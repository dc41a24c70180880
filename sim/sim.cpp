#include "sim/sim.h"

#include <ostream>

namespace vaeloric::sim {

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    (void)argv;
    (void)out;
    if (argc < 2) {
        err << "Usage: vaeloric-sim legal|choose|status|read|play|bench ...\n";
        return 2;
    }
    err << "Unknown sub-command.\n";
    return 2;
}

}  // namespace vaeloric::sim
