#include "tools/stored_design_text.h"

#include "pairing/stored_designs.h"

#include <QFile>
#include <gtest/gtest.h>

namespace pf::tools {
namespace {

std::string storedDaysFile() {
    QFile file(QStringLiteral(PF_SOURCE_DIR "/pairing/stored_designs.cpp"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.errorString().toStdString();
    return file.readAll().toStdString();
}

// The stored day whose comment names the smallest budget is searched again
// with its seed and budget: the search finds it, and the file holds it exactly
// as the tool would write it, in its place.
TEST(StoredDesignText, TheCheapestStoredDayIsTheToolsOutput) {
    const std::string text = storedDaysFile();
    std::optional<FoundDay> cheapest;
    for (int courts = 1; courts <= MaxCourts; ++courts)
        for (int members = 4 * courts; members <= MostStoredMembers; ++members)
            if (const auto record = searchRecordOf(text, members, courts);
                record && (!cheapest || record->moves < cheapest->moves))
                cheapest = FoundDay{.members = members,
                                    .courts = courts,
                                    .seed = record->seed,
                                    .moves = record->moves,
                                    .blockRounds = record->blockRounds,
                                    .meetingSearch = record->meetingSearch};
    ASSERT_TRUE(cheapest) << "no stored day names its seed and budget";
    ASSERT_TRUE(searchDay(*cheapest));
    EXPECT_NE(text.find(storedDesignEntry(*cheapest)), std::string::npos);
    EXPECT_EQ(withStoredDesign(text, *cheapest), text);
}

// Six on one court: a block of 15 rounds where every pair partners twice and
// faces four times, played eight times, is even over the day and wherever it
// stops; its record finds it again.
TEST(StoredDesignText, ABlockDayRepeatsItsBlockAndIsFoundAgain) {
    const std::string text = storedDaysFile();
    const auto record = searchRecordOf(text, 6, 1);
    ASSERT_TRUE(record);
    ASSERT_EQ(record->blockRounds, 15);
    FoundDay day{6, 1, record->seed, record->moves, {}, record->blockRounds, true};
    ASSERT_TRUE(searchDay(day));
    for (std::size_t k = 15; k < day.table.size(); ++k)
        EXPECT_EQ(day.table[k], day.table[k % 15]) << k;
    EXPECT_NE(text.find(storedDesignEntry(day)), std::string::npos);
}

TEST(StoredDesignText, ADayGoesInOrderOrReplacesItsRostersDay) {
    FoundDay day{9, 2, 5, 100, {}};
    for (MatchRecord& m : day.table)
        m = {"0", "1", "2", "3", 0, 0};
    const std::string entry = storedDesignEntry(day);
    const std::string old = "    // 9 members, 2 courts\n    {9, 2, Old},\n";
    const std::string before = "    // 13 members, 1 court\n    {13, 1, A},\n";
    const std::string after = "    // 8 members, 3 courts:\n    //   a note\n    {8, 3, B},\n";
    const std::string head = "x\n    // BEGIN DESIGNS\n";
    const std::string tail = "    // END DESIGNS\ny\n";
    EXPECT_EQ(withStoredDesign(head + before + after + tail, day),
              head + before + entry + after + tail);
    EXPECT_EQ(withStoredDesign(head + before + old + after + tail, day),
              head + before + entry + after + tail);
    EXPECT_EQ(withStoredDesign("no markers\n", day), std::nullopt);
    EXPECT_EQ(searchRecordOf(head + entry + tail, 9, 2)->moves, 100);
}

// The meeting search holds a day's hard rules and evens out its pairs on a
// small roster, and its record names the search so that it is run again.
TEST(StoredDesignText, AMeetingSearchDayIsEvenAndItsRecordNamesTheSearch) {
    FoundDay day{10, 1, 1, 3'000'000, {}, 0, false, true};
    ASSERT_TRUE(searchDay(day));
    const std::string entry = storedDesignEntry(day);
    EXPECT_EQ(entry.substr(0, entry.find('\n')),
              "    // 10 members, 1 court (seed 1, 3000000 moves of the meeting search)");
    const auto record =
        searchRecordOf("x\n    // BEGIN DESIGNS\n" + entry + "    // END DESIGNS\n", 10, 1);
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->meetingSearch);
}

// Members past the letters are written in punctuation, '?' escaped so that
// the compiler reads back the member the tool meant.
TEST(StoredDesignText, MembersPastTheLettersReadBack) {
    for (int i = 0; i < MostStoredMembers; ++i)
        EXPECT_EQ(storedMemberIndex(storedMemberChar(i)), i);
    FoundDay day{92, 1, 5, 100, {}};
    for (MatchRecord& m : day.table)
        m = {"91", "62", "0", "61", 0, 0};
    EXPECT_NE(storedDesignEntry(day).find(R"(     "\?!0z\?!0z)"), std::string::npos);
}

} // namespace
} // namespace pf::tools
