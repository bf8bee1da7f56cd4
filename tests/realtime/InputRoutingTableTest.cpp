#include "realtime/InputRoutingTable.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST (InputRoutingTable, StartsAsTheIdentityWithEveryInputFed)
{
    InputRoutingTable table;
    for (int i = 0; i < InputRoutingTable::kSize; ++i)
    {
        EXPECT_EQ (table.get (i), i);
        EXPECT_TRUE (table.isFed (i));
    }
}

struct RoutingCase
{
    const char* name;
    std::vector<std::pair<int, int>> sets;   // applied in order
    std::vector<int> expectedRouting;        // 12 entries
    std::vector<int> expectedFed;            // device inputs fed
};

class InputRoutingTableCases : public ::testing::TestWithParam<RoutingCase>
{
};

TEST_P (InputRoutingTableCases, FedFlagsFollowTheEntries)
{
    const auto& c = GetParam();
    InputRoutingTable table;
    for (const auto& [host, device] : c.sets)
        EXPECT_TRUE (table.set (host, device));
    for (int i = 0; i < InputRoutingTable::kSize; ++i)
        EXPECT_EQ (table.get (i), c.expectedRouting[static_cast<std::size_t> (i)]) << "host input " << i;
    for (int d = 0; d < InputRoutingTable::kSize; ++d)
    {
        const bool expected = std::find (c.expectedFed.begin(), c.expectedFed.end(), d) != c.expectedFed.end();
        EXPECT_EQ (table.isFed (d), expected) << "device input " << d;
    }
}

INSTANTIATE_TEST_SUITE_P (
    Cases, InputRoutingTableCases,
    ::testing::Values (
        RoutingCase { "AllUnrouted",
                      { { 0, -1 }, { 1, -1 }, { 2, -1 }, { 3, -1 }, { 4, -1 }, { 5, -1 },
                        { 6, -1 }, { 7, -1 }, { 8, -1 }, { 9, -1 }, { 10, -1 }, { 11, -1 } },
                      std::vector<int> (12, -1), {} },
        RoutingCase { "TwoHostInputsOnOneDeviceInput",
                      { { 0, 5 }, { 1, 5 }, { 2, -1 }, { 3, -1 }, { 4, -1 }, { 5, -1 },
                        { 6, -1 }, { 7, -1 }, { 8, -1 }, { 9, -1 }, { 10, -1 }, { 11, -1 } },
                      { 5, 5, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1 }, { 5 } },
        RoutingCase { "MovingAnEntryFreesItsOldInput",
                      { { 3, 7 } },
                      { 0, 1, 2, 7, 4, 5, 6, 7, 8, 9, 10, 11 }, { 0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11 } },
        RoutingCase { "RoutingBackRestoresTheFlag",
                      { { 3, 7 }, { 3, 3 } },
                      { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST (InputRoutingTable, RefusesEntriesOutsideTheTable)
{
    InputRoutingTable table;
    const std::pair<int, int> refused[] = { { -1, 0 }, { 12, 0 }, { 0, -2 }, { 0, 12 } };
    for (const auto& [host, device] : refused)
        EXPECT_FALSE (table.set (host, device)) << host << " -> " << device;
    for (int i = 0; i < InputRoutingTable::kSize; ++i)
        EXPECT_EQ (table.get (i), i);
    EXPECT_EQ (table.get (12), -1);
    EXPECT_FALSE (table.isFed (-1));
}
