// Printing from the window: the commands, the preview with its choices, the
// PDF through the file dialog, the paper kept for the next run, and the
// PDF's text read back by pdftotext.

#include "gui_fixture.h"

#include "app/paper_print.h"
#include "paper/paper_render.h"
#include "paper/paper_settings.h"
#include "paper_day.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>

namespace pf {
namespace {

using testing_support::GuiFixture;

class PaperPrint : public GuiFixture {};

void shoot(QWidget& w, const char* name) {
    if (const QByteArray shots = qgetenv("PF_SHOT_DIR"); !shots.isEmpty()) {
        w.show();
        QApplication::processEvents();
        w.grab().save(QString::fromLocal8Bit(shots) + QLatin1Char('/') + QLatin1String(name));
    }
}

TEST_F(PaperPrint, CommandsFollowThePairingAndTheirMnemonicsAreTheMenusOwn) {
    start();
    EXPECT_FALSE(action("printAction")->isEnabled());
    EXPECT_FALSE(action("pdfAction")->isEnabled());
    EXPECT_EQ(action("printAction")->shortcut(), QKeySequence(QKeySequence::Print));
    generateNineWithAResult();
    EXPECT_TRUE(action("printAction")->isEnabled());
    EXPECT_TRUE(action("pdfAction")->isEnabled());

    QSet<QChar> keys;
    for (QAction* a : find<QMenu>("FileF1")->actions()) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("&([^&])")).match(a->text());
        if (!m.hasMatch() || a->objectName().startsWith(QStringLiteral("recentFile")))
            continue;
        EXPECT_FALSE(keys.contains(m.captured(1).at(0).toUpper())) << a->text().toStdString();
        keys.insert(m.captured(1).at(0).toUpper());
    }
    ask->answers.push_back(Answer::Yes);
    action("C1")->trigger();
    EXPECT_FALSE(action("printAction")->isEnabled());
}

TEST_F(PaperPrint, PreviewShowsTheChosenSheetAndKeepsOnlyAChosenPaper) {
    start();
    generateNineWithAResult();
    int runs = 0;
    setModalRunner([&](QDialog& d) {
        auto* preview = qobject_cast<PaperPreview*>(&d);
        EXPECT_NE(preview, nullptr);
        if (!preview)
            return int(QDialog::Rejected);
        const PaperOptions o = preview->options();
        EXPECT_EQ(o.setup.title, QStringLiteral("ダブルス組合せ表"));
        EXPECT_EQ(o.setup.size, PaperSize::A4);
        EXPECT_FALSE(preview->document().pages.empty());
        if (runs++ == 0) {
            shoot(d, "paper-preview.png");
            preview->findChild<QPrintPreviewWidget*>()->setZoomFactor(1.5);
            shoot(d, "paper-preview-zoomed.png");
            return int(QDialog::Rejected);
        }
        auto* paper = preview->findChild<QComboBox*>(QStringLiteral("paperOrientation"));
        paper->setCurrentIndex(1);
        Q_EMIT paper->activated(1);
        EXPECT_GT(preview->document().sheet.width(), preview->document().sheet.height());
        return int(QDialog::Rejected);
    });
    action("printAction")->trigger();
    programSettings().sync();
    EXPECT_FALSE(programSettings().contains(QStringLiteral("CONFIG/PaperLandscape")));
    action("printAction")->trigger();
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(loadPaperChoice(programSettings()).landscape);
    EXPECT_EQ(programSettings().value(QStringLiteral("CONFIG/Seisei")).isValid(), false);
}

TEST_F(PaperPrint, PdfGoesThroughTheFileDialogAndReadsBackTheDay) {
    start();
    generateNineWithAResult();
    setModalRunner([](QDialog& d) {
        auto* docs = d.findChild<QComboBox*>(QStringLiteral("paperDocument"));
        EXPECT_NE(docs, nullptr);
        return int(QDialog::Accepted);
    });
    const QString path = dir.filePath(QStringLiteral("day.pdf"));
    ask->files.push_back(path);
    action("pdfAction")->trigger();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF-"));
}

// The schedule's text, as pdftotext reads it: each match's pairs one under
// the other, and every recorded score; the standings list each result.
TEST(PaperPdfText, NamesAndScoresReadBack) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const test::TestDay t = test::paperTestDay(14, 3, false, 2);
    const PaperDay day = paperDay(t.roster, t.matches, 3, 0);
    const PaperSetup setup{PaperSize::A4, true, QStringLiteral("春の例会"),
                           QStringLiteral("2026年5月3日")};
    QTemporaryDir tmp;
    auto textOf = [&](PaperDoc doc) {
        const QString pdf = tmp.filePath(docKey(doc) + QStringLiteral(".pdf"));
        QFile f(pdf);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(paperPdf(doc, day, setup));
        f.close();
        QProcess p;
        p.start(pdftotext, {pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString schedule = textOf(PaperDoc::Schedule);
    // The reader's spacing around the dash varies with the glyphs' gaps.
    const QString standings = textOf(PaperDoc::Standings).remove(QLatin1Char(' '));
    EXPECT_TRUE(schedule.contains(QStringLiteral("春の例会")));
    for (const PaperRound& r : day.rounds) {
        for (const PaperMatch& m : r.matches) {
            EXPECT_TRUE(schedule.contains(m.a + QStringLiteral("・") + m.b + QLatin1Char('\n') +
                                          m.c + QStringLiteral("・") + m.d))
                << m.number;
            if (m.hasScore()) {
                EXPECT_TRUE(standings.contains(QStringLiteral("%1－%2").arg(m.winA).arg(m.winB)))
                    << m.number;
            }
        }
    }
}

} // namespace
} // namespace pf
