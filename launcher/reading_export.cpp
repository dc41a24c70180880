// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/reading_export.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace vaeloric {

QString SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return "The file " + path + " could not be written: " + file.errorString();
    return {};
}

QString SaveReadingText(const TJournalEntry& entry, const QString& path) {
    return SaveWholeFile(path, QByteArray::fromStdString(ReadingText(entry)));
}

QString SaveReadingPdf(const TJournalEntry& entry, const QString& path) {
    // Written to memory first, so that a failed write never leaves half a PDF.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QString::fromStdString("Vaeloric Chess - " + entry.question));
        pdf.setCreator("Vaeloric Chess");
        QTextDocument document;
        document.setPlainText(QString::fromStdString(ReadingText(entry)));
        QFont font = document.defaultFont();
        font.setPointSize(11);
        document.setDefaultFont(font);
        document.print(&pdf);
    }
    if (bytes.isEmpty()) return "The PDF could not be made.";
    return SaveWholeFile(path, bytes);
}

}  // namespace vaeloric
