// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "launch/journal_entry.h"

namespace vaeloric {

// Writes a whole reading as a PDF page (or pages) or as UTF-8 text. Returns
// an empty string, or why the file could not be written.
QString SaveReadingPdf(const TJournalEntry& entry, const QString& path);
QString SaveReadingText(const TJournalEntry& entry, const QString& path);

// Writes bytes to a file, replacing it whole or not at all.
QString SaveWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace vaeloric
