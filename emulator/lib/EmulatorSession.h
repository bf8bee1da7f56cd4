#pragma once

#include "AsyncDataServer.h"
#include "EmulatorAudioStream.h"
#include "EmulatorFramedServer.h"
#include "EmulatorMessageChannel.h"
#include "VirtualDevice.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace fhemu
{
// One device as the emulated engine lists it.
struct EmulatorDevice
{
    std::uint64_t uid = 0;
    std::uint32_t productId = 30;
    std::string name = "Kolvane";
    std::uint16_t protocolVersion = 125;
    std::uint16_t asyncClients = 0;
    std::uint16_t audioClients = 0;
};

// The engine's session side: the message channel, the device table and, for every
// device a client opens, its data and signalling ports and its audio stream.
class EmulatorSession
{
public:
    static constexpr std::uint32_t kDataFrameMagic = 0x3671A379;

    struct Settings
    {
        int messagePort = EmulatorMessageChannel::kDefaultPort;   // 0: a free port
        EmulatorAudioStream::Settings audio;
    };

    // What the session opened for one device.
    struct OpenDevice
    {
        ~OpenDevice() { dataServer.stop(); }   // no transaction reaches the device once it goes

        AsyncDataServer dataServer;   // records every transaction the client sends
        EmulatorFramedServer signallingServer { kDataFrameMagic };
        std::unique_ptr<EmulatorAudioStream> audio;
        std::unique_ptr<VirtualDevice> device;   // serves the device's project on dataServer
    };

    explicit EmulatorSession (Settings settings);
    ~EmulatorSession();

    bool start();
    void stop();
    int getMessagePort() const { return channel.getPort(); }
    EmulatorMessageChannel& messageChannel() { return channel; }

    // The virtual Kolvane.
    static EmulatorDevice virtualKolvane (std::uint64_t uid = 0x4b6f6c76616e6531ull);

    void addDevice (const EmulatorDevice& device, bool report = true);
    void removeDevice (std::uint64_t uid, bool report = true);
    // Takes the device out of the list but leaves what a client opened of it running
    // (an engine that reports the detach before it tears the device down).
    void unlistDevice (std::uint64_t uid);
    void updateDevice (const EmulatorDevice& device, bool report = true);
    std::vector<EmulatorDevice> devices() const;

    // The payload of a device-list answer for the current table.
    std::vector<std::uint8_t> makeDeviceList() const;

    // The open device of a uid, or null. Valid until the device is closed or removed.
    OpenDevice* openDevice (std::uint64_t uid);
    // Opens a listed device as a client's connection request does (its data and
    // signalling ports listen, its audio stream runs); null for an unknown uid or
    // when a port or the stream cannot be set up. Replaces an earlier open.
    OpenDevice* open (std::uint64_t uid);
    int numConnectionRequests() const { return connectionRequests.load(); }
    // The project of a device: the same one across every open of the device, for the session's life.
    std::shared_ptr<VirtualProject> projectOf (std::uint64_t uid);
    // Answers connection requests only after this long (the reader thread sleeps).
    void setConnectionDelay (std::chrono::milliseconds delay) { connectionDelayMs = static_cast<int> (delay.count()); }
    // The audio stream settings of the devices opened from now on.
    void setAudioSettings (const EmulatorAudioStream::Settings& audio);
    // The next `count` connection answers are cut short (malformed); the device is not opened.
    void sendMalformedConnectionAnswers (int count) { malformedConnectionAnswers = count; }
    // Called with every device a connection request opens, before the answer goes
    // out (the message channel's reader thread): tests queue read behaviours or
    // change the audio stream there.
    void setOpenHook (std::function<void (OpenDevice&)> hook);

private:
    std::vector<std::uint8_t> answerConnection (std::uint64_t uid);

    const Settings settings;
    EmulatorMessageChannel channel;
    mutable std::mutex mutex;
    std::vector<EmulatorDevice> table;
    std::map<std::uint64_t, std::unique_ptr<OpenDevice>> opened;
    std::map<std::uint64_t, std::shared_ptr<VirtualProject>> projects;
    std::atomic<int> connectionRequests { 0 };
    std::atomic<int> streamCounter { 0 };
    std::atomic<int> connectionDelayMs { 0 };
    std::atomic<int> malformedConnectionAnswers { 0 };
    std::function<void (OpenDevice&)> openHook;   // under mutex
    EmulatorAudioStream::Settings audioSettings;   // under mutex
};
} // namespace fhemu
