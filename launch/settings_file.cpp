// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/settings_file.h"

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "flow/safe_file.h"

namespace vaeloric {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Values are written as the earlier QSettings files had them: quoted when
// blanks at an end or separators would be lost, with backslash escapes.
std::string Escaped(const std::string& value) {
    std::string out;
    bool quote = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    for (char c : value) {
        if (c == '\\' || c == '"')
            out += std::string("\\") + c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
        quote = quote || c == ';' || c == ',' || c == '=';
    }
    return quote ? "\"" + out + "\"" : out;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string Unescaped(const std::string& raw) {
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c != '\\' || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        const char next = raw[++i];
        if (next == 'n')
            out += '\n';
        else if (next == 'r')
            out += '\r';
        else if (next == 't')
            out += '\t';
        else if (next == 'x') {
            // A character the earlier files wrote as \xHHHH.
            std::size_t end = i + 1;
            unsigned code = 0;
            while (end < raw.size() && end < i + 5 &&
                   std::isxdigit(static_cast<unsigned char>(raw[end])))
                code = code * 16 +
                       static_cast<unsigned>(std::stoul(raw.substr(end++, 1), nullptr, 16));
            AppendUtf8(out, code);
            i = end - 1;
        } else
            out += next;
    }
    return out;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string SettingsFilePath() {
    std::filesystem::path folder;
    if (std::string config = Environment("XDG_CONFIG_HOME");
        !config.empty() && config.front() == '/')
        folder = config;
    else if (std::string home = Environment("HOME"); !home.empty())
        folder = std::filesystem::path(home) / ".config";
    else
        return {};
    return (folder / "vaeloric" / "Vaeloric Chess.conf").string();
}

TSettings ParseSettings(const std::string& text) {
    TSettings settings;
    std::istringstream lines(text);
    std::string line, section;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = Trimmed(line.substr(0, equals));
        const std::string value = Unescaped(Trimmed(line.substr(equals + 1)));
        settings[section.empty() || section == "General" ? key : section + "/" + key] = value;
    }
    return settings;
}

std::string SettingsText(const TSettings& settings) {
    std::map<std::string, std::string> sections;
    for (const auto& [name, value] : settings) {
        const std::size_t slash = name.find('/');
        const std::string section = slash == std::string::npos ? "General" : name.substr(0, slash);
        const std::string key = slash == std::string::npos ? name : name.substr(slash + 1);
        sections[section] += key + "=" + Escaped(value) + "\n";
    }
    std::string text;
    // [General] first, as the earlier files had it.
    if (const auto general = sections.find("General"); general != sections.end())
        text += "[General]\n" + general->second;
    for (const auto& [section, lines] : sections)
        if (section != "General")
            text += (text.empty() ? "" : "\n") + ("[" + section + "]\n") + lines;
    return text;
}

TSettings LoadSettingsFile(const std::string& path, std::string& message) {
    message.clear();
    std::string bytes;
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return {};
    const TFileOutcome read = ReadFileSafely(path, kMaxSettingsBytes + 1, bytes);
    if (read == TFileOutcome::Done && bytes.size() <= kMaxSettingsBytes)
        return ParseSettings(bytes);
    const char* what = read == TFileOutcome::NotRegular ? "was not a regular file"
                       : read == TFileOutcome::Done     ? "was far too large"
                                                        : "could not be read";
    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    const std::string aside = path + ".damaged-" + stamp;
    std::filesystem::rename(path, aside, error);
    message = error ? "The settings file '" + path + "' " + what +
                          " and could not be moved aside; the usual settings are used."
                    : "The settings file " + std::string(what) + ". It was moved to " + aside +
                          " and the usual settings are used.";
    return {};
}

std::string SaveSettingsFile(const std::string& path, const TSettings& settings) {
    if (path.empty()) return "There is no home folder to keep the settings in.";
    TWriteOptions options;
    options.createFolders = true;
    return WriteProblemSentence(path, WriteFileSafely(path, SettingsText(settings), options));
}

}  // namespace vaeloric
