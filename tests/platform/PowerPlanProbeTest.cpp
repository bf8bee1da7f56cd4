// The Linux power-plan probe reads a made-up sysfs folder.
#include "platform/PowerPlanProbe.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace
{
class MadeUpSysfs : public ::testing::Test
{
protected:
    MadeUpSysfs()
    {
        root = fs::temp_directory_path() / ("fh-sysfs-" + std::to_string (std::random_device {}()));
        fs::create_directories (root);
    }
    ~MadeUpSysfs() override { fs::remove_all (root); }

    void write (const fs::path& relative, const std::string& text)
    {
        fs::create_directories ((root / relative).parent_path());
        std::ofstream (root / relative) << text << "\n";
    }

    void policy (int n, const std::string& governor, long long minimum, long long maximum, long long hardware)
    {
        const fs::path folder = fs::path ("devices/system/cpu/cpufreq") / ("policy" + std::to_string (n));
        write (folder / "scaling_governor", governor);
        write (folder / "scaling_min_freq", std::to_string (minimum));
        write (folder / "scaling_max_freq", std::to_string (maximum));
        write (folder / "cpuinfo_max_freq", std::to_string (hardware));
    }

    void supply (const std::string& name, const std::string& type, const std::string& key, const std::string& value)
    {
        write (fs::path ("class/power_supply") / name / "type", type);
        write (fs::path ("class/power_supply") / name / key, value);
    }

    PowerPlanProbe::Reading read() const { return LinuxPowerPlanProbe (root).read(); }

    fs::path root;
};
} // namespace

TEST_F (MadeUpSysfs, AMachineThatTellsNothingIsNotThrottling)
{
    EXPECT_FALSE (read().throttling.has_value());
    EXPECT_EQ (read().source, PowerPlanProbe::PowerSource::unknown);

    // A policy folder with a file missing or unreadable numbers tells nothing either.
    write ("devices/system/cpu/cpufreq/policy0/scaling_governor", "powersave");
    write ("devices/system/cpu/cpufreq/policy0/scaling_min_freq", "800000");
    write ("devices/system/cpu/cpufreq/policy0/cpuinfo_max_freq", "fast");
    EXPECT_FALSE (read().throttling.has_value());
}

TEST_F (MadeUpSysfs, PoliciesThatLetAProcessorClockDownThrottle)
{
    struct Case
    {
        const char* governor;
        long long minimum, maximum, hardware;
        bool throttles;
    };
    const Case cases[] = {
        { "performance", 800000, 3600000, 3600000, false },   // pinned at the top
        { "performance", 800000, 2000000, 3600000, true },    // pinned below the top
        { "powersave", 800000, 3600000, 3600000, true },
        { "schedutil", 800000, 3600000, 3600000, true },
        { "schedutil", 3600000, 3600000, 3600000, false },    // the minimum is the maximum
        { "ondemand", 3599999, 3600000, 3600000, true },
    };
    for (const auto& c : cases)
    {
        policy (0, c.governor, c.minimum, c.maximum, c.hardware);
        const auto reading = read();
        ASSERT_TRUE (reading.throttling.has_value()) << c.governor;
        EXPECT_EQ (*reading.throttling, c.throttles) << c.governor << " " << c.minimum << " " << c.maximum;
    }

    // One throttling policy among several is enough.
    policy (0, "performance", 800000, 3600000, 3600000);
    policy (1, "performance", 800000, 3600000, 3600000);
    EXPECT_FALSE (*read().throttling);
    policy (2, "powersave", 400000, 2000000, 2000000);
    EXPECT_TRUE (*read().throttling);
}

TEST_F (MadeUpSysfs, MainsAndBatteryAreToldApart)
{
    supply ("BAT0", "Battery", "status", "Discharging");
    EXPECT_EQ (read().source, PowerPlanProbe::PowerSource::battery);
    supply ("AC", "Mains", "online", "1");
    EXPECT_EQ (read().source, PowerPlanProbe::PowerSource::mains);
    supply ("AC", "Mains", "online", "0");
    EXPECT_EQ (read().source, PowerPlanProbe::PowerSource::battery);
    supply ("BAT0", "Battery", "status", "Charging");
    EXPECT_EQ (read().source, PowerPlanProbe::PowerSource::mains);
}
