// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "flow/setup_record.h"

namespace vaeloric {

enum class TStartMode { Demonstration, Reload, Launcher };

// args: the arguments after the program name.
TStartMode DecideStartMode(int argumentCount, const char* const* arguments);

// The saved game named by a reload argument: what follows the `*`, empty for
// `*` alone (the open dialog asks).
std::string ReloadPath(std::string_view argument);

// Parses the launcher's argument
//   <rank><file><any><question>^@<name>^@<code2>[<name2>^@]<code3>...<code4>...
// into the record. Lenient like the launcher expects: fields without their
// separator are cut at their limit, missing fields stay empty, unknown seat
// letters leave the code 0. Never reads past the argument.
void ParseLauncherArgument(std::string_view argument, char boardLetter, TSetUpRecord& record);

// Why a parsed launcher argument cannot start a game, as one sentence, or an
// empty string when it can: Ptah digits must be 1..8 (they index fixed tables)
// and every seat needs a player code.
std::string CheckLauncherRecord(const TSetUpRecord& record);

// Lowers every capital from the second to the 24th character that does not
// follow a blank: "ANNA GREY" becomes "Anna Grey".
void FoldNameCase(std::string& name);

}  // namespace vaeloric
