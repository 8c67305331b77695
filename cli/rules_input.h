#pragma once
// The day's rules on the command line, shared by generate, replan and report:
// --facts FILE names the members' facts file, whose fixed partners and
// members kept apart then hold; --mixed and --levels balance|near add the
// other rules, and need the facts.

#include "cli/cli_support.h"
#include "members/member_facts.h"
#include "pairing/day_rules.h"

#include <optional>
#include <vector>

namespace pf::cli {

struct RulesInput {
    bool given = false; // --facts was named
    DayRules rules;
    std::vector<MemberFacts> facts;
};

void addRuleOptions(CommandLine& cmd);

// The rules and facts the options ask for, or the command's exit status with
// the reason already printed (a usage error, or a facts file that cannot be
// read). Lines of the facts file that cannot be read are warned about.
std::optional<int> readRuleOptions(CommandLine& cmd, RulesInput& input);

} // namespace pf::cli
