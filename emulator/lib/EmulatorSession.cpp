#include "EmulatorSession.h"

#include <cstdio>

#include <thread>
#include <unistd.h>

namespace fhemu
{
EmulatorSession::EmulatorSession (Settings s) : settings (s), audioSettings (s.audio)
{
    channel.setListResponder ([this] { return makeDeviceList(); });
    channel.setConnectionResponder ([this] (std::uint64_t uid) { return answerConnection (uid); });
}

EmulatorSession::~EmulatorSession()
{
    stop();
}

bool EmulatorSession::start()
{
    return channel.start (settings.messagePort);
}

void EmulatorSession::stop()
{
    channel.stop();
    std::map<std::uint64_t, std::unique_ptr<OpenDevice>> closing;
    {
        std::lock_guard lock (mutex);
        closing.swap (opened);
    }
    closing.clear();
}

EmulatorDevice EmulatorSession::virtualKolvane (std::uint64_t uid)
{
    EmulatorDevice d;
    d.uid = uid;
    return d;
}

void EmulatorSession::addDevice (const EmulatorDevice& device, bool report)
{
    {
        std::lock_guard lock (mutex);
        table.push_back (device);
    }
    if (report)
        channel.reportDevice (2, device.uid);
}

void EmulatorSession::removeDevice (std::uint64_t uid, bool report)
{
    std::unique_ptr<OpenDevice> closing;
    {
        std::lock_guard lock (mutex);
        std::erase_if (table, [uid] (const EmulatorDevice& d) { return d.uid == uid; });
        if (auto it = opened.find (uid); it != opened.end())
        {
            closing = std::move (it->second);
            opened.erase (it);
        }
    }
    closing.reset();
    if (report)
        channel.reportDevice (3, uid);
}

void EmulatorSession::unlistDevice (std::uint64_t uid)
{
    std::lock_guard lock (mutex);
    std::erase_if (table, [uid] (const EmulatorDevice& d) { return d.uid == uid; });
}

void EmulatorSession::updateDevice (const EmulatorDevice& device, bool report)
{
    {
        std::lock_guard lock (mutex);
        for (auto& d : table)
            if (d.uid == device.uid)
                d = device;
    }
    if (report)
        channel.reportDevice (6, device.uid);
}

std::vector<EmulatorDevice> EmulatorSession::devices() const
{
    std::lock_guard lock (mutex);
    return table;
}

std::vector<std::uint8_t> EmulatorSession::makeDeviceList() const
{
    const auto list = devices();
    std::vector<std::uint8_t> p;
    appendU32 (p, 5);
    appendU64 (p, list.size());
    for (const auto& d : list)
    {
        appendU64 (p, d.uid);
        appendU32 (p, d.productId);
        appendString (p, d.name);
        appendU16 (p, d.protocolVersion);
        appendU16 (p, d.asyncClients);
        appendU16 (p, d.audioClients);
    }
    return p;
}

EmulatorSession::OpenDevice* EmulatorSession::openDevice (std::uint64_t uid)
{
    std::lock_guard lock (mutex);
    auto it = opened.find (uid);
    return it == opened.end() ? nullptr : it->second.get();
}

std::shared_ptr<VirtualProject> EmulatorSession::projectOf (std::uint64_t uid)
{
    std::lock_guard lock (mutex);
    auto& project = projects[uid];
    if (project == nullptr)
        project = std::make_shared<VirtualProject>();
    return project;
}

EmulatorSession::OpenDevice* EmulatorSession::open (std::uint64_t uid)
{
    bool known = false;
    {
        std::lock_guard lock (mutex);
        for (auto& d : table)
            known = known || d.uid == uid;
    }
    if (! known)
        return nullptr;

    auto device = std::make_unique<OpenDevice>();
    device->device = std::make_unique<VirtualDevice> (device->dataServer, projectOf (uid));
    char name[96];
    std::snprintf (name, sizeof (name), "FhEmuAudio_%d_%d_%llx", static_cast<int> (::getpid()), ++streamCounter,
                   static_cast<unsigned long long> (uid));
    EmulatorAudioStream::Settings audio;
    {
        std::lock_guard lock (mutex);
        audio = audioSettings;
    }
    device->audio = std::make_unique<EmulatorAudioStream> (name, audio);
    if (! device->dataServer.start (0) || ! device->signallingServer.start (0) || ! device->audio->create())
        return nullptr;
    device->audio->start();

    auto* opened = device.get();
    std::unique_ptr<OpenDevice> previous;
    {
        std::lock_guard lock (mutex);
        previous = std::move (this->opened[uid]);
        this->opened[uid] = std::move (device);
    }
    previous.reset();
    return opened;
}

void EmulatorSession::setAudioSettings (const EmulatorAudioStream::Settings& audio)
{
    std::lock_guard lock (mutex);
    audioSettings = audio;
}

void EmulatorSession::setOpenHook (std::function<void (OpenDevice&)> hook)
{
    std::lock_guard lock (mutex);
    openHook = std::move (hook);
}

std::vector<std::uint8_t> EmulatorSession::answerConnection (std::uint64_t uid)
{
    ++connectionRequests;
    if (const int delay = connectionDelayMs.load(); delay > 0)
        std::this_thread::sleep_for (std::chrono::milliseconds (delay));

    std::vector<std::uint8_t> p;
    appendU32 (p, 8);
    if (malformedConnectionAnswers.load() > 0)
    {
        --malformedConnectionAnswers;
        appendU32 (p, 0);   // the ports and the stream name are missing
        return p;
    }
    auto* device = open (uid);
    if (device != nullptr)
    {
        std::function<void (OpenDevice&)> hook;
        {
            std::lock_guard lock (mutex);
            hook = openHook;
        }
        if (hook)
            hook (*device);
    }
    if (device == nullptr)
    {
        appendU32 (p, 0);
        appendU32 (p, 0);
        appendU32 (p, static_cast<std::uint32_t> (-1));
        appendString (p, "");
        return p;
    }

    appendU32 (p, static_cast<std::uint32_t> (device->dataServer.getPort()));
    appendU32 (p, 0);
    appendU32 (p, static_cast<std::uint32_t> (device->signallingServer.getPort()));
    appendString (p, device->audio->getName());
    return p;
}
} // namespace fhemu
