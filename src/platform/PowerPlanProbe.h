#pragma once

#include <filesystem>
#include <optional>

// Whether the machine's power settings let the processor clock down, which costs
// audio blocks their deadline.
class PowerPlanProbe
{
public:
    enum class PowerSource
    {
        unknown,
        mains,
        battery
    };

    struct Reading
    {
        PowerSource source = PowerSource::unknown;
        // True when some processor may run below its maximum clock; empty when the
        // machine tells nothing about its processors' clocks.
        std::optional<bool> throttling;
    };

    virtual ~PowerPlanProbe() = default;
    virtual Reading read() const = 0;
};

// Linux: the kernel's CPU frequency policies under <root>/devices/system/cpu/cpufreq
// and the power supplies under <root>/class/power_supply. A policy keeps its
// processors at their maximum when its governor is "performance" with the
// scaling maximum at the hardware maximum, or when its scaling minimum reaches the
// hardware maximum; any other readable policy throttles. Folders or files that
// cannot be read count as no information.
class LinuxPowerPlanProbe final : public PowerPlanProbe
{
public:
    explicit LinuxPowerPlanProbe (std::filesystem::path sysRoot = "/sys");
    Reading read() const override;

private:
    PowerSource readSource() const;
    std::optional<bool> readThrottling() const;

    const std::filesystem::path root;
};
