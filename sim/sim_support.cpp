// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/sim_support.h"

#include <filesystem>
#include <system_error>

#include "flow/safe_file.h"
#include "players/opponent_profiles.h"
#include "players/seer.h"

namespace vaeloric::sim {

const char* ColourName(std::int32_t army) {
    static constexpr const char* kColours[5] = {"?", "red", "black", "yellow", "blue"};
    return army >= 1 && army <= 4 ? kColours[army] : kColours[0];
}

std::string MoveText(TSquare from, TSquare to) {
    return SquareName(from) + "-" + SquareName(to);
}

std::string OptionValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size()) throw TUsageError("The option " + args[i] + " needs a value.");
    return args[++i];
}

TSquare ParseSquareArgument(const std::string& text) {
    TSquare square;
    if (!ParseSquareName(text, square))
        throw TUsageError("'" + text + "' is not a square (A1 to H8).");
    return square;
}

TDieFace ParseFace(const std::string& text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '6') {
        throw TUsageError("The die face must be a number from 1 to 6, not '" + text + "'.");
    }
    return text[0] - '0';
}

std::int32_t ParseComputerCode(const std::string& text, const char* option) {
    if (text.size() != 1 || !IsAnyComputerCode(text[0] - '0')) {
        throw TUsageError(std::string(option) + " needs a computer player code from 2 to 9, not '" +
                          text + "'.");
    }
    return text[0] - '0';
}

long ParseSeerNodes(const std::string& text) {
    return ParseCount(text, "--seer-nodes", kMaxSeerNodes);
}

std::uint64_t ParseNonNegative(const std::string& text, const char* what, std::uint64_t modulus) {
    if (text.empty())
        throw TUsageError(std::string(what) + " must be a non-negative whole number.");
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            throw TUsageError(std::string(what) + " must be a non-negative whole number, not '" +
                              text + "'.");
        }
        value = (value * 10 + static_cast<std::uint64_t>(c - '0')) % modulus;
    }
    return value;
}

long ParseCount(const std::string& text, const char* what, long limit, long least) {
    bool valid = !text.empty() && text.size() <= 9;
    for (char c : text) valid = valid && c >= '0' && c <= '9';
    const long value = valid ? std::stol(text) : 0;
    if (!valid || value < least || value > limit) {
        throw TUsageError(std::string(what) + " must be a whole number from " +
                          std::to_string(least) + " to " + std::to_string(limit) + ", not '" +
                          text + "'.");
    }
    return value;
}

std::string NotRegularSentence(const std::string& path, const char* nothing) {
    return "'" + path + "' is not a regular file; nothing was " + nothing + ".";
}

void CheckOutputTarget(const std::string& path) {
    if (path.empty()) return;
    const TFileOutcome outcome = CheckWriteTarget(path);
    if (outcome != TFileOutcome::Done && outcome != TFileOutcome::Failed)
        throw TUsageError(WriteProblemSentence(path, outcome));
}

void RequireFolder(const std::string& path, const std::string& sentence) {
    if (path.empty()) return;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) throw TUsageError(sentence);
}

void LoadGameFile(const std::string& path, TSavedGame& game) {
    std::string bytes;
    const TFileOutcome read = ReadFileSafely(path, kMaxSavedGameBytes + 1, bytes);
    if (read == TFileOutcome::NotRegular) throw TUsageError(NotRegularSentence(path, "read"));
    if (read != TFileOutcome::Done) throw TUsageError("Cannot open the saved game '" + path + "'.");
    const TLoadResult result = ParseSavedGame(bytes, kAnyBoard, game);
    if (!result.Loaded()) {
        std::string reason = result.message;
        while (!reason.empty() &&
               (reason.back() == '\n' || reason.back() == '.' || reason.back() == ' ')) {
            reason.pop_back();
        }
        for (char& c : reason) {
            if (c == '\n') c = ' ';
        }
        throw TUsageError("'" + path + "' is not a valid saved game: " + reason + ".");
    }
}

}  // namespace vaeloric::sim
