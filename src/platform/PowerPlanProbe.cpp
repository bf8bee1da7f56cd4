#include "platform/PowerPlanProbe.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// The first line of a small sysfs file, without trailing white space; empty when unreadable.
std::optional<std::string> readLine (const fs::path& file)
{
    std::ifstream in (file);
    std::string line;
    if (! in || ! std::getline (in, line))
        return std::nullopt;
    while (! line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.pop_back();
    return line;
}

std::optional<long long> readNumber (const fs::path& file)
{
    const auto line = readLine (file);
    if (! line || line->empty())
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars (line->data(), line->data() + line->size(), value);
    if (error != std::errc() || end != line->data() + line->size())
        return std::nullopt;
    return value;
}

std::vector<fs::path> subfolders (const fs::path& folder, std::string_view prefix)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it (folder, error), end; ! error && it != end; it.increment (error))
    {
        const auto name = it->path().filename().string();
        if (name.compare (0, prefix.size(), prefix) == 0)
            found.push_back (it->path());
    }
    std::sort (found.begin(), found.end());
    return found;
}

// Whether one policy lets its processors run below their maximum; empty when it tells too little.
std::optional<bool> policyThrottles (const fs::path& policy)
{
    const auto hardwareMax = readNumber (policy / "cpuinfo_max_freq");
    const auto scalingMin = readNumber (policy / "scaling_min_freq");
    const auto scalingMax = readNumber (policy / "scaling_max_freq");
    if (! hardwareMax || ! scalingMin || ! scalingMax)
        return std::nullopt;
    if (*scalingMin >= *hardwareMax)
        return false;
    const auto governor = readLine (policy / "scaling_governor");
    return ! (governor && *governor == "performance" && *scalingMax >= *hardwareMax);
}
} // namespace

LinuxPowerPlanProbe::LinuxPowerPlanProbe (fs::path sysRoot) : root (std::move (sysRoot)) {}

PowerPlanProbe::Reading LinuxPowerPlanProbe::read() const
{
    return { readSource(), readThrottling() };
}

PowerPlanProbe::PowerSource LinuxPowerPlanProbe::readSource() const
{
    // On battery only when a battery discharges and no mains supply is online.
    bool mainsOnline = false;
    bool discharging = false;
    bool any = false;
    for (const auto& supply : subfolders (root / "class" / "power_supply", ""))
    {
        const auto type = readLine (supply / "type");
        if (! type)
            continue;
        if (*type == "Mains")
        {
            any = true;
            mainsOnline = mainsOnline || readNumber (supply / "online").value_or (0) != 0;
        }
        else if (*type == "Battery")
        {
            any = true;
            discharging = discharging || readLine (supply / "status").value_or ("") == "Discharging";
        }
    }
    if (! any)
        return PowerSource::unknown;
    return discharging && ! mainsOnline ? PowerSource::battery : PowerSource::mains;
}

std::optional<bool> LinuxPowerPlanProbe::readThrottling() const
{
    std::optional<bool> result;
    for (const auto& policy : subfolders (root / "devices" / "system" / "cpu" / "cpufreq", "policy"))
        if (const auto throttles = policyThrottles (policy))
            result = result.value_or (false) || *throttles;
    return result;
}
