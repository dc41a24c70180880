#include "sim/analysis_output.h"

namespace vaeloric::sim {

bool WriteAnalysis(const std::string& path, const TGame& game) {
    (void)path;
    (void)game;
    return false;
}

}  // namespace vaeloric::sim
