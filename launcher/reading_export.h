// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "launch/journal_entry.h"

namespace vaeloric {

// Asks the user whether a read-only file may be replaced; the text says it
// is read-only. True to replace it.
using TReadOnlyQuestion = std::function<bool(const QString& question)>;

// Writes a whole reading as a PDF page (or pages) or as UTF-8 text. Returns
// an empty string, or the one sentence of why nothing was written.
QString SaveReadingPdf(const TJournalEntry& entry, const QString& path,
                       const TReadOnlyQuestion& replaceReadOnly = {});
QString SaveReadingText(const TJournalEntry& entry, const QString& path,
                        const TReadOnlyQuestion& replaceReadOnly = {});

// Writes bytes to a file through the one safe writer, replacing it whole or
// not at all; special files are never replaced. A read-only file is replaced
// only when the question was asked and answered yes.
QString SaveWholeFile(const QString& path, const QByteArray& bytes,
                      const TReadOnlyQuestion& replaceReadOnly = {});

// "'PATH' is read-only. Replace it all the same?"
std::string ReadOnlyQuestion(const std::string& path);

// The question in a dialog over `parent`, No by default.
TReadOnlyQuestion AskReadOnly(QWidget* parent);

}  // namespace vaeloric
