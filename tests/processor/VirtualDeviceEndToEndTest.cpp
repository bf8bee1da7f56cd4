// The program's device model against the emulator's virtual device, end to
// end: the processor from the plug-in factory opens the device in an emulated
// engine session and reads the whole device, then changes flow both ways.
#include "ModelAgainstProject.h"
#include "ProcessorFixture.h"

#include "model/storage/RecordReadTraits.h"
#include "processor/MachineParameter.h"

#include "DeviceParameterTable.h"
#include "EmuLog.h"

#include <algorithm>
#include <map>
#include <mutex>

using namespace processortest;
using fhemu::VirtualProject;

namespace
{
constexpr int filterFrequencyObject = 60, ampVolumeObject = 90;

// A host's view of the parameters: the last value each was set to, by identifier.
class HostView : public juce::AudioProcessorParameter::Listener
{
public:
    void watch (const std::vector<MachineParameter*>& parameters)
    {
        for (auto* p : parameters)
        {
            p->addListener (this);
            watched.push_back (p);
        }
    }
    void unwatch()
    {
        for (auto* p : watched)
            p->removeListener (this);
    }

    void parameterValueChanged (int index, float value) override
    {
        std::lock_guard<std::mutex> sl (lock);
        for (auto* p : watched)
            if (p->getParameterIndex() == index)
                values[p->getParameterID()] = value;
    }
    void parameterGestureChanged (int, bool) override {}

    std::optional<float> valueOf (const MachineParameter* p) const
    {
        std::lock_guard<std::mutex> sl (lock);
        auto it = values.find (p->getParameterID());
        return it == values.end() ? std::nullopt : std::optional<float> (it->second);
    }

    MachineParameter* find (const juce::Identifier& id, int index) const
    {
        for (auto* p : watched)
            if (p->getIdentifier() == id && p->getParameterID().endsWith ("@" + juce::String (index)))
                return p;
        return nullptr;
    }

private:
    mutable std::mutex lock;
    std::vector<MachineParameter*> watched;
    std::map<juce::String, float> values;
};

class VirtualDeviceEndToEnd : public ProcessorTest
{
protected:
    void SetUp() override
    {
        startEngine();
        makeProcessor();
        ASSERT_TRUE (waitForWholeModel());
        open = engine->openDevice (kUid);
        ASSERT_NE (open, nullptr);
        project = &open->device->getProject();

        // The host parameters the processor made for its device model.
        std::vector<MachineParameter*> parameters;
        for (auto* p : processor->getParameters())
            if (auto* machineParameter = dynamic_cast<MachineParameter*> (p))
                parameters.push_back (machineParameter);
        host.watch (parameters);
    }

    void TearDown() override
    {
        host.unwatch();
        owner.reset();
    }

    Vantu::VantuInterface& device() { return processor->getDeviceInterface(); }
    FhAsyncDataWorker& worker() { return processor->getAsyncDataWorker(); }

    std::vector<fhemu::RecordedTransaction> received (std::uint8_t command) const
    {
        std::vector<fhemu::RecordedTransaction> out;
        for (auto& t : open->dataServer.received().transactions())
            if (t.header.command == command)
                out.push_back (t);
        return out;
    }

    int countReads (int type = -1, int index = -1) const
    {
        const auto reads = received (0x20);
        return static_cast<int> (std::count_if (reads.begin(), reads.end(), [&] (const fhemu::RecordedTransaction& r) {
            return (type < 0 || r.header.subType == type) && (index < 0 || r.header.argument == index);
        }));
    }

    int countWrites (std::uint8_t type, int index = -1, int objectId = -1) const
    {
        int n = 0;
        for (const auto& w : received (0x10))
            if (w.header.subType == type && w.payload.size() == 6
                && (index < 0 || fhemu::wire::get16 (&w.payload[0]) == index)
                && (objectId < 0 || fhemu::wire::get16 (&w.payload[2]) == objectId))
                ++n;
        return n;
    }

    static int valueOf (MachineDataObject& object, const juce::Identifier& id)
    {
        int value = -1;
        object.getValue (id, value);
        return value;
    }

    static juce::String textOf (MachineDataObject& object, const juce::Identifier& id)
    {
        juce::String text;
        object.getStringValue (id, text);
        return text;
    }

    Vantu::Sound& sound (int track) { return *device().getKit().getSound (track); }

    fhemu::EmulatorSession::OpenDevice* open = nullptr;
    VirtualProject* project = nullptr;
    HostView host;
};

const juce::Identifier soundName ("Sound_Name"), machineType ("Sound_MachineType"),
    filterFrequency ("Sound_FilterFrequency"), ampVolume ("Sound_AmpVolume");
} // namespace

TEST_F (VirtualDeviceEndToEnd, OpeningTheDeviceFillsTheWholeModel)
{
    EXPECT_EQ (countReads(), 36);
    const auto kit = project->getKit();
    EXPECT_EQ (textOf (device().getKit(), "Kit_Name"), "NIGHT DRIVE");
    for (int t = 0; t < 12; ++t)
    {
        const auto& s = kit.sounds[static_cast<std::size_t> (t)];
        EXPECT_EQ (textOf (sound (t), soundName), juce::String (s.setup.name)) << t;
        EXPECT_EQ (valueOf (sound (t), machineType), s.setup.machineType) << t;
        EXPECT_EQ (valueOf (sound (t), filterFrequency), s.words[28]) << t;
        EXPECT_EQ (valueOf (device().getKit(), Vantu::Kit::trackLevelId (t)), kit.trackLevel[static_cast<std::size_t> (t)]) << t;
        EXPECT_EQ (valueOf (device().getSettings(), Vantu::Settings::trackMuteId (t)), t == 4 ? 256 : 0) << t;
        EXPECT_EQ (valueOf (device().getKit(), Vantu::Kit::trackPatternMuteId (t)), t == 11 ? 256 : 0) << t;
    }

    const auto poolEntries = device().getSoundPool().getEntries();
    for (int p = 0; p < 128; ++p)
    {
        const auto stored = project->getPoolSound (p);
        EXPECT_EQ (poolEntries[static_cast<std::size_t> (p)].used, stored.has_value()) << p;
        if (stored)
        {
            EXPECT_EQ (poolEntries[static_cast<std::size_t> (p)].name, juce::String (stored->setup.name)) << p;
        }
    }
    const auto library = device().getSoundLibrary().getEntries();
    int used = 0;
    for (int slot = 0; slot < 2048; ++slot)
    {
        const auto stored = project->getLibrarySound (slot);
        const auto& entry = library[static_cast<std::size_t> (slot)];
        EXPECT_EQ (entry.used, stored.has_value()) << slot;
        used += entry.used;
        if (stored)
        {
            EXPECT_EQ (entry.name, juce::String (stored->setup.name)) << slot;
            EXPECT_EQ (entry.machineType, stored->setup.machineType) << slot;
        }
    }
    EXPECT_GT (used, 50);
    EXPECT_TRUE (library[0].flag);
    EXPECT_FALSE (library[40].flag);

    // Every value the device holds, through the device's own object ids.
    const auto comparison = processortest::compareModelWithProject (device(), *project);
    EXPECT_TRUE (comparison.matches()) << comparison.summary();
    EXPECT_GT (comparison.compared, 1000);

    // Reading the device sends nothing back.
    EXPECT_TRUE (received (0x10).empty());
}

TEST_F (VirtualDeviceEndToEnd, ChangesAtTheDeviceReachTheModelAndTheHostWithoutEcho)
{
    auto* levelParameter = host.find (Vantu::Kit::trackLevelId (3), 3);
    auto* muteParameter = host.find (Vantu::Settings::trackMuteId (2), 2);
    auto* frequencyParameter = host.find (filterFrequency, 5);
    auto* patternMuteParameter = host.find (Vantu::Kit::trackPatternMuteId (0), 0);
    ASSERT_NE (levelParameter, nullptr);
    ASSERT_NE (muteParameter, nullptr);
    ASSERT_NE (frequencyParameter, nullptr);

    auto& d = *open->device;
    ASSERT_TRUE (d.announce (project->setTrackLevel (3, 20000)));
    ASSERT_TRUE (d.announce (project->setMute (2, true)));
    ASSERT_TRUE (d.announce (project->setSoundParameter (5, filterFrequencyObject, 8192)));
    ASSERT_TRUE (d.announce (project->setPatternMute (0, true)));

    EXPECT_TRUE (fhtest::pumpUntil ([&] {
        return valueOf (device().getKit(), Vantu::Kit::trackLevelId (3)) == 20000
               && valueOf (device().getSettings(), Vantu::Settings::trackMuteId (2)) == 256
               && valueOf (sound (5), filterFrequency) == 8192
               && valueOf (device().getKit(), Vantu::Kit::trackPatternMuteId (0)) == 256;
    }, 5s));
    EXPECT_TRUE (fhtest::pumpUntil ([&] {
        return host.valueOf (levelParameter).has_value() && host.valueOf (muteParameter).has_value()
               && host.valueOf (frequencyParameter).has_value();
    }, 5s));
    EXPECT_NEAR (host.valueOf (levelParameter).value_or (-1.0f), 20000.0f / 32512.0f, 1.0e-4f);
    EXPECT_NEAR (host.valueOf (muteParameter).value_or (-1.0f), 1.0f, 1.0e-4f);
    EXPECT_NEAR (host.valueOf (frequencyParameter).value_or (-1.0f), 8192.0f / 32512.0f, 1.0e-4f);
    if (patternMuteParameter != nullptr)
    {
        EXPECT_FALSE (host.valueOf (patternMuteParameter).has_value());   // the pattern's mutes stay off the host
    }

    // Each object's own change from the program goes out on the same transmit
    // thread as an echo would; once it has arrived, an echo would have too. The
    // changes wait for the echo hold that the device's values started.
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        return ! device().getKit().isEchoHeld (Vantu::Kit::trackLevelId (4))
               && ! device().getSettings().isEchoHeld (Vantu::Settings::trackMuteId (6)) && ! sound (5).isEchoHeld (ampVolume);
    }, 5s));
    ASSERT_TRUE (device().getKit().setValueFromGui (Vantu::Kit::trackLevelId (4), 12345));
    ASSERT_TRUE (device().getSettings().setValueFromGui (Vantu::Settings::trackMuteId (6), 256));
    ASSERT_TRUE (sound (5).setValueFromGui (ampVolume, 20000));
    EXPECT_TRUE (fhtest::pumpUntil ([&] {
        return project->getTrackLevel (4) == 12345 && project->isMuted (6)
               && project->getSoundParameter (5, ampVolumeObject) == 20000;
    }, 5s));

    EXPECT_EQ (countWrites (VirtualProject::kitParameter, 3), 0);
    EXPECT_EQ (countWrites (VirtualProject::settingsParameter, 2), 0);
    EXPECT_EQ (countWrites (VirtualProject::soundParameter, 5, filterFrequencyObject), 0);
    EXPECT_EQ (countWrites (VirtualProject::patternMute), 0);
}

TEST_F (VirtualDeviceEndToEnd, RecordNotificationsStartTheRightReads)
{
    auto& d = *open->device;
    ASSERT_TRUE (d.announce (project->renameSound (6, "FRESH")));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return textOf (sound (6), soundName) == "FRESH"; }, 5s));
    EXPECT_EQ (countReads (VirtualProject::soundSetup, 6), 2);
    EXPECT_EQ (countReads (VirtualProject::sound, 6), 1);

    ASSERT_TRUE (d.announce (project->setMachineType (11, 31)));   // HH BASIC on T12
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return valueOf (sound (11), machineType) == 31; }, 5s));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return countReads (VirtualProject::sound, 11) == 2; }, 5s));
    EXPECT_EQ (countReads (VirtualProject::soundSetup, 11), 2);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return processor->getNumDeviceJobs() == 0; }, 5s));
    EXPECT_EQ (valueOf (sound (11), juce::Identifier ("Sound_HhBasicDecayTime")), 7424);

    ASSERT_TRUE (d.announce (project->renameKit ("LATE SET")));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return textOf (device().getKit(), "Kit_Name") == "LATE SET"; }, 5s));
    EXPECT_EQ (countReads (VirtualProject::kit), 2);
    EXPECT_TRUE (received (0x10).empty());
}

TEST_F (VirtualDeviceEndToEnd, PoolLibraryAndTotalRecallCommandsChangeTheDevice)
{
    auto& poolIfc = device().getPoolCommands();
    const auto track3 = project->getSound (2).setup;

    // Save T3 into pool position 100; the listing asked for afterwards shows it.
    ASSERT_TRUE (poolIfc.saveSound (2, 100));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return project->getPoolSound (100).has_value(); }, 5s));
    const auto saves = received (0x44);
    ASSERT_EQ (saves.size(), 1u);
    EXPECT_EQ (saves[0].header.subType, 30);
    EXPECT_EQ (saves[0].payload, (fhemu::Bytes { 0, 0, 0, 2, 0, 0, 0, 100 }));
    poolIfc.updateSoundPool();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return device().getSoundPool().getEntries()[100].used; }, 5s));
    EXPECT_EQ (device().getSoundPool().getEntries()[100].name, juce::String (track3.name));

    // Into the library through the library's own save, which asks for bank 2 again.
    device().getSoundLibrary().saveSound (1, 700);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return device().getSoundLibrary().getEntry (700).used; }, 5s));
    EXPECT_EQ (device().getSoundLibrary().getEntry (700).name, juce::String (project->getSound (1).setup.name));

    // Loading the pool position into T5: the device says the track's sound changed.
    ASSERT_TRUE (poolIfc.loadSound (4, 100));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return textOf (sound (4), soundName) == juce::String (track3.name)
                                                  && valueOf (sound (4), machineType) == track3.machineType; }, 5s));
    EXPECT_EQ (received (0x43).at (0).payload, (fhemu::Bytes { 0, 0, 0, 100, 0, 0, 0, 4 }));

    // Removals.
    device().getSoundLibrary().removeSound (700);
    ASSERT_TRUE (poolIfc.removeSound (100));
    poolIfc.updateSoundPool();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! device().getSoundLibrary().getEntry (700).used
                                                  && ! device().getSoundPool().getEntries()[100].used; }, 5s));
    EXPECT_FALSE (project->getLibrarySound (700).has_value());
    const auto removals = received (0x42);
    ASSERT_EQ (removals.size(), 2u);
    EXPECT_EQ (removals[0].header.argument, 700);
    EXPECT_EQ (removals[1].header.argument, 100);

    // A new total-recall session: the device takes the id, reports it and, once the
    // id was read, accepts the session.
    device().sendTotalRecallCommand ({ 4, 0x12345678 });
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return device().getTotalRecallState().getSessionId() == 0x12345678; }, 5s));
    EXPECT_TRUE (fhtest::pumpUntil ([&] {
        return device().getTotalRecallState().getState() == VirtualProject::newSessionAccepted;
    }, 5s));
    EXPECT_EQ (project->getSessionId(), 0x12345678u);
    EXPECT_EQ (received (0x50).at (0).payload, (fhemu::Bytes { 4, 0x12, 0x34, 0x56, 0x78 }));

    auto fetched = device().updateProjectFromMachine();
    ASSERT_TRUE (fetched->wait (5000));
    const auto image = project->getImage();
    const auto stored = device().getTotalRecallState().getImage();
    EXPECT_EQ (stored.getSize(), image.size());
    EXPECT_EQ (std::memcmp (stored.getData(), image.data(), image.size()), 0);
}

TEST_F (VirtualDeviceEndToEnd, NamesTypedInTheProgramReachTheDevice)
{
    ASSERT_TRUE (device().getKit().setValueFromGui2 ("Kit_Name", "sunday"));
    ASSERT_TRUE (sound (3).setValueFromGui2 (soundName, "Bongo"));
    EXPECT_TRUE (fhtest::pumpUntil ([&] {
        return project->getKit().name == "SUNDAY" && project->getSound (3).setup.name == "BONGO";
    }, 5s));
    EXPECT_EQ (project->getSound (3).setup.machineType, 3);   // the rest of the setup is unchanged
}

TEST_F (VirtualDeviceEndToEnd, WhatTheDeviceCannotServeOrUseIsRefusedOrLoggedAndChangesNothing)
{
    fhtest::ScopedLogCapture programLog;
    std::vector<std::string> emulatorLog;
    std::mutex emulatorLogLock;
    fhemu::setLogSink ([&] (fhemu::LogLevel level, const std::string& text) {
        std::lock_guard<std::mutex> sl (emulatorLogLock);
        if (level >= fhemu::LogLevel::warn)
            emulatorLog.push_back (text);
    });
    auto emulatorWarnings = [&] {
        std::lock_guard<std::mutex> sl (emulatorLogLock);
        return emulatorLog.size();
    };
    const auto kitBefore = project->readRecord (VirtualProject::kit, 0);
    const auto setupBefore = project->readRecord (VirtualProject::soundSetup, 2);

    // A read of a thirteenth track's sound: refused, and the program says so.
    auto future = worker().read<Vantu::soundStorageContainer_t> ({}, 12);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return programLog.contains ("Read NAK response! Failure on type=4"); }, 5s));
    EXPECT_EQ (emulatorWarnings(), 1u);

    // A sound setup cut short and a kit name of the wrong length reach the device as they are.
    const std::vector<std::uint8_t> shortSetup { 0, 2, 0, 0, 0, 0, 'X' };
    const std::vector<std::uint8_t> shortName { 'A', 'B' };
    auto& sink = worker().getIoProcessor();
    EXPECT_TRUE (
        sink.sendRecordWrite (VirtualProject::soundSetup, 2, shortSetup.data(), static_cast<int> (shortSetup.size())));
    EXPECT_TRUE (
        sink.sendRecordWrite (VirtualProject::kitName, 0, shortName.data(), static_cast<int> (shortName.size())));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return emulatorWarnings() == 3; }, 5s));
    EXPECT_EQ (project->readRecord (VirtualProject::kit, 0), kitBefore);
    EXPECT_EQ (project->readRecord (VirtualProject::soundSetup, 2), setupBefore);

    fhemu::setLogSink ({});
}
