// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace vaeloric {

// The saved game the launcher was asked to continue ("vaeloric FILE", as a
// file manager opens it), as an absolute path so that the journal's entry
// still finds it from elsewhere; empty when the arguments after the program
// name are not exactly one file.
QString SavedGameArgument(const QStringList& arguments);

// A vaeloric:// invitation to a seat, as the desktop passes a link.
bool IsInvitationLink(const QString& argument);

// The launcher's entry: one window, the event loop, the exit status.
int RunLauncher(int argc, char** argv);

}  // namespace vaeloric
