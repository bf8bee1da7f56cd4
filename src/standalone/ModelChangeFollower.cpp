#include "standalone/ModelChangeFollower.h"

#include "model/VantuInterface.h"
#include "model/tables/ParameterIds.h"

#include <algorithm>

template <typename T, typename Owner>
ModelChangeFollower::Watcher<T, Owner>::Watcher (MachineDataUpdateTimer::Provider* provider, Owner* owner,
                                                 std::vector<Followed> followedValues, const LineCallback& lineCallback)
    : MachineDataObject::Listener<T, Owner> (provider, owner, idsOf (followedValues)),
      followed (std::move (followedValues)),
      known (followed.size()),
      onLine (lineCallback)
{
}

template <typename T, typename Owner>
std::vector<juce::Identifier> ModelChangeFollower::Watcher<T, Owner>::idsOf (const std::vector<Followed>& values)
{
    std::vector<juce::Identifier> ids;
    for (const auto& f : values)
        ids.push_back (f.id);
    return ids;
}

template <typename T, typename Owner>
void ModelChangeFollower::Watcher<T, Owner>::valueChanged (Owner*, const juce::Identifier& id, T newValue)
{
    const auto it = std::find_if (followed.begin(), followed.end(), [&] (const Followed& f) { return f.id == id; });
    if (it == followed.end())
        return;

    auto& last = known[static_cast<std::size_t> (it - followed.begin())];
    if (last.has_value() && *last != newValue)
    {
        if constexpr (std::is_same_v<T, int>)
            onLine (formatValueChange (it->value, it->track, *last, newValue));
        else
            onLine (formatTextChange (it->value, it->track, *last, newValue));
    }
    last = newValue;
}

ModelChangeFollower::ModelChangeFollower (Vantu::VantuInterface& deviceToFollow, MachineDataUpdateTimer::Provider* provider,
                                          LineCallback lineCallback)
    : device (deviceToFollow), onLine (std::move (lineCallback))
{
    auto& kit = device.getKit();
    auto& settings = device.getSettings();

    watchers.push_back (std::make_unique<Watcher<juce::String, Vantu::Kit>> (
        provider, &kit, std::vector<Followed> { { Kit_Name, FollowedValue::kitName, 0 } }, onLine));

    std::vector<Followed> kitValues, settingsValues;
    for (int t = 0; t < Vantu::Kit::numTracks; ++t)
    {
        auto* sound = kit.getSound (t);
        watchers.push_back (std::make_unique<Watcher<juce::String, Vantu::Sound>> (
            provider, sound, std::vector<Followed> { { Sound_Name, FollowedValue::soundName, t } }, onLine));
        watchers.push_back (std::make_unique<Watcher<int, Vantu::Sound>> (
            provider, sound, std::vector<Followed> { { Sound_MachineType, FollowedValue::machineType, t } }, onLine));

        kitValues.push_back ({ Vantu::Kit::trackLevelId (t), FollowedValue::trackLevel, t });
        kitValues.push_back ({ Vantu::Kit::trackPatternMuteId (t), FollowedValue::trackPatternMute, t });
        settingsValues.push_back ({ Vantu::Settings::trackMuteId (t), FollowedValue::trackMute, t });
        settingsValues.push_back ({ Vantu::Settings::trackSoloId (t), FollowedValue::trackSolo, t });
    }
    kitValues.push_back ({ Vantu::Kit::trackLevelId (12), FollowedValue::trackLevel, 12 });
    settingsValues.push_back ({ Settings_ActiveEditTrack, FollowedValue::activeEditTrack, 0 });

    watchers.push_back (std::make_unique<Watcher<int, Vantu::Kit>> (provider, &kit, std::move (kitValues), onLine));
    watchers.push_back (std::make_unique<Watcher<int, Vantu::Settings>> (provider, &settings, std::move (settingsValues), onLine));

    lastPool = device.getSoundPool().getEntries();
    lastLibrary = device.getSoundLibrary().getEntries();
    device.getSoundPool().addChangeListener (this);
    device.getSoundLibrary().addChangeListener (this);

    pollNow();
    startTimer (MachineDataUpdateTimer::intervalMs);
}

ModelChangeFollower::~ModelChangeFollower()
{
    stopTimer();
    device.getSoundPool().removeChangeListener (this);
    device.getSoundLibrary().removeChangeListener (this);
}

void ModelChangeFollower::pollNow()
{
    for (auto& watcher : watchers)
        watcher->update();
}

void ModelChangeFollower::timerCallback()
{
    pollNow();
}

void ModelChangeFollower::changeListenerCallback (SafeChangeBroadcaster* source)
{
    juce::StringArray lines;
    if (source == &device.getSoundPool())
    {
        auto entries = device.getSoundPool().getEntries();
        lines = formatPoolChanges (lastPool, entries);
        lastPool = std::move (entries);
    }
    else if (source == &device.getSoundLibrary())
    {
        auto entries = device.getSoundLibrary().getEntries();
        lines = formatLibraryChanges (lastLibrary, entries);
        lastLibrary = std::move (entries);
    }
    for (const auto& line : lines)
        onLine (line);
}
