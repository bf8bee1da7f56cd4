#include "processor/BufferSafetyMargin.h"

#include "foundation/GlobalPreferences.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace
{
struct MarginCase
{
    const char* name;
    int stored;
    int used;
    bool clamped;   // by the reader (the preferences give their default for values outside 1 to 1000)
};

class BufferSafetyMarginRead : public fhtest::AppTest, public ::testing::WithParamInterface<MarginCase>
{
};
} // namespace

TEST_P (BufferSafetyMarginRead, ClampsTo25To1000PercentAndLogsAClampedValue)
{
    const auto& c = GetParam();
    GlobalPreferences preferences (false, false, 5000,
                                   GlobalPreferencesFiles { tempHome.appDataRoot().getChildFile ("Global.settings"),
                                                            tempHome.home().getChildFile ("common/Global.settings") });
    preferences.setBufferSafetyMargin (c.stored);
    fhtest::ScopedLogCapture log;
    EXPECT_EQ (BufferSafetyMargin::read (preferences), c.used);
    EXPECT_EQ (log.count ("Resampler buffer safety margin"), c.clamped ? 1 : 0);
    if (c.clamped)
    {
        EXPECT_EQ (log.count (std::to_string (c.stored) + " is outside 25 to 1000; " + std::to_string (c.used)), 1);
    }
}

INSTANTIATE_TEST_SUITE_P (Cases, BufferSafetyMarginRead,
                          ::testing::Values (MarginCase { "Default", 100, 100, false },
                                             MarginCase { "Lowest", 25, 25, false },
                                             MarginCase { "Highest", 1000, 1000, false },
                                             MarginCase { "TooLow", 24, 25, true },
                                             MarginCase { "One", 1, 25, true },
                                             MarginCase { "ZeroGivesTheDefault", 0, 100, false },
                                             MarginCase { "NegativeGivesTheDefault", -50, 100, false },
                                             MarginCase { "AboveTheKeysRangeGivesTheDefault", 1001, 100, false }),
                          [] (const auto& info) { return std::string (info.param.name); });
