// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// The one way the programs read and write their files. Only regular files
// are read or replaced; nothing ever blocks on a FIFO or a device, and a
// replaced file is either the old one or the whole new one, whatever
// happens during the write.

namespace vaeloric {

enum class TFileOutcome {
    Done,
    NotRegular,  // a device, FIFO, socket or folder: left untouched
    Failed,      // missing, no permission, disk full, a loop of links, ...
    ReadOnly,    // a file without write permission, kept unless its user asked
    UnsafeLink,  // a link that another user left in a sticky, shared folder
};

// How a write may go.
struct TWriteOptions {
    bool createFolders = false;    // missing parent folders are made
    bool replaceReadOnly = false;  // the user was told the file is read-only and agreed
    bool ownerOnly = false;  // a secret: only its owner may read it (where the system has modes)
};

// Replaces the file at `path` with `contents`. A symbolic link is followed
// and its target replaced in the target's own folder, but only a link the
// kernel itself would follow: in a sticky folder that anyone may write to
// (/tmp), a link owned by neither the folder's owner nor the user is refused. The bytes go to a
// temporary file made beside it, which is flushed to the disk and renamed
// over the target; the folder is flushed after. On any failure the target is
// left as it was and the temporary file removed. An existing file keeps its
// permission bits. Temporary files left by killed runs are removed after a
// successful write. A read-only file is left alone unless the options say
// the user agreed to replace it.
TFileOutcome WriteFileSafely(const std::string& path, const std::string& contents,
                             const TWriteOptions& options);
TFileOutcome WriteFileSafely(const std::string& path, const std::string& contents,
                             bool createFolders = false);

// The same, true when the file was written.
bool SafeWriteFile(const std::string& path, const std::string& contents,
                   bool createFolders = false);

// Checks that `path` can be a target of WriteFileSafely: it is missing, or a
// regular file (through any links that may be followed) that may be
// replaced. Done, NotRegular, ReadOnly, UnsafeLink, or Failed for a loop.
TFileOutcome CheckWriteTarget(const std::string& path, const TWriteOptions& options = {});

// The one sentence every program gives when a write was refused or failed:
// "'PATH' is read-only; nothing was written." and its kin. Empty for Done.
std::string WriteProblemSentence(const std::string& path, TFileOutcome outcome);

// Reads at most `maxBytes` bytes of the regular file at `path` into `bytes`;
// a longer file is cut there, so that a caller passing one byte more than it
// accepts can tell a file that is too large.
TFileOutcome ReadFileSafely(const std::string& path, std::size_t maxBytes, std::string& bytes);

}  // namespace vaeloric
