#include "VirtualDevice.h"

namespace fhemu
{
VirtualDevice::VirtualDevice (AsyncDataServer& s, std::shared_ptr<VirtualProject> p)
    : server (s), project (p != nullptr ? std::move (p) : std::make_shared<VirtualProject>()), responder (s)
{
    responder.setProject (project.get());
    server.setConnectionHandler ([this] { responder.sendEngineReady(); });
}

VirtualDevice::~VirtualDevice()
{
    server.setConnectionHandler ({});
    responder.setProject (nullptr);
}

bool VirtualDevice::announce (const std::vector<DeviceNotification>& notifications)
{
    return ! notifications.empty() && responder.sendNotifications (notifications);
}
} // namespace fhemu
