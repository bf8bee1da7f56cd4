#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "model/MachineDataListener.h"
#include "model/MachineDataUpdateTimer.h"
#include "standalone/DeviceModelSummary.h"

#include <juce_events/juce_events.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Vantu
{
class VantuInterface;
}

// Follows the device model after its summary has been printed and reports
// each change of a followed value as one line: the kit name, per track the
// machine, sound name, level, mute, solo and pattern mute, the effects track's
// level, the active edit track, and the sound pool and library listings.
//
// Values are watched by data listeners, polled every MachineDataUpdateTimer
// interval on the message thread by this object's own timer: the console has
// no editor, so the processor's update timer never runs for it. The pool and
// the library are followed through their change messages. The first poll, made
// at construction, only records the current values.
//
// Create, use and destroy on the message thread.
class ModelChangeFollower final : private juce::Timer, private SafeChangeListener
{
public:
    using LineCallback = std::function<void (const juce::String& line)>;

    // onLine: called on the message thread for every change line.
    ModelChangeFollower (Vantu::VantuInterface& device, MachineDataUpdateTimer::Provider* provider, LineCallback onLine);
    ~ModelChangeFollower() override;

    // Message thread: polls every watched value now (also done by the timer).
    void pollNow();

private:
    struct Followed
    {
        juce::Identifier id;
        FollowedValue value;
        int track;
    };

    // One data listener reporting a change of any of its identifiers as a line;
    // the first report of an identifier only records its value.
    template <typename T, typename Owner>
    class Watcher final : public MachineDataObject::Listener<T, Owner>
    {
    public:
        Watcher (MachineDataUpdateTimer::Provider* provider, Owner* owner, std::vector<Followed> followedValues,
                 const LineCallback& lineCallback);
        void valueChanged (Owner*, const juce::Identifier& id, T newValue) override;

    private:
        static std::vector<juce::Identifier> idsOf (const std::vector<Followed>& values);

        std::vector<Followed> followed;
        std::vector<std::optional<T>> known;
        const LineCallback& onLine;
    };

    void timerCallback() override;
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    Vantu::VantuInterface& device;
    LineCallback onLine;
    std::vector<std::unique_ptr<MachineDataUpdateTimer::Client>> watchers;
    std::vector<SoundPoolEntry> lastPool;
    std::vector<SoundLibraryEntry> lastLibrary;
};
