#pragma once

// Compares the program's device model, value by value, with the project that
// the emulator's virtual device holds: every parameter the device has (found
// through the device's own object ids, so the two sides' tables are checked
// against each other), the names and machines, the levels and mutes, the sound
// pool and the sound library.
#include "model/VantuInterface.h"

#include "DeviceParameterTable.h"
#include "VirtualProject.h"

#include <string>
#include <vector>

namespace processortest
{
struct ModelComparison
{
    std::vector<std::string> differences;
    int compared = 0;

    bool matches() const { return differences.empty(); }

    template <typename A, typename B>
    void check (const std::string& what, const A& model, const B& project)
    {
        ++compared;
        if (! (model == project))
            differences.push_back (what + ": model " + describe (model) + ", project " + describe (project));
    }

    // The first few differences, for a failure message.
    std::string summary() const
    {
        std::string text = std::to_string (differences.size()) + " of " + std::to_string (compared) + " differ";
        for (std::size_t i = 0; i < differences.size() && i < 12; ++i)
            text += "\n  " + differences[i];
        return text;
    }

private:
    static std::string describe (const juce::String& s) { return "'" + s.toStdString() + "'"; }
    static std::string describe (const std::string& s) { return "'" + s + "'"; }
    static std::string describe (bool b) { return b ? "true" : "false"; }
    template <typename T>
    static std::string describe (const T& v) { return std::to_string (v); }
};

namespace modelcompare
{
inline int valueOf (const MachineDataObject& object, const juce::Identifier& id)
{
    int value = -1;
    object.getValue (id, value);
    return value;
}

inline juce::String textOf (const MachineDataObject& object, const juce::Identifier& id)
{
    juce::String text;
    object.getStringValue (id, text);
    return text;
}

// Every identifier of the object with a device object id, with that id.
inline std::vector<std::pair<juce::Identifier, int>> objectIds (const MachineDataObject& object)
{
    // The descriptions are fixed once the object is built.
    std::vector<std::pair<juce::Identifier, int>> out;
    for (const auto& id : object.getRegistrationOrder())
        if (const auto* info = object.getParameterInfos().find (id); info != nullptr && info->objectId > 0)
            out.emplace_back (id, info->objectId);
    return out;
}
} // namespace modelcompare

inline ModelComparison compareModelWithProject (Vantu::VantuInterface& device, const fhemu::VirtualProject& project)
{
    using namespace modelcompare;
    ModelComparison c;
    const auto kit = project.getKit();
    auto& modelKit = device.getKit();

    c.check ("kit name", textOf (modelKit, "Kit_Name"), juce::String (kit.name));
    for (int t = 0; t < 12; ++t)
    {
        const auto track = "T" + std::to_string (t + 1) + " ";
        auto& sound = *modelKit.getSound (t);
        const auto& stored = kit.sounds[static_cast<std::size_t> (t)];
        c.check (track + "name", textOf (sound, "Sound_Name"), juce::String (stored.setup.name));
        c.check (track + "machine", valueOf (sound, "Sound_MachineType"), static_cast<int> (stored.setup.machineType));
        for (const auto& [id, objectId] : objectIds (sound))
            if (const auto value = project.getSoundParameter (t, objectId))
                c.check (track + id.toString().toStdString(), valueOf (sound, id), *value);

        c.check (track + "level", valueOf (modelKit, Vantu::Kit::trackLevelId (t)), project.getTrackLevel (t));
        c.check (track + "muted", valueOf (device.getSettings(), Vantu::Settings::trackMuteId (t)) != 0, project.isMuted (t));
        c.check (track + "pattern muted", valueOf (modelKit, Vantu::Kit::trackPatternMuteId (t)) != 0,
                 ((project.getPatternMuteMask() >> t) & 1) != 0);
    }

    auto& fx = modelKit.getFx();
    for (const auto& [id, objectId] : objectIds (fx))
        if (const auto slot = fhemu::params::fxSlotOfObject (objectId))
            if (const auto word = fhemu::params::fxWordOfSlot (*slot))
                c.check ("FX " + id.toString().toStdString(), valueOf (fx, id),
                         static_cast<int> (kit.fxWords[static_cast<std::size_t> (*word)]));

    // A listing's entries: used where the project holds a sound, with its name.
    const auto compareListing = [&c] (const std::string& what, const auto& entries, int size, auto storedAt) {
        for (int i = 0; i < size; ++i)
        {
            const auto stored = storedAt (i);
            const auto& entry = entries[static_cast<std::size_t> (i)];
            c.check (what + " " + std::to_string (i) + " used", entry.used, stored.has_value());
            if (stored && entry.used)
                c.check (what + " " + std::to_string (i) + " name", entry.name, juce::String (stored->setup.name));
        }
    };
    compareListing ("pool", device.getSoundPool().getEntries(), fhemu::VirtualProject::poolSize,
                    [&project] (int p) { return project.getPoolSound (p); });
    compareListing ("library", device.getSoundLibrary().getEntries(), fhemu::VirtualProject::librarySize,
                    [&project] (int s) { return project.getLibrarySound (s); });
    return c;
}
} // namespace processortest
