// What the program sends changes the virtual device's project as the device
// would change it; what it cannot use is logged and changes nothing.
#include "DeviceParameterTable.h"
#include "EmuLog.h"
#include "VirtualProject.h"
#include "VirtualUser.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

using namespace fhemu;
using N = DeviceNotification;

namespace
{
RecordedTransaction transaction (std::uint8_t command, std::uint8_t subType, std::uint16_t argument, Bytes payload)
{
    RecordedTransaction t;
    t.header.command = command;
    t.header.subType = subType;
    t.header.argument = argument;
    t.payload = std::move (payload);
    t.checksumOk = true;
    return t;
}

Bytes words16 (std::initializer_list<std::uint16_t> values)
{
    Bytes b;
    for (auto v : values)
        wire::put16 (b, v);
    return b;
}

Bytes words32 (std::uint32_t first, std::uint32_t second)
{
    Bytes b;
    wire::put32 (b, first);
    wire::put32 (b, second);
    return b;
}

RecordedTransaction parameterWrite (std::uint8_t type, std::uint16_t index, std::uint16_t objectId, std::uint16_t value)
{
    return transaction (0x10, type, index, words16 ({ index, objectId, value }));
}

// Collects the emulator's log lines for one test.
class LogLines
{
public:
    LogLines()
    {
        setLogSink ([this] (LogLevel level, const std::string& text) {
            std::lock_guard<std::mutex> sl (lock);
            if (level >= LogLevel::warn)
                warnings.push_back (text);
        });
    }
    ~LogLines() { setLogSink ({}); }

    std::size_t count() const
    {
        std::lock_guard<std::mutex> sl (lock);
        return warnings.size();
    }

private:
    mutable std::mutex lock;
    std::vector<std::string> warnings;
};

constexpr std::uint16_t filterFrequency = 60, ampVolume = 90, bdModernTune = 301, delayMixVolume = 107;
} // namespace

TEST (VirtualProjectChanges, ParameterWritesReachTheRecordsThatAreReadLater)
{
    VirtualProject project;
    LogLines log;
    EXPECT_TRUE (project.apply (parameterWrite (VirtualProject::soundParameter, 3, filterFrequency, 12800)).empty());
    EXPECT_TRUE (project.apply (parameterWrite (VirtualProject::soundParameter, 0, bdModernTune, 11000)).empty());
    EXPECT_TRUE (project.apply (parameterWrite (VirtualProject::soundParameter, 1, ampVolume, 32767)).empty());   // clamped
    project.apply (parameterWrite (VirtualProject::kitParameter, 2, params::objectTrackLevel, 9000));
    project.apply (parameterWrite (VirtualProject::settingsParameter, 7, params::objectMute, 256));
    project.apply (parameterWrite (VirtualProject::settingsParameter, 4, params::objectMute, 0));
    project.apply (parameterWrite (VirtualProject::patternMute, 1, params::objectPatternMute, 256));
    project.apply (parameterWrite (VirtualProject::fxParameter, 12, delayMixVolume, 1000));

    EXPECT_EQ (project.getSoundParameter (3, filterFrequency), 12800);
    EXPECT_EQ (project.getSoundParameter (0, bdModernTune), 11000);
    EXPECT_EQ (project.getSoundParameter (1, ampVolume), 32512);
    EXPECT_EQ (project.getTrackLevel (2), 9000);
    EXPECT_TRUE (project.isMuted (7));
    EXPECT_FALSE (project.isMuted (4));
    EXPECT_EQ (project.getPatternMuteMask(), 0x0802);
    EXPECT_EQ (project.getKit().fxWords[24], 1000);   // the delay's mix volume word

    // What is read afterwards holds the new values.
    const auto sound = project.readRecord (VirtualProject::sound, 3);
    records::Sound decoded;
    ASSERT_TRUE (records::decodeSound (*sound, decoded));
    EXPECT_EQ (decoded.words[28], 12800);
    const auto kit = project.readRecord (VirtualProject::kit, 0);
    EXPECT_EQ (wire::get16 (&(*kit)[20 + 2 * 2]), 9000);
    EXPECT_EQ (wire::get16 (&(*kit)[46 + 3 * 251 + 28 + 2 * 28]), 12800);   // the kit's copy of the sound too
    EXPECT_EQ (wire::get16 (&(*project.readRecord (VirtualProject::projectSettings, 0))[12]), 0x0080);
    EXPECT_EQ (log.count(), 0u);
}

TEST (VirtualProjectChanges, ParameterWritesThatNameNothingAreLoggedAndIgnored)
{
    const struct
    {
        const char* what;
        RecordedTransaction t;
    } cases[] = {
        { "track 12 of a sound", parameterWrite (VirtualProject::soundParameter, 12, filterFrequency, 1) },
        { "another machine's parameter", parameterWrite (VirtualProject::soundParameter, 0, 311, 1) },
        { "unknown object", parameterWrite (VirtualProject::soundParameter, 0, 999, 1) },
        { "kit object other than the level", parameterWrite (VirtualProject::kitParameter, 0, 9, 1) },
        { "mute of track 13", parameterWrite (VirtualProject::settingsParameter, 12, params::objectMute, 256) },
        { "pattern mute of track 12", parameterWrite (VirtualProject::patternMute, 12, params::objectPatternMute, 256) },
        { "short payload", transaction (0x10, VirtualProject::soundParameter, 0, words16 ({ 0, filterFrequency })) },
        { "long payload", transaction (0x10, VirtualProject::kitParameter, 0, words16 ({ 0, 10, 1, 0 })) },
        { "empty sound setup", transaction (0x10, VirtualProject::soundSetup, 0, {}) },
        { "truncated sound setup", transaction (0x10, VirtualProject::soundSetup, 0, Bytes (95, 0)) },
        { "kit name of 3 bytes", transaction (0x10, VirtualProject::kitName, 0, { 'A', 'B', 'C' }) },
        { "unknown pool command area", transaction (0x44, 31, 0, words32 (0, 1)) },
        { "pool save with a short payload", transaction (0x44, VirtualProject::soundPool, 0, Bytes (4, 0)) },
        { "pool save from track 13", transaction (0x44, VirtualProject::soundPool, 0, words32 (12, 1)) },
        { "pool save to position 128", transaction (0x44, VirtualProject::soundPool, 0, words32 (0, 128)) },
        { "library load of slot 2048", transaction (0x43, VirtualProject::soundLibrary, 0, words32 (2048, 0)) },
        { "pool removal of position 128", transaction (0x42, VirtualProject::soundPool, 128, {}) },
        { "removal with a payload", transaction (0x42, VirtualProject::soundPool, 0, words32 (0, 0)) },
        { "copy to pool position 128", transaction (0x45, VirtualProject::soundLibrary, 0, words32 (0, 128)) },
        { "load of an empty position", transaction (0x43, VirtualProject::soundPool, 0, words32 (1, 0)) },
        { "total-recall command of 4 bytes", transaction (0x50, 0, 0, Bytes (4, 4)) },
        { "unknown total-recall command", transaction (0x50, 0, 0, { 9, 0, 0, 0, 1 }) },
    };
    for (const auto& c : cases)
    {
        VirtualProject project;
        const VirtualProject untouched;
        LogLines log;
        EXPECT_TRUE (project.apply (c.t).empty()) << c.what;
        EXPECT_EQ (log.count(), 1u) << c.what;
        for (std::uint8_t type : { 4, 6, 13, 24, 27, 31, 35, 37 })
            EXPECT_EQ (project.readRecord (type, 0), untouched.readRecord (type, 0)) << c.what << ", record " << int (type);
        for (std::uint16_t bank = 0; bank < 8; ++bank)
            EXPECT_EQ (project.readRecord (VirtualProject::soundBankListing, bank),
                       untouched.readRecord (VirtualProject::soundBankListing, bank)) << c.what;
    }
}

TEST (VirtualProjectChanges, SoundSetupWritesRenameAndChangeMachines)
{
    VirtualProject project;
    auto setup = project.getSound (8).setup;
    setup.track = 8;
    setup.name = "NEW BD";
    setup.machineType = 9;   // BD CLASSIC, allowed on T9
    EXPECT_EQ (project.apply (transaction (0x10, VirtualProject::soundSetup, 8, records::encodeSoundSetup (setup))),
               (std::vector<N> { { VirtualProject::sound, 8, 0, 0 } }));   // the parameters changed with the machine
    EXPECT_EQ (project.getSound (8).setup.name, "NEW BD");
    EXPECT_EQ (project.getSound (8).setup.machineType, 9);
    EXPECT_EQ (project.getSoundParameter (8, 413), 8192);   // BD CLASSIC's decay at its default

    // A machine the track cannot run: the rest is taken, the program is told to read the sound again.
    LogLines log;
    setup.name = "ODD ONE";
    setup.machineType = 0;   // BD MODERN runs on T1 to T8 only
    EXPECT_EQ (project.apply (transaction (0x10, VirtualProject::soundSetup, 8, records::encodeSoundSetup (setup))),
               (std::vector<N> { { VirtualProject::sound, 8, 0, 0 }, { VirtualProject::soundSetup, 8, 0, 0 } }));
    EXPECT_EQ (project.getSound (8).setup.machineType, 9);
    EXPECT_EQ (project.getSound (8).setup.name, "ODD ONE");
    EXPECT_EQ (log.count(), 1u);

    Bytes name (16, 0);
    std::string text = "MORNING";
    std::copy (text.begin(), text.end(), name.begin());
    project.apply (transaction (0x10, VirtualProject::kitName, 0, name));
    EXPECT_EQ (project.getKit().name, "MORNING");
}

TEST (VirtualProjectChanges, PoolAndLibraryCommandsMoveSounds)
{
    VirtualProject project;
    const auto track2 = project.getSound (2);

    // Save track 3 into pool position 100, copy it into library slot 700, load it from there into track 5.
    EXPECT_TRUE (project.apply (transaction (0x44, VirtualProject::soundPool, 0, words32 (2, 100))).empty());
    ASSERT_TRUE (project.getPoolSound (100).has_value());
    EXPECT_EQ (project.getPoolSound (100)->setup.name, track2.setup.name);
    EXPECT_TRUE (project.apply (transaction (0x45, VirtualProject::soundPool, 0, words32 (100, 700))).empty());
    ASSERT_TRUE (project.getLibrarySound (700).has_value());
    EXPECT_EQ (project.apply (transaction (0x43, VirtualProject::soundLibrary, 0, words32 (700, 4))),
               (std::vector<N> { { VirtualProject::sound, 4, 0, 0 }, { VirtualProject::soundSetup, 4, 0, 0 } }));
    EXPECT_EQ (project.getSound (4).setup.name, track2.setup.name);
    EXPECT_EQ (project.getSound (4).words, track2.words);
    EXPECT_EQ (wire::get16 (&(*project.readRecord (VirtualProject::soundSetup, 4))[0]), 4);   // the setup names its new track

    // The listings show it.
    const auto bank2 = *project.readRecord (VirtualProject::soundBankListing, 2);
    const auto at = (700 - 512) * records::listingEntrySize;
    EXPECT_EQ (bank2[at], track2.setup.machineType);
    EXPECT_EQ (std::string (reinterpret_cast<const char*> (&bank2[at + 8])), track2.setup.name);

    // Library to pool, track to library, and removals.
    EXPECT_TRUE (project.apply (transaction (0x45, VirtualProject::soundLibrary, 0, words32 (700, 5))).empty());
    EXPECT_EQ (project.getPoolSound (5)->setup.name, track2.setup.name);
    project.apply (transaction (0x44, VirtualProject::soundLibrary, 0, words32 (0, 2047)));
    EXPECT_EQ (project.getLibrarySound (2047)->setup.name, project.getSound (0).setup.name);
    project.apply (transaction (0x42, VirtualProject::soundLibrary, 700, {}));
    project.apply (transaction (0x42, VirtualProject::soundPool, 100, {}));
    EXPECT_FALSE (project.getLibrarySound (700).has_value());
    EXPECT_FALSE (project.getPoolSound (100).has_value());
    EXPECT_EQ (project.readRecord (VirtualProject::soundBankListing, 2)->at (at), 255);

    // A sound whose machine the track cannot run is not loaded.
    LogLines log;
    EXPECT_TRUE (project.apply (transaction (0x43, VirtualProject::soundLibrary, 0, words32 (2047, 8))).empty());
    EXPECT_EQ (project.getSound (8).setup.machineType, 8);
    EXPECT_EQ (log.count(), 1u);
}

TEST (VirtualProjectChanges, TotalRecallCommandsMoveTheSession)
{
    VirtualProject project;
    auto command = [&] (std::uint8_t type, std::uint32_t id) {
        Bytes body { type };
        wire::put32 (body, id);
        return project.apply (transaction (0x50, 0, 0, body));
    };

    // A new session takes the host's id and is accepted once the host has read it (once).
    EXPECT_EQ (command (4, 0x01020304), (std::vector<N> { { 35, 0, 0, 0 } }));
    EXPECT_EQ (project.getSessionId(), 0x01020304u);
    EXPECT_EQ (*project.readRecord (VirtualProject::totalRecallSessionId, 0), (Bytes { 1, 2, 3, 4 }));
    EXPECT_EQ (project.readAnswered (VirtualProject::totalRecallSessionId, 0), (std::vector<N> { { 34, 0, 0, 6 } }));
    EXPECT_TRUE (project.readAnswered (VirtualProject::totalRecallSessionId, 0).empty());

    // A recall of a device that holds a project waits for the user.
    EXPECT_EQ (command (7, 0x01020304), (std::vector<N> { { 34, 0, 0, 8 } }));

    // The device's image to the host: the transfer ends once the host has read it.
    EXPECT_EQ (command (12, 0x01020304), (std::vector<N> { { 34, 0, 0, 12 } }));
    EXPECT_TRUE (project.readAnswered (VirtualProject::kit, 0).empty());
    EXPECT_EQ (project.readAnswered (VirtualProject::totalRecallImage, 0), (std::vector<N> { { 34, 0, 0, 2 } }));
    EXPECT_TRUE (project.readAnswered (VirtualProject::totalRecallImage, 0).empty());

    // The host sends its image after command 11; the device keeps it and serves it.
    EXPECT_EQ (command (11, 0x01020304), (std::vector<N> { { 34, 0, 0, 11 } }));
    const Bytes image (1500, 0x5A);
    EXPECT_EQ (project.apply (transaction (0x10, VirtualProject::totalRecallImage, 0, image)),
               (std::vector<N> { { 34, 0, 0, 2 } }));
    EXPECT_EQ (*project.readRecord (VirtualProject::totalRecallImage, 0), image);

    EXPECT_EQ (command (3, 0), (std::vector<N> { { 34, 0, 0, 1 }, { 35, 0, 0, 0 } }));
    EXPECT_EQ (project.getSessionId(), 0u);
    EXPECT_EQ (project.getTotalRecallState(), VirtualProject::noSession);

    // Without a project the host's image wins a recall at once.
    project.setImage ({});
    EXPECT_EQ (command (7, 0x01020304), (std::vector<N> { { 34, 0, 0, 9 } }));

    // Image reads can be left unanswered; other reads still are.
    EXPECT_TRUE (project.answersRead (VirtualProject::totalRecallImage));
    project.setImageReadsAnswered (false);
    EXPECT_FALSE (project.answersRead (VirtualProject::totalRecallImage));
    EXPECT_TRUE (project.answersRead (VirtualProject::totalRecallSessionId));
}

TEST (VirtualProjectChanges, ChangesAtTheDeviceAnnounceThemselves)
{
    VirtualProject project;
    EXPECT_EQ (project.setTrackLevel (3, 20000), (std::vector<N> { { 14, 3, 10, 20000 } }));
    EXPECT_EQ (project.setMute (2, true), (std::vector<N> { { 25, 2, 9, 256 } }));
    EXPECT_EQ (project.setPatternMute (11, false), (std::vector<N> { { 36, 11, 16, 0 } }));
    EXPECT_EQ (project.setSoundParameter (5, filterFrequency, 99999), (std::vector<N> { { 5, 5, 60, 32512 } }));
    EXPECT_EQ (project.renameSound (6, "FRESH"), (std::vector<N> { { 6, 6, 0, 0 } }));
    EXPECT_EQ (project.setMachineType (11, 31), (std::vector<N> { { 4, 11, 0, 0 }, { 6, 11, 0, 0 } }));
    EXPECT_EQ (project.renameKit ("LATE SET"), (std::vector<N> { { 13, 0, 0, 0 } }));

    LogLines log;
    EXPECT_TRUE (project.setMachineType (0, 8).empty());   // BD HARD cannot run on T1
    EXPECT_TRUE (project.setSoundParameter (0, 999, 1).empty());
    EXPECT_TRUE (project.setMute (12, true).empty());
    EXPECT_EQ (project.getSound (0).setup.machineType, 0);
    EXPECT_EQ (log.count(), 2u);
}

TEST (VirtualUser, EveryStepChangesSomethingAndSaysWhat)
{
    VirtualProject project;
    VirtualUser user (7);
    int records = 0;
    for (int i = 0; i < 40; ++i)
    {
        std::string what;
        const auto notifications = user.step (project, what);
        ASSERT_FALSE (notifications.empty()) << i;
        EXPECT_FALSE (what.empty());
        for (const auto& n : notifications)
        {
            if (n.dataType == VirtualProject::kitParameter)
            {
                EXPECT_EQ (project.getTrackLevel (n.index), n.value);
            }
            if (n.dataType == VirtualProject::settingsParameter)
            {
                EXPECT_EQ (project.isMuted (n.index), n.value != 0);
            }
            records += n.dataType == VirtualProject::sound || n.dataType == VirtualProject::soundSetup;
        }
        EXPECT_TRUE (params::machineAllowedOnTrack (project.getSound (i % 12).setup.machineType, i % 12));
    }
    EXPECT_GE (records, 4);
}
