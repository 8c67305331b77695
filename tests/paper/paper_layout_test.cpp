// The sheets' layout over every paper, orientation and court count, with
// ordinary names and 255-byte ones, measured by a stand-in face: what must
// hold for any sheet to be printable and complete.

#include "paper/paper_layout.h"

#include "model/text_codec.h"
#include "paper_day.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace pf {
namespace {

// A Gothic face's proportions: full-width characters one em, the rest a
// little over half.
class FakeMeasure : public PaperMeasure {
public:
    double width(const QString& text, double points, bool bold) const override {
        double em = 0;
        for (const QChar c : text)
            em += c.unicode() < 0x2000 ? 0.55 : 1.0;
        return em * points * (bold ? 1.05 : 1.0);
    }
};

constexpr double Eps = 0.01;

// Also for the zero-width or zero-height rectangles of drawn lines.
bool within(const QRectF& outer, const QRectF& r) {
    return r.left() >= outer.left() - Eps && r.right() <= outer.right() + Eps &&
           r.top() >= outer.top() - Eps && r.bottom() <= outer.bottom() + Eps;
}

bool overlaps(const QRectF& a, const QRectF& b) {
    const QRectF i = a.intersected(b);
    return i.width() > Eps && i.height() > Eps;
}

using Case = std::tuple<PaperDoc, PaperSize, bool, int, bool>;

class PaperLayout : public testing::TestWithParam<Case> {};

TEST_P(PaperLayout, FitsThePaperWithEveryMatchOnceAndNothingOverlapping) {
    const auto [doc, size, landscape, courts, longNames] = GetParam();
    const test::TestDay t = test::paperTestDay(4 * courts + 3, courts, longNames, 3);
    const PaperDay day = paperDay(t.roster, t.matches, courts, 0);
    const PaperSetup setup{size, landscape, QStringLiteral("ダブルス組合せ表"),
                           QStringLiteral("2026年5月3日")};
    const FakeMeasure m;
    const PaperDocument out = layoutPaper(doc, day, setup, m);

    ASSERT_FALSE(out.pages.empty());
    EXPECT_NEAR(out.sheet.width(), paperPoints(size, landscape).width(), Eps);
    std::map<int, int> marks;
    QString allText;
    const int total = static_cast<int>(out.pages.size());
    for (int p = 0; p < total; ++p) {
        const auto& items = out.pages[static_cast<std::size_t>(p)].items;
        std::vector<const PaperItem*> solid; // texts and boxes
        for (const PaperItem& it : items) {
            EXPECT_TRUE(within(out.printable, it.rect))
                << "page " << p + 1 << " " << it.text.toStdString();
            if (it.kind == PaperItemKind::Text) {
                EXPECT_LE(m.width(it.text, it.points, it.bold), it.rect.width() + Eps)
                    << it.text.toStdString();
                EXPECT_GE(it.rect.height() + Eps, it.points * PaperLineFactor);
                allText += it.text;
            }
            if (it.kind == PaperItemKind::Text || it.kind == PaperItemKind::Box)
                solid.push_back(&it);
            if (it.match > 0)
                ++marks[it.match];
        }
        std::sort(solid.begin(), solid.end(), [](const PaperItem* a, const PaperItem* b) {
            return a->rect.top() < b->rect.top();
        });
        for (std::size_t i = 0; i < solid.size(); ++i)
            for (std::size_t j = i + 1;
                 j < solid.size() && solid[j]->rect.top() < solid[i]->rect.bottom() - Eps; ++j)
                EXPECT_FALSE(overlaps(solid[i]->rect, solid[j]->rect))
                    << "page " << p + 1 << ": " << solid[i]->text.toStdString() << " / "
                    << solid[j]->text.toStdString();
        EXPECT_EQ(items.back().text, QStringLiteral("%1 / %2").arg(p + 1).arg(total));
    }

    // Wrapped names come whole again when their lines are joined.
    for (const QString& member : day.members)
        EXPECT_TRUE(allText.contains(member)) << member.size();
    const int scored = (MaxMatches + 2) / 3;
    switch (doc) {
    case PaperDoc::Schedule:
    case PaperDoc::Slips:
        EXPECT_EQ(marks.size(), static_cast<std::size_t>(MaxMatches));
        for (const auto& [match, count] : marks)
            EXPECT_EQ(count, 1) << "match " << match;
        if (doc == PaperDoc::Slips) {
            EXPECT_EQ(total, MaxMatches / 8);
        }
        break;
    case PaperDoc::Standings:
        EXPECT_EQ(marks.size(), static_cast<std::size_t>(scored));
        for (const auto& [match, count] : marks)
            EXPECT_TRUE(count == 1 && (match - 1) % 3 == 0) << "match " << match;
        break;
    case PaperDoc::Members:
        EXPECT_TRUE(marks.empty());
        break;
    }
}

std::string caseName(const testing::TestParamInfo<Case>& info) {
    const auto [doc, size, landscape, courts, longNames] = info.param;
    return (docKey(doc) + QLatin1Char('_') + paperName(size) +
            (landscape ? QStringLiteral("_landscape_") : QStringLiteral("_portrait_")) +
            QString::number(courts) +
            (longNames ? QStringLiteral("courts_255bytes") : QStringLiteral("courts")))
        .toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllPapers, PaperLayout,
                         testing::Combine(testing::Values(PaperDoc::Schedule, PaperDoc::Members,
                                                          PaperDoc::Slips, PaperDoc::Standings),
                                          testing::Values(PaperSize::A4, PaperSize::A3,
                                                          PaperSize::B4, PaperSize::Letter),
                                          testing::Bool(), testing::Values(1, 2, 3),
                                          testing::Bool()),
                         caseName);

const PaperSetup A4Landscape{PaperSize::A4, true, QStringLiteral("ダブルス組合せ表"),
                             QStringLiteral("2026年5月3日")};

TEST(PaperSchedule, HundredTwentyMatchesOnThreeCourtsTakeTwoA4LandscapeSheets) {
    const test::TestDay t = test::paperTestDay(14, 3, false, 1);
    const PaperDocument out = layoutPaper(PaperDoc::Schedule, paperDay(t.roster, t.matches, 3, 0),
                                          A4Landscape, FakeMeasure());
    EXPECT_EQ(out.pages.size(), 2u);
}

TEST(PaperSchedule, RoundsSayWhoSitsOut) {
    const test::TestDay t = test::paperTestDay(9, 2, false, 0);
    const PaperDay day = paperDay(t.roster, t.matches, 2, 0);
    ASSERT_EQ(day.rounds.size(), 60u);
    // Round 1 plays members 1 to 8 (the second court from the fifth on).
    EXPECT_EQ(day.rounds[0].sitters, QStringList{QStringLiteral("会員9 テニス")});
    for (const PaperRound& r : day.rounds)
        EXPECT_EQ(r.sitters.size() + 4 * static_cast<qsizetype>(r.matches.size()), 9);
}

TEST(PaperEmpty, ADayWithoutResultsHasEmptyBoxesAndNoResultRows) {
    const test::TestDay t = test::paperTestDay(10, 2, false, 0);
    const PaperDay day = paperDay(t.roster, t.matches, 2, 0);
    for (PaperDoc doc : {PaperDoc::Schedule, PaperDoc::Slips}) {
        int boxes = 0;
        for (const PaperPage& page : layoutPaper(doc, day, A4Landscape, FakeMeasure()).pages)
            for (const PaperItem& it : page.items)
                if (it.kind == PaperItemKind::Box) {
                    ++boxes;
                    EXPECT_TRUE(it.text.isEmpty());
                }
        EXPECT_EQ(boxes, 2 * MaxMatches) << docKey(doc).toStdString();
    }
    QStringList texts;
    for (const PaperPage& page :
         layoutPaper(PaperDoc::Standings, day, A4Landscape, FakeMeasure()).pages)
        for (const PaperItem& it : page.items)
            texts << it.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("結果の入った試合はありません。")));
}

TEST(PaperEmpty, StandingsWithNobodyRankedStillHaveTheirHeadings) {
    for (int rule : {0, 1}) {
        const PaperDay day = paperDay(MemberRoster{}, MatchTable{}, 2, rule);
        EXPECT_TRUE(day.standingsRows.empty());
        const PaperDocument out = layoutPaper(PaperDoc::Standings, day, A4Landscape, FakeMeasure());
        ASSERT_EQ(out.pages.size(), 1u);
        QStringList texts;
        for (const PaperItem& it : out.pages[0].items)
            texts << it.text;
        for (const QString& heading : day.standingsHeadings)
            EXPECT_TRUE(texts.contains(heading)) << heading.toStdString();
        EXPECT_EQ(day.standingsHeadings.size(), rule == 0 ? 11 : 6);
    }
}

} // namespace
} // namespace pf
