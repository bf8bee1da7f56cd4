#include "VirtualUser.h"

#include "DeviceParameterTable.h"

namespace fhemu
{
namespace
{
    constexpr int filterFrequencyObject = 60;
    const char* const renames[] = { "NEW IDEA", "LATE NIGHT", "WARM TAPE", "DUSTY GROOVE", "SHARP EDGE", "SOFT FOCUS" };
} // namespace

VirtualUser::VirtualUser (unsigned seed) : random (seed) {}

VirtualUser::~VirtualUser()
{
    stop();
}

std::vector<DeviceNotification> VirtualUser::step (VirtualProject& project, std::string& description)
{
    const int n = steps++;
    const int track = std::uniform_int_distribution<int> (0, VirtualProject::numTracks - 1) (random);
    const std::string trackName = "T" + std::to_string (track + 1);

    if (n % 10 == 9)
    {
        // Now and then a whole record: a new name, or another machine the track can run.
        if ((n / 10) % 2 == 0)
        {
            const std::string name = renames[std::uniform_int_distribution<int> (0, 5) (random)];
            description = trackName + " renamed to " + name;
            return project.renameSound (track, name);
        }
        const int current = project.getSound (track).setup.machineType;
        std::vector<int> allowed;
        for (int m = 0; m < params::numMachineTypes; ++m)
            if (m != current && m != 34 && m != 35 && params::machineAllowedOnTrack (m, track))
                allowed.push_back (m);
        const int machine = allowed[std::uniform_int_distribution<std::size_t> (0, allowed.size() - 1) (random)];
        description = trackName + " now runs " + params::machineDisplayName (machine);
        return project.setMachineType (track, machine);
    }

    switch (n % 3)
    {
        case 0:
        {
            const int level = std::uniform_int_distribution<int> (64, 127) (random) * 256;
            description = trackName + " level " + std::to_string (level / 256);
            return project.setTrackLevel (track, level);
        }
        case 1:
        {
            const bool muted = ! project.isMuted (track);
            description = trackName + (muted ? " muted" : " unmuted");
            return project.setMute (track, muted);
        }
        default:
        {
            const int value = std::uniform_int_distribution<int> (40, 127) (random) * 256;
            description = trackName + " filter frequency " + std::to_string (value / 256);
            return project.setSoundParameter (track, filterFrequencyObject, value);
        }
    }
}

void VirtualUser::start (std::function<void()> tick, std::chrono::milliseconds interval)
{
    stop();
    {
        std::lock_guard<std::mutex> sl (lock);
        stopping = false;
    }
    thread = std::thread ([this, tick = std::move (tick), interval] {
        std::unique_lock<std::mutex> sl (lock);
        while (! wake.wait_for (sl, interval, [this] { return stopping; }))
        {
            sl.unlock();
            tick();
            sl.lock();
        }
    });
}

void VirtualUser::stop()
{
    {
        std::lock_guard<std::mutex> sl (lock);
        stopping = true;
    }
    wake.notify_all();
    if (thread.joinable())
        thread.join();
}
} // namespace fhemu
