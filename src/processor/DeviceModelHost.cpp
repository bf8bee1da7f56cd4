#include "processor/DeviceModelHost.h"

#include "platform/ThreadPriority.h"
#include "processor/DeviceOpenSequence.h"

namespace
{
constexpr double responseTimeoutSeconds = 30.0;
constexpr double busyDelaySeconds = 1.0;
constexpr int ioThreadPriority = 8;
constexpr int workerThreadPriority = 7;
constexpr int stopTimeoutMs = 5000;
} // namespace

DeviceModelHost::DeviceModelHost (IpcAsyncOutputStream::AsyncInterface& transport)
    : worker (&transport)
{
    worker.setResponseTimeout (responseTimeoutSeconds);
    worker.setBusyDelay (busyDelaySeconds);
    worker.getIoProcessor().startThread (threadPriorityFromLevel (ioThreadPriority));
    worker.startThread (threadPriorityFromLevel (workerThreadPriority));
}

DeviceModelHost::~DeviceModelHost()
{
    updateTimer.stop();
    pool.shutdown (stopTimeoutMs);
    device.stopDataObjectThreads();
    worker.stopThread (stopTimeoutMs);
    worker.getIoProcessor().stopThread (stopTimeoutMs);
}

void DeviceModelHost::deviceOpened()
{
    Vantu::runDeviceOpenedSequence (device);
    ++openCount;
}

void DeviceModelHost::deviceClosed()
{
    device.stopDataObjectThreads();
}

void DeviceModelHost::asyncDataReceived (const std::uint8_t* data, int length)
{
    worker.getIoProcessor().handleReceivedData (data, length);
}

bool DeviceModelHost::isIdle() const
{
    return pool.getNumJobs() == 0 && worker.pendingRequestCount() == 0;
}
