// SPDX-License-Identifier: MIT
#include "link/StatusText.h"

#include <gtest/gtest.h>
#include <string>

namespace {
struct RuleCase
{
    const char *name;
    int shownId; // 0: a prompt, or any text without an id
    bool noLink;
    bool busy;
    int initPollCount;
    bool mayChange;
};

class StatusRuleTest : public ::testing::TestWithParam<RuleCase>
{};

TEST_P(StatusRuleTest, DecidesOnTheIdShown)
{
    const RuleCase &c = GetParam();
    EXPECT_EQ(statusMayChange(c.shownId, {c.noLink, c.busy, c.initPollCount}), c.mayChange);
}

using namespace StringId;
INSTANTIATE_TEST_SUITE_P(
    Rule, StatusRuleTest,
    ::testing::Values(
        RuleCase{"ReadyCameraReplacesAnything", Busy, false, false, 0, true},
        RuleCase{"ReadyCameraReplacesAPrompt", 0, false, false, 0, true},
        RuleCase{"NoLinkReplacesReady", Ready, true, false, 0, true},
        RuleCase{"NoLinkReplacesInitializing", Initializing, true, false, 0, true},
        RuleCase{"NoLinkKeepsNotReady", NotReady, true, false, 0, false},
        RuleCase{"NoLinkKeepsBusy", Busy, true, false, 0, false},
        RuleCase{"NoLinkKeepsAPrompt", 0, true, false, 0, false},
        RuleCase{"InitializingReplacesReady", Ready, false, true, 0, true},
        RuleCase{"InitializingReplacesNotReady", NotReady, false, true, 0, true},
        RuleCase{"InitializingKeepsItsWarning", Initializing, false, true, 0, false},
        RuleCase{"BothReplaceEitherWarning", NotReady, true, true, 0, true},
        RuleCase{"BothKeepBusy", Busy, true, true, 0, false},
        RuleCase{"AtThePollLimitTheWarningStays", Initializing, false, true, 60, false},
        RuleCase{"PastThePollLimitAnythingGoes", Initializing, false, true, 61, true}),
    [](const ::testing::TestParamInfo<RuleCase> &info) { return std::string(info.param.name); });
// A request the rule refuses changes nothing, except that "Busy !" does not outlive its operation
// once only the link is down.
TEST(StatusRule, BusyGivesWayToNotReadyWhenItsOperationEndsWithoutLink)
{
    const struct
    {
        int shownId;
        int requestedId;
        StatusReadiness readiness;
        int shownAfter;
    } cases[] = {
        {Busy, Ready, {true, false, 0}, NotReady}, {Busy, Ready, {false, false, 0}, Ready},
        {Busy, Ready, {true, true, 0}, 0},         {Busy, NotReady, {true, false, 0}, 0},
        {NotReady, Ready, {true, false, 0}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(statusAfterRequest(c.shownId, c.requestedId, c.readiness), c.shownAfter)
            << c.shownId << " " << c.requestedId << " noLink " << c.readiness.noLink << " busy "
            << c.readiness.busy;
}
} // namespace
