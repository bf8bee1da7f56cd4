#pragma once

#include "VirtualProject.h"

#include <atomic>
#include <condition_variable>
#include <chrono>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace fhemu
{
// Someone playing with the virtual device: every step changes one thing on
// it, mostly a track level, a mute or a knob of a sound, every tenth step a
// sound's name or machine. Its own thread calls the caller's tick at a fixed
// interval; the tick calls step() on the project it wants changed and sends
// what the change announces.
class VirtualUser
{
public:
    explicit VirtualUser (unsigned seed = 1);
    ~VirtualUser();

    // One change on the project; returns its notifications and describes it.
    // Called from one thread at a time.
    std::vector<DeviceNotification> step (VirtualProject& project, std::string& description);

    // The tick runs on the user's thread, first one interval after the start.
    void start (std::function<void()> tick, std::chrono::milliseconds interval);
    void stop();

private:
    std::mt19937 random;
    int steps = 0;
    std::thread thread;
    std::mutex lock;
    std::condition_variable wake;
    bool stopping = false;
};
} // namespace fhemu
