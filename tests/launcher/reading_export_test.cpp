// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/reading_export.h"

#include <sys/stat.h>

#include <QFile>
#include <functional>

#include "flow/safe_file.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/special_files.h"

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
    const std::string missing = (folder / "no" / "x.txt").string();
    EXPECT_EQ(SaveReadingText(entry, QString::fromStdString(missing)).toStdString(),
              "'" + missing + "' could not be written; nothing was changed.");
}

// "Save as text…", "Save as PDF…" and "Export all…" against every target of
// the shared list: the safe writer's sentence, nothing replaced, and a
// read-only file replaced only after the question was answered yes.
TEST_F(ReadingExport, EveryExportRefusesEveryTargetOfTheSharedList) {
    TJournalEntry entry;
    entry.question = "=1+1";
    entry.analysis = std::string(20000, 'a');  // larger than the pipe and page buffers
    int asked = 0;
    const TReadOnlyQuestion refuse = [&](const QString& question) {
        ++asked;
        EXPECT_TRUE(question.contains("is read-only")) << question.toStdString();
        return false;
    };
    using TExport = std::function<QString(const QString&)>;
    const TExport exports[] = {
        [&](const QString& path) { return SaveReadingText(entry, path, refuse); },
        [&](const QString& path) { return SaveReadingPdf(entry, path, refuse); },
        [&](const QString& path) {
            return SaveWholeFile(path, QByteArray::fromStdString(ExportCsv({entry})), refuse);
        },
    };
    test::ForEachWriteTarget(
        folder, [&](const test::TWriteTarget& target, const std::filesystem::path& path) {
            const TFileOutcome outcome =
                target.refusal == test::TTargetRefusal::NotRegular   ? TFileOutcome::NotRegular
                : target.refusal == test::TTargetRefusal::ReadOnly   ? TFileOutcome::ReadOnly
                : target.refusal == test::TTargetRefusal::UnsafeLink ? TFileOutcome::UnsafeLink
                                                                     : TFileOutcome::Failed;
            asked = 0;
            for (const TExport& save : exports)
                EXPECT_EQ(save(QString::fromStdString(path.string())).toStdString(),
                          WriteProblemSentence(path.string(), outcome))
                    << target.kind;
            EXPECT_EQ(asked, outcome == TFileOutcome::ReadOnly ? 3 : 0) << target.kind;
        });
    // Answered yes, the read-only file is replaced and stays read-only.
    const std::filesystem::path kept = folder / "kept.txt";
    WriteFile(kept, "old");
    chmod(kept.c_str(), 0444);
    EXPECT_EQ(SaveReadingText(entry, QString::fromStdString(kept.string()),
                              [](const QString&) { return true; }),
              "");
    EXPECT_EQ(std::filesystem::file_size(kept), ReadingText(entry).size());
}

}  // namespace
}  // namespace vaeloric::testing
