// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/reading_export.h"

#include <QFile>

#include "tests/launcher/launcher_fixture.h"

namespace vaeloric::testing {
namespace {

using ReadingExport = LauncherTest;

TEST_F(ReadingExport, PdfAndTextHoldTheReadingOrSayWhyNot) {
    TJournalEntry entry;
    entry.question = "Will Zoë come home?";
    entry.outcome = TOutcome::Favourable;
    entry.analysis = "The Sun.";
    const QString pdf = QString::fromStdString((folder / "reading.pdf").string());
    const QString text = QString::fromStdString((folder / "reading.txt").string());
    ASSERT_EQ(SaveReadingPdf(entry, pdf), "");
    ASSERT_EQ(SaveReadingText(entry, text), "");
    QFile pdfFile(pdf), textFile(text);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly) && textFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));
    EXPECT_EQ(textFile.readAll().toStdString(), ReadingText(entry));
    EXPECT_TRUE(SaveReadingText(entry, QString::fromStdString((folder / "no" / "x.txt").string()))
                    .startsWith("The file "));
}

}  // namespace
}  // namespace vaeloric::testing
