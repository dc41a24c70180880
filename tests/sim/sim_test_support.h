#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sim/sim.h"

namespace vaeloric::testing_support {

inline const std::filesystem::path kSimData =
    std::filesystem::path(VAELORIC_SOURCE_DIR) / "tests/samples";

struct TSimRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline TSimRun RunSim(std::vector<std::string> args) {
    args.insert(args.begin(), "vaeloric-sim");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    TSimRun run;
    run.status = vaeloric::sim::Run(static_cast<int>(argv.size()), argv.data(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

inline std::filesystem::path TempPath(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("vaeloric-sim-test-" + name);
}

}  // namespace vaeloric::testing_support
