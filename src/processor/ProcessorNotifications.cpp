#include "processor/ProcessorNotifications.h"

#include "engine/EngineMessages.h"

#include <algorithm>
#include <functional>

ProcessorNotificationInputs::~ProcessorNotificationInputs()
{
    masterReference.clear();
}

SynchronizingFlags& SynchronizingFlags::processWide()
{
    static SynchronizingFlags flags;
    return flags;
}

namespace
{
using Inputs = ProcessorNotificationInputs;

constexpr int maxHostBlock = 256;
constexpr int maxHostBlockUnderLogic = 512;
constexpr int maxStreamLatency = 5000;
constexpr double engineGraceMs = 1000.0;
constexpr double deviceChoiceGraceMs = 7000.0;
constexpr int newestDeviceProtocolOfOlderSuites = 124;

// One notification: its look and, as functions of the inputs, its text, when it
// shows and what its buttons do.
struct Entry
{
    Notification::Severity severity;
    std::vector<Notification::Response> responses;
    std::function<juce::String (const Inputs&)> text;
    std::function<bool (const Inputs&, SynchronizingFlags&)> shows;
    std::function<void (Inputs&, Notification::Response)> respond;
};

bool engineHasShakenHands (const Inputs& in)
{
    return in.getEngineProtocolVersion() != 0;
}

juce::String fixedText (const char* text)
{
    return juce::String (text);
}

juce::String bufferSizeText (const Inputs& in)
{
    if (in.isCubaseFamilyHost() && in.hasHostBufferMismatch())
        return "Cubase seems to run with ASIO guard enabled. Please disable ASIO Guard in Device Setup menu!";
    if (! in.isLogicHost())
        return "Your host audio buffer size is " + juce::String (in.getHostBlockSize())
               + " samples. It is recommended that you use 256 samples or lower. Please re-configure your host.";
    return "Please set the Process Buffer Range setting to Low in Logic. The medium and large settings are not supported.";
}

bool bufferSizeShows (const Inputs& in)
{
    if (in.isBufferSizeNotificationDismissed())
        return false;
    const int limit = in.isLogicHost() ? maxHostBlockUnderLogic : maxHostBlock;
    return (in.isCubaseFamilyHost() && in.hasHostBufferMismatch()) || in.getHostBlockSize() > limit;
}

juce::String incompatibleDeviceText (const Inputs& in)
{
    const auto incompatible = in.getIncompatibleDeviceUids();
    if (incompatible.empty())
        return "Incompatible device no longer attached!";

    const auto selected = in.getSelectedDeviceUid();
    const bool selectedIsIncompatible
        = selected != 0 && std::find (incompatible.begin(), incompatible.end(), selected) != incompatible.end();
    const auto uid = selectedIsIncompatible ? selected : incompatible.front();

    juce::String text = "The connected device ";
    if (const auto name = in.getDeviceName (uid))
        text << "(" << *name << ") ";
    text << "has an incompatible OS version! Please update the "
         << (in.getDeviceProtocolVersion (uid) > newestDeviceProtocolOfOlderSuites ? "Fernhollow suite" : "device's OS")
         << " to a later version.";
    return text;
}

bool synchronizingShows (const Inputs& in, SynchronizingFlags& flags)
{
    if (! in.isDeviceOpen())
    {
        flags.shownOnce = false;
        flags.showing = false;
        return false;
    }
    if (flags.shownOnce)
        return false;
    if (in.getOutstandingDeviceReads() > 0)
    {
        flags.showing = true;
        return true;
    }
    if (flags.showing)
    {
        flags.shownOnce = true;
        flags.showing = false;
    }
    return false;
}

std::vector<Entry> makeEntries()
{
    using N = Notification;
    const std::vector<N::Response> none;
    return {
        { N::Warning, { N::Dismiss }, bufferSizeText, [] (const Inputs& in, SynchronizingFlags&) { return bufferSizeShows (in); },
          [] (Inputs& in, N::Response r) { if (r == N::Dismiss) in.dismissBufferSizeNotification(); } },
        { N::Warning, { N::Dismiss },
          [] (const Inputs&) { return fixedText ("Fernhollow performs better if you change your Windows power plan to 'High Performance', or disable CPU throttling in your current plan."); },
          [] (const Inputs& in, SynchronizingFlags&) { return ! in.isPowerPlanNotificationDismissed() && in.isPowerPlanThrottling(); },
          [] (Inputs& in, N::Response r) { if (r == N::Dismiss) in.dismissPowerPlanNotification(); } },
        { N::Error, none,
          [] (const Inputs&) { return fixedText ("There's a problem with the Fernhollow Engine. Please re-plug the USB cable for this device."); },
          [] (const Inputs& in, SynchronizingFlags&) { return in.getStreamLatency() > maxStreamLatency; }, {} },
        { N::Error, none,
          [] (const Inputs&) { return fixedText ("Cannot connect to the Fernhollow Engine. Please start the Fernhollow Engine, as it is required in order to communicate with the devices."); },
          [] (const Inputs& in, SynchronizingFlags&) {
              return in.getMillisecondsSinceStart() >= engineGraceMs
                     && (! in.hasMessageConnection() || ! engineHasShakenHands (in));
          }, {} },
        { N::Error, none,
          [] (const Inputs& in) {
              return "The plugin's protocol version (" + juce::String (kPluginProtocolVersion)
                     + ") is incompatible with the Fernhollow Engine's protocol version ("
                     + juce::String (in.getEngineProtocolVersion()) + "). Please reinstall the Fernhollow suite.";
          },
          [] (const Inputs& in, SynchronizingFlags&) {
              const auto version = in.getEngineProtocolVersion();
              return version != 0 && version != kPluginProtocolVersion;
          }, {} },
        { N::Warning, none,
          [] (const Inputs&) { return fixedText ("The paired device is disconnected! Connect and power on this device, or unpair it to select another device."); },
          [] (const Inputs& in, SynchronizingFlags&) {
              return engineHasShakenHands (in) && in.getWantedDeviceUid() != 0 && ! in.isWantedDeviceListed();
          }, {} },
        { N::Error, none, incompatibleDeviceText,
          [] (const Inputs& in, SynchronizingFlags&) {
              return engineHasShakenHands (in) && ! in.isDeviceOpen() && ! in.getIncompatibleDeviceUids().empty();
          }, {} },
        { N::Info, none,
          [] (const Inputs&) { return fixedText ("No device is selected. If you have multiple devices available, please select your specific device in the options tab!"); },
          [] (const Inputs& in, SynchronizingFlags&) {
              return in.getMillisecondsSinceStart() >= deviceChoiceGraceMs && ! in.isAutoSelectDeviceEnabled()
                     && engineHasShakenHands (in) && in.getWantedDeviceUid() == 0;
          }, {} },
        { N::Info, none,
          [] (const Inputs&) { return fixedText ("Attempting to auto-select a device. Please make sure your device is connected and powered on."); },
          [] (const Inputs& in, SynchronizingFlags&) {
              return in.isAutoSelectDeviceEnabled() && engineHasShakenHands (in) && in.getWantedDeviceUid() == 0;
          }, {} },
        { N::Info, none,
          [] (const Inputs&) { return fixedText ("Synchronizing with the device. Please wait, this may take a short while."); },
          synchronizingShows, {} },
    };
}
} // namespace

std::vector<std::shared_ptr<Notification>> makeProcessorNotifications (ProcessorNotificationInputs& inputs,
                                                                      SynchronizingFlags& flags)
{
    std::vector<std::shared_ptr<Notification>> made;
    for (auto& entry : makeEntries())
    {
        const juce::WeakReference<Inputs> weak (&inputs);
        auto text = [weak, f = entry.text] {
            const auto* in = weak.get();
            return in != nullptr ? f (*in) : juce::String ("ERROR");
        };
        auto timer = [weak, f = entry.shows, &flags] {
            const auto* in = weak.get();
            return in != nullptr && f (*in, flags) ? Notification::Activate : Notification::Deactivate;
        };
        Notification::ResponseHandler respond;
        if (entry.respond)
            respond = [weak, f = entry.respond] (Notification::Response response) {
                if (auto* in = weak.get())
                    f (*in, response);
            };
        made.push_back (std::make_shared<Notification> (text, entry.severity, entry.responses, true, timer, respond));
    }
    return made;
}
