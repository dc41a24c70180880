// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/analysis_output.h"

#include "flow/analysis_file.h"

namespace vaeloric::sim {

bool WriteAnalysis(const std::string& path, const TGame& game) {
    const TAnalysisWrite written =
        game.result == TGameResult::Unfinished
            ? WriteUnfinishedGame(game.reading, false, path, false)
            : WriteGameAnswer(game.setUp, game.reading, game.result == TGameResult::Win, false,
                              path, false);
    return written == TAnalysisWrite::Written;
}

}  // namespace vaeloric::sim
