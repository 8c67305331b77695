#include "pairing/day_rules.h"

#include "model/text_codec.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace pf {

namespace {

QString nameOf(const std::vector<Name>& names, int i) {
    return decodeCp932(names[static_cast<std::size_t>(i)]);
}

// A list of names for a message, cut after a few so it stays readable.
QString nameList(const std::vector<Name>& names, const std::vector<int>& which) {
    constexpr int Shown = 5;
    QStringList parts;
    for (std::size_t k = 0; k < which.size() && k < Shown; ++k)
        parts << nameOf(names, which[k]);
    QString list = parts.join(QStringLiteral("、"));
    if (which.size() > Shown)
        list += QStringLiteral(" ほか%1人").arg(which.size() - Shown);
    return list;
}

bool near(const DayFacts& facts, int i, int j) {
    const auto at = [&facts](int k) { return ruleLevel(facts.level[static_cast<std::size_t>(k)]); };
    return std::abs(at(i) - at(j)) <= 1;
}

} // namespace

DayRules dayRulesFromBits(std::int32_t bits) {
    return {(bits & RuleMixedBit) != 0, (bits & RuleLevelBalanceBit) != 0,
            (bits & RuleLevelNearBit) != 0, (bits & RuleFixedPairsBit) != 0,
            (bits & RuleKeptApartBit) != 0};
}

std::int32_t dayRuleBits(const DayRules& rules) {
    return (rules.mixed ? RuleMixedBit : 0) | (rules.levelBalance ? RuleLevelBalanceBit : 0) |
           (rules.levelNear ? RuleLevelNearBit : 0) | (rules.fixedPairs ? RuleFixedPairsBit : 0) |
           (rules.keptApart ? RuleKeptApartBit : 0);
}

NameIndex::NameIndex(const std::vector<Name>& names, std::size_t count) {
    for (std::size_t i = 0; i < names.size() && i < count; ++i)
        index_.emplace(names[i], static_cast<int>(i));
}

int NameIndex::operator()(const Name& name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? -1 : it->second;
}

DayFacts::DayFacts(int members)
    : gender(static_cast<std::size_t>(members), Gender::Unset),
      level(static_cast<std::size_t>(members), UnsetLevel),
      fixedPartner(static_cast<std::size_t>(members), -1),
      keptApart(static_cast<std::size_t>(members)) {}

bool DayFacts::apart(int i, int j) const {
    const std::vector<int>& list = keptApart[static_cast<std::size_t>(i)];
    return std::binary_search(list.begin(), list.end(), j);
}

DayRules bindingRules(const DayFacts& facts, const DayRules& rules) {
    DayRules binding = rules;
    int lowest = MaxLevel;
    int highest = MinLevel;
    for (int level : facts.level) {
        lowest = std::min(lowest, ruleLevel(level));
        highest = std::max(highest, ruleLevel(level));
    }
    binding.levelBalance = rules.levelBalance && highest > lowest;
    binding.levelNear = rules.levelNear && highest - lowest > 1;
    binding.fixedPairs =
        rules.fixedPairs && std::any_of(facts.fixedPartner.begin(), facts.fixedPartner.end(),
                                        [](int partner) { return partner >= 0; });
    binding.keptApart =
        rules.keptApart && std::any_of(facts.keptApart.begin(), facts.keptApart.end(),
                                       [](const std::vector<int>& list) { return !list.empty(); });
    return binding;
}

std::string rulesRefusal(const std::vector<Name>& names, const DayFacts& facts,
                         const DayRules& rules, int courts) {
    const int n = facts.size();
    const auto g = [&facts](int i) { return facts.gender[static_cast<std::size_t>(i)]; };
    if (rules.fixedPairs && !facts.conflict.empty())
        return facts.conflict;
    if (rules.mixed) {
        std::vector<int> unset;
        int men = 0;
        int women = 0;
        for (int i = 0; i < n; ++i) {
            if (g(i) == Gender::Unset)
                unset.push_back(i);
            men += g(i) == Gender::Male;
            women += g(i) == Gender::Female;
        }
        if (!unset.empty())
            return QStringLiteral("ミックスダブルスには全員の性別が必要です。性別が未設定: %1")
                .arg(nameList(names, unset))
                .toStdString();
        if (men < 2 * courts || women < 2 * courts)
            return QStringLiteral("ミックスダブルスには男性・女性がそれぞれ（２人×コート数）人以上"
                                  "必要です。今日は%1コートで、男性%2人・女性%3人です。")
                .arg(courts)
                .arg(men)
                .arg(women)
                .toStdString();
    }
    for (int i = 0; i < n; ++i) {
        const int p = facts.fixedPartner[static_cast<std::size_t>(i)];
        if (!rules.fixedPairs || p < i)
            continue;
        if (rules.mixed && g(i) == g(p))
            return QStringLiteral(
                       "固定ペアの%1と%2は同じ性別なので、ミックスダブルスでは組めません。")
                .arg(nameOf(names, i), nameOf(names, p))
                .toStdString();
        if (rules.keptApart && facts.apart(i, p))
            return QStringLiteral("%1と%2は固定ペアと別々にするの両方に指定されています。")
                .arg(nameOf(names, i), nameOf(names, p))
                .toStdString();
        if (rules.levelNear && !near(facts, i, p))
            return QStringLiteral(
                       "固定ペアの%1と%2はレベルが2以上離れているので、近いレベルでは組めません。")
                .arg(nameOf(names, i), nameOf(names, p))
                .toStdString();
    }
    // A match needs three others that the member may share it with.
    for (int i = 0; i < n; ++i) {
        int others = 0;
        for (int j = 0; j < n; ++j) {
            if (j == i || (rules.keptApart && facts.apart(i, j)) ||
                (rules.levelNear && !near(facts, i, j)))
                continue;
            ++others;
        }
        if (others < 3)
            return QStringLiteral("%1と同じ試合に入れるメンバーが3人に足りません（%2）。")
                .arg(nameOf(names, i),
                     rules.levelNear && rules.keptApart
                         ? QStringLiteral("レベル差1以内で、別々にする指定のない人")
                     : rules.levelNear ? QStringLiteral("レベル差1以内の人")
                                       : QStringLiteral("別々にする指定のない人"))
                .toStdString();
    }
    return {};
}

int RuleFigures::breaks(const DayRules& rules) const {
    return (rules.mixed ? mixedBreaks : 0) + (rules.levelNear ? nearBreaks : 0) +
           (rules.fixedPairs ? fixedBreaks : 0) + (rules.keptApart ? apartBreaks : 0);
}

RuleFigures ruleFigures(const std::vector<Name>& names, const DayFacts& facts,
                        const MatchTable& table, int courts, int firstMatch, int endMatch) {
    const NameIndex at(names);
    const int n = facts.size();
    RuleFigures figures;
    std::vector<char> pairSplit(static_cast<std::size_t>(n), 0); // by the pair's lower index
    std::vector<char> apartMet(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0);
    int gapSum = 0;
    int matches = 0;
    courts = std::clamp(courts, MinCourts, MaxCourts);
    endMatch = std::min(endMatch, MaxMatches);
    for (int roundStart = firstMatch - firstMatch % courts; roundStart < endMatch;
         roundStart += courts) {
        std::vector<int> sideOf(static_cast<std::size_t>(n), -1); // this round: match*2+side
        for (int k = std::max(roundStart, firstMatch); k < std::min(roundStart + courts, endMatch);
             ++k) {
            const MatchRecord& m = table[static_cast<std::size_t>(k)];
            const int p[4] = {at(m.a), at(m.b), at(m.c), at(m.d)};
            if (std::any_of(std::begin(p), std::end(p), [](int i) { return i < 0; }))
                continue; // an empty slot or a name not on today's list
            ++matches;
            for (int s = 0; s < 4; ++s)
                sideOf[static_cast<std::size_t>(p[s])] = 2 * (k - roundStart) + s / 2;
            const auto g = [&facts](int i) { return facts.gender[static_cast<std::size_t>(i)]; };
            if (g(p[0]) == g(p[1]) || g(p[2]) == g(p[3]) || g(p[0]) == Gender::Unset ||
                g(p[1]) == Gender::Unset || g(p[2]) == Gender::Unset || g(p[3]) == Gender::Unset)
                ++figures.mixedBreaks;
            bool farApart = false;
            bool apartHere = false;
            for (int s = 0; s < 4; ++s) {
                for (int t = s + 1; t < 4; ++t) {
                    farApart = farApart || !near(facts, p[s], p[t]);
                    if (facts.apart(p[s], p[t])) {
                        apartHere = true;
                        apartMet[static_cast<std::size_t>(std::min(p[s], p[t]) * n +
                                                          std::max(p[s], p[t]))] = 1;
                    }
                }
            }
            figures.nearBreaks += farApart;
            figures.apartBreaks += apartHere;
            const auto lv = [&facts](int i) {
                return ruleLevel(facts.level[static_cast<std::size_t>(i)]);
            };
            const int gap = std::abs(lv(p[0]) + lv(p[1]) - lv(p[2]) - lv(p[3]));
            figures.largestLevelGap = std::max(figures.largestLevelGap, gap);
            gapSum += gap;
        }
        for (int i = 0; i < n; ++i) {
            const int q = facts.fixedPartner[static_cast<std::size_t>(i)];
            if (q <= i)
                continue;
            if (sideOf[static_cast<std::size_t>(i)] != sideOf[static_cast<std::size_t>(q)]) {
                ++figures.fixedBreaks;
                pairSplit[static_cast<std::size_t>(i)] = 1;
            }
        }
    }
    if (matches > 0)
        figures.meanLevelGap = static_cast<double>(gapSum) / matches;
    for (int i = 0; i < n; ++i) {
        const int q = facts.fixedPartner[static_cast<std::size_t>(i)];
        if (q > i) {
            ++figures.fixedPairs;
            figures.fixedPairsKept += pairSplit[static_cast<std::size_t>(i)] == 0;
        }
        for (const int j : facts.keptApart[static_cast<std::size_t>(i)]) {
            if (j <= i)
                continue;
            ++figures.apartPairs;
            figures.apartPairsKept += apartMet[static_cast<std::size_t>(i * n + j)] == 0;
        }
    }
    return figures;
}

} // namespace pf
