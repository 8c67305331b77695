// The day's rules: what rules a day out beforehand, and how a table held them.

#include "pairing/day_rules.h"
#include "rule_helpers.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using namespace pf::test;

// A, C, E, G men and B, D, F, H women at level 3, unless a case says otherwise.
DayFacts eightMembers() {
    DayFacts facts(8);
    for (int i = 0; i < 8; ++i) {
        facts.gender[static_cast<std::size_t>(i)] = i % 2 == 0 ? M : F;
        facts.level[static_cast<std::size_t>(i)] = 3;
    }
    return facts;
}

struct RefusalCase {
    const char* name;
    void (*change)(DayFacts&);
    DayRules rules;
    int courts;
    const char* reason; // part of the message; nullptr when the day may be made
};

class RulesRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RulesRefusal, SaysWhyOrLetsTheDayBeMade) {
    const RefusalCase& c = GetParam();
    DayFacts facts = eightMembers();
    c.change(facts);
    const std::string got = rulesRefusal(letters(8), facts, c.rules, c.courts);
    if (c.reason == nullptr) {
        EXPECT_EQ(got, "");
        return;
    }
    EXPECT_NE(got.find(c.reason), std::string::npos) << got;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RulesRefusal,
    ::testing::Values(
        RefusalCase{"AllRulesOnAnEvenClub",
                    [](DayFacts& f) { pair(f, 0, 1); },
                    {true, true, true, true, true},
                    2,
                    nullptr},
        RefusalCase{"MixedWithoutAGender",
                    [](DayFacts& f) { f.gender[3] = Gender::Unset; },
                    {.mixed = true},
                    1,
                    "性別が未設定: D"},
        RefusalCase{"MixedShortOfWomen",
                    [](DayFacts& f) { f.gender[7] = M; },
                    {.mixed = true},
                    2,
                    "今日は2コートで、男性5人・女性3人です。"},
        RefusalCase{"MixedOneCourtIsEnough",
                    [](DayFacts& f) { f.gender[7] = M; },
                    {.mixed = true},
                    1,
                    nullptr},
        RefusalCase{"FixedPairOfTwoMen",
                    [](DayFacts& f) { pair(f, 0, 2); },
                    {.mixed = true, .fixedPairs = true},
                    1,
                    "AとCは同じ性別"},
        RefusalCase{"FixedPairOfTwoMenWithoutMixed",
                    [](DayFacts& f) { pair(f, 0, 2); },
                    {.fixedPairs = true},
                    1,
                    nullptr},
        RefusalCase{"FixedAndApart",
                    [](DayFacts& f) {
                        pair(f, 0, 1);
                        keepApart(f, 0, 1);
                    },
                    {.fixedPairs = true, .keptApart = true},
                    1,
                    "両方に指定"},
        RefusalCase{"FixedPairFarApart",
                    [](DayFacts& f) { pair(f, 0, 1), f.level[1] = 5; },
                    {.levelNear = true, .fixedPairs = true},
                    1,
                    "レベルが2以上離れている"},
        RefusalCase{"StrongestAlone",
                    [](DayFacts& f) { f.level[4] = 5; },
                    {.levelNear = true},
                    1,
                    "Eと同じ試合に入れるメンバーが3人に足りません（レベル差1以内の人）"},
        RefusalCase{"StrongestAloneWithoutNear",
                    [](DayFacts& f) { f.level[4] = 5; },
                    {.levelBalance = true},
                    1,
                    nullptr},
        RefusalCase{"KeptApartFromNearlyAll",
                    [](DayFacts& f) {
                        for (int j = 1; j < 6; ++j)
                            keepApart(f, 0, j);
                    },
                    {.keptApart = true},
                    1,
                    "（別々にする指定のない人）"},
        RefusalCase{"PartnersNamedOneWayAndAnother",
                    [](DayFacts& f) { f.conflict = "固定ペアの指定が食い違っています"; },
                    {.fixedPairs = true},
                    1,
                    "食い違って"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BindingCase {
    const char* name;
    void (*change)(DayFacts&);
    DayRules binding; // of all five chosen
};

class RulesThatBind : public ::testing::TestWithParam<BindingCase> {};

TEST_P(RulesThatBind, OnlyThoseTheFactsGiveWork) {
    DayFacts facts = eightMembers();
    GetParam().change(facts);
    EXPECT_EQ(bindingRules(facts, {true, true, true, true, true}), GetParam().binding);
    EXPECT_EQ(bindingRules(facts, {}), DayRules{});
}

INSTANTIATE_TEST_SUITE_P(
    Facts, RulesThatBind,
    ::testing::Values(BindingCase{"AllAtOneLevel", [](DayFacts&) {}, {.mixed = true}},
                      BindingCase{"UnsetCountsAsTheMiddle",
                                  [](DayFacts& f) { f.level[0] = UnsetLevel; },
                                  {.mixed = true}},
                      BindingCase{"LevelsOneApart",
                                  [](DayFacts& f) { f.level[0] = 4; },
                                  {.mixed = true, .levelBalance = true}},
                      BindingCase{"LevelsTwoApart",
                                  [](DayFacts& f) {
                                      f.level[0] = 4;
                                      f.level[1] = 2;
                                  },
                                  {.mixed = true, .levelBalance = true, .levelNear = true}},
                      BindingCase{"AFixedPairHere",
                                  [](DayFacts& f) { pair(f, 2, 3); },
                                  {.mixed = true, .fixedPairs = true}},
                      BindingCase{"TwoKeptApartHere",
                                  [](DayFacts& f) { keepApart(f, 4, 6); },
                                  {.mixed = true, .keptApart = true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuleFigures, CountsEachRuleOnAHandMadeDay) {
    // A(M,5) B(F,4) C(M,1) D(F,unset) E(M,2) F(F,2); A–B fixed, C and E apart.
    DayFacts facts(6);
    facts.gender = {M, F, M, F, M, F};
    facts.level = {5, 4, 1, UnsetLevel, 2, 2};
    pair(facts, 0, 1);
    keepApart(facts, 2, 4);
    const std::vector<Name> names = letters(6);
    MatchTable table{};
    table[0] = {"A", "B", "C", "D"}; // mixed, levels 5 4 1 3: not near, gap 9 − 4
    table[1] = {"A", "C", "B", "E"}; // two men, not near, C with E, A opposite B
    table[2] = {"C", "D", "E", "F"}; // 1 and 3 not near, C with E; A and B rest together
    const RuleFigures day = ruleFigures(names, facts, table, 1);
    EXPECT_EQ(day.mixedBreaks, 1);
    EXPECT_EQ(day.nearBreaks, 3);
    EXPECT_EQ(day.apartBreaks, 2);
    EXPECT_EQ(day.fixedBreaks, 1);
    EXPECT_EQ(day.largestLevelGap, 5);
    EXPECT_DOUBLE_EQ(day.meanLevelGap, 5.0 / 3);
    EXPECT_EQ(day.fixedPairs, 1);
    EXPECT_EQ(day.fixedPairsKept, 0);
    EXPECT_EQ(day.apartPairs, 1);
    EXPECT_EQ(day.apartPairsKept, 0);
    EXPECT_EQ(day.breaks({.mixed = true, .keptApart = true}), 3);

    const RuleFigures first = ruleFigures(names, facts, table, 1, 0, 1);
    EXPECT_EQ(first.breaks({true, true, true, true, true}), 1);
    EXPECT_EQ(first.fixedPairsKept, 1);
    EXPECT_EQ(first.apartPairsKept, 1);
}

} // namespace
} // namespace pf
