#pragma once

#include "AsyncDataServer.h"
#include "EmulatorReadResponder.h"
#include "VirtualProject.h"

#include <memory>
#include <vector>

namespace fhemu
{
// The virtual device behind one device data connection: its project answers
// the program's reads and takes its writes and commands, the engine's ready
// transaction goes out as soon as a client connects, and changes made at the
// device are announced to the program. Must be destroyed before the server.
class VirtualDevice
{
public:
    // Serves the given project (a fresh one when null).
    explicit VirtualDevice (AsyncDataServer& server, std::shared_ptr<VirtualProject> project = nullptr);
    ~VirtualDevice();

    VirtualDevice (const VirtualDevice&) = delete;
    VirtualDevice& operator= (const VirtualDevice&) = delete;

    VirtualProject& getProject() { return *project; }
    EmulatorReadResponder& getResponder() { return responder; }

    // Sends what a change of the project announces, e.g.
    // announce (getProject().setTrackLevel (2, 20000)). False when there was
    // nothing to announce (the change was refused) or a send failed.
    bool announce (const std::vector<DeviceNotification>& notifications);

private:
    AsyncDataServer& server;
    std::shared_ptr<VirtualProject> project;
    EmulatorReadResponder responder;
};
} // namespace fhemu
