// How long the day's sheets take and how large their PDFs are, for a small
// day (9 members, 2 courts) and the largest (100 members, 3 courts), every
// match with a result; and how soon the print preview shows its first page.
//
//     pairforge-paper-bench   (PF_BENCH_PDF_DIR=/some/dir keeps the PDFs)

#include "app/paper_print.h"
#include "model/text_codec.h"
#include "paper/paper_render.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

pf::Session scoredDay(int members, int courts) {
    pf::Session s;
    for (int i = 0; i < members; ++i)
        s.Roster[static_cast<std::size_t>(i)] =
            *pf::encodeCp932(QStringLiteral("会員%1 テニス").arg(i + 1));
    for (int m = 0; m < pf::MaxMatches; ++m) {
        const int round = m / courts;
        const int court = m % courts;
        auto at = [&](int k) {
            return s
                .Roster[static_cast<std::size_t>((round * 4 * courts + court * 4 + k) % members)];
        };
        s.Matches[static_cast<std::size_t>(m)] = {at(0), at(1), at(2), at(3), 6, m % 6};
    }
    s.CourtCount = courts;
    s.PairingOpen = true;
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("members\tcourts\tdocument\tpaper\tpages\tms\tbytes\n");
    for (const auto& [members, courts] : {std::pair{9, 2}, std::pair{100, 3}}) {
        const pf::Session session = scoredDay(members, courts);
        for (const pf::PaperDoc doc : {pf::PaperDoc::Schedule, pf::PaperDoc::Members,
                                       pf::PaperDoc::Slips, pf::PaperDoc::Standings}) {
            for (const bool landscape : {false, true}) {
                const pf::PaperSetup setup{pf::PaperSize::A4, landscape,
                                           QStringLiteral("ダブルス組合せ表"),
                                           QStringLiteral("2026年5月3日")};
                QElapsedTimer timer;
                timer.start();
                const pf::PaperFontMeasure measure;
                const pf::PaperDocument laid =
                    pf::layoutPaper(doc, pf::paperDayOf(session), setup, measure);
                const QByteArray pdf = pf::paperPdf(laid, setup);
                const qint64 ms = timer.elapsed();
                if (const QByteArray dir = qgetenv("PF_BENCH_PDF_DIR"); !dir.isEmpty()) {
                    QFile f(QString::fromLocal8Bit(dir) +
                            QStringLiteral("/%1-%2-%3-%4.pdf")
                                .arg(members)
                                .arg(courts)
                                .arg(pf::docKey(doc))
                                .arg(landscape ? QStringLiteral("landscape")
                                               : QStringLiteral("portrait")));
                    if (f.open(QIODevice::WriteOnly))
                        f.write(pdf);
                }
                std::printf("%d\t%d\t%s\tA4 %s\t%zu\t%lld\t%lld\n", members, courts,
                            pf::docKey(doc).toUtf8().constData(),
                            landscape ? "landscape" : "portrait", laid.pages.size(),
                            static_cast<long long>(ms), static_cast<long long>(pdf.size()));
            }
        }
        QElapsedTimer timer;
        timer.start();
        pf::PaperOptions options;
        options.setup.title = QStringLiteral("ダブルス組合せ表");
        pf::PaperPreview preview(session, options);
        preview.show();
        QApplication::processEvents();
        preview.grab();
        std::printf("%d\t%d\tpreview (first page shown)\tA4 portrait\t\t%lld\t\n", members, courts,
                    static_cast<long long>(timer.elapsed()));
    }
    return 0;
}
