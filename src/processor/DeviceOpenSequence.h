#pragma once

namespace Vantu
{
// What the processor asks of the device interface when a device has opened,
// after the data objects' transmit threads have started: every record of the
// device, in this order (36 update jobs). The jobs run on the processor's pool;
// their results arrive in whatever order the device answers. Job thread.
template <typename DeviceInterface>
void requestWholeDevice (DeviceInterface& device)
{
    device.updateKit();
    for (int track = 0; track < 12; ++track)
    {
        device.updateSound (track);
        device.updateSoundSetup (track);
    }
    device.updateSettings();
    device.updateSoundPool();
    for (int bank = 0; bank < 8; ++bank)
        device.updateSoundLibrary (bank);
    device.updatePatternSettings();
}

// The whole of the processor's work when a device has opened (job thread):
// the data objects' transmit threads, then every record of the device.
template <typename DeviceInterface>
void runDeviceOpenedSequence (DeviceInterface& device)
{
    device.startDataObjectThreads();
    requestWholeDevice (device);
}

// The same, with the worker's outstanding reads (left from an earlier
// connection) dropped before the new ones are asked for.
template <typename DeviceInterface, typename Worker>
void runDeviceOpenedSequence (DeviceInterface& device, Worker& worker)
{
    device.startDataObjectThreads();
    worker.discardRequests();
    requestWholeDevice (device);
}
} // namespace Vantu
