#pragma once

#include <memory>
#include <string>

// Tells whether the window in front of the desktop belongs to this process.
// Pop-ups ask it periodically and close when another program comes to the
// front. Message thread only.
class ForegroundProbe
{
public:
    enum class Owner
    {
        thisProcess,
        otherProcess,
        unknown   // no window in front, no window manager, or no display
    };

    virtual ~ForegroundProbe() = default;

    virtual Owner foregroundOwner() = 0;

    // Why the probe can never tell (for the caller's log); empty when it can.
    virtual std::string unavailableBecause() const { return {}; }

    // The probe of this system: on X11, the process id of the window manager's
    // active window against ours.
    static std::shared_ptr<ForegroundProbe> createForThisSystem();
};
