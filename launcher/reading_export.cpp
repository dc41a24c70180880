// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/reading_export.h"

#include <QBuffer>
#include <QMessageBox>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "flow/safe_file.h"

namespace vaeloric {

QString SaveWholeFile(const QString& path, const QByteArray& bytes,
                      const TReadOnlyQuestion& replaceReadOnly) {
    const std::string target = path.toStdString();
    const std::string contents = bytes.toStdString();
    TFileOutcome written = WriteFileSafely(target, contents);
    if (written == TFileOutcome::ReadOnly && replaceReadOnly &&
        replaceReadOnly(QString::fromStdString(ReadOnlyQuestion(target)))) {
        TWriteOptions options;
        options.replaceReadOnly = true;
        written = WriteFileSafely(target, contents, options);
    }
    return QString::fromStdString(WriteProblemSentence(target, written));
}

std::string ReadOnlyQuestion(const std::string& path) {
    return "'" + path + "' is read-only. Replace it all the same?";
}

TReadOnlyQuestion AskReadOnly(QWidget* parent) {
    return [parent](const QString& question) {
        return QMessageBox::question(parent, "Vaeloric Chess", question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
}

QString SaveReadingText(const TJournalEntry& entry, const QString& path,
                        const TReadOnlyQuestion& replaceReadOnly) {
    return SaveWholeFile(path, QByteArray::fromStdString(ReadingText(entry)), replaceReadOnly);
}

QString SaveReadingPdf(const TJournalEntry& entry, const QString& path,
                       const TReadOnlyQuestion& replaceReadOnly) {
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
    return SaveWholeFile(path, bytes, replaceReadOnly);
}

}  // namespace vaeloric
