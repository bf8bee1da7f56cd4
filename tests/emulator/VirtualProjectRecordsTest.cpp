// The virtual device's records, read back through the program's own factories,
// upgrades and readers: the two sides must agree on every byte.
#include "DeviceParameterTable.h"
#include "VirtualProject.h"

#include "model/storage/RecordWriters.h"
#include "model/storage/Serializer.h"
#include "model/storage/StorageUpgrade.h"
#include "model/storage/WireFactories.h"
#include "model/tables/ParameterTable.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

using namespace fhemu;

namespace
{
std::string name16 (const char* name)
{
    return std::string (name, strnlen (name, 16));
}

class VirtualProjectRecords : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (! parameterMapsBuilt())
            buildParameterMaps();
    }

    Bytes read (std::uint8_t type, std::uint16_t index = 0) const
    {
        auto record = project.readRecord (type, index);
        EXPECT_TRUE (record.has_value()) << int (type) << "/" << index;
        return record.value_or (Bytes {});
    }

    VirtualProject project;
};
} // namespace

TEST_F (VirtualProjectRecords, DeviceParameterKnowledgeMatchesTheProgramsTable)
{
    for (int machine = 0; machine < params::numMachineTypes; ++machine)
        for (int slot = 0; slot < params::numSlots; ++slot)
        {
            const int row = getSoundSlotParameter (slot, machine);
            const auto range = params::soundSlotRange (slot, machine);
            const auto& entry = getParameterRow (row);
            EXPECT_EQ (params::objectOfSoundSlot (slot, machine), row == 0 ? 0 : entry.objectId)
                << "machine " << machine << " slot " << slot;
            if (row != 0)
            {
                EXPECT_EQ (range.minimum, entry.minimum) << "machine " << machine << " slot " << slot;
                EXPECT_EQ (range.maximum, entry.maximum) << "machine " << machine << " slot " << slot;
                EXPECT_EQ (range.defaultValue, entry.defaultValue) << "machine " << machine << " slot " << slot;
            }
        }
    for (int slot = 0; slot < params::numSlots; ++slot)
        if (const int row = getFxSlotParameter (slot); row != 0)
        {
            EXPECT_EQ (params::fxSlotRange (slot).defaultValue, getParameterRow (row).defaultValue) << slot;
            if (getParameterRow (row).objectId != 0)
            {
                EXPECT_EQ (params::fxSlotOfObject (getParameterRow (row).objectId), slot) << slot;
            }
        }
}

TEST_F (VirtualProjectRecords, KitIsReadWholeAndWithoutAComplaint)
{
    const auto wire = read (VirtualProject::kit);
    ASSERT_EQ (wire.size(), 5632u);

    auto stored = Vantu::makeSharedKitStorage (wire.data(), wire.size());
    ASSERT_NE (stored, nullptr);
    EXPECT_EQ (Vantu::writeKitStorage (*stored), wire);

    Vantu::kitData_t kit {};
    testing::internal::CaptureStdout();
    std::optional<fhtest::ScopedLogCapture> log (std::in_place);
    ASSERT_TRUE (Vantu::upgradeKitStorage (stored.get()));
    ASSERT_TRUE (Vantu::Serializer::readKit (&kit, stored.get()));
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "");   // no value out of its range
    EXPECT_TRUE (log->lines().empty());
    log.reset();

    const auto expected = project.getKit();
    EXPECT_EQ (name16 (kit.name), "NIGHT DRIVE");
    for (int t = 0; t < 12; ++t)
    {
        const auto& sound = expected.sounds[static_cast<std::size_t> (t)];
        EXPECT_EQ (kit.trackLevel[t], expected.trackLevel[static_cast<std::size_t> (t)]) << t;
        EXPECT_EQ (name16 (kit.sounds[t].name), sound.setup.name) << t;
        EXPECT_EQ (kit.sounds[t].machineType, sound.setup.machineType) << t;
        EXPECT_EQ (kit.sounds[t].tags, sound.setup.tags) << t;
        for (int w = 0; w < 54; ++w)
            EXPECT_EQ (kit.sounds[t].params[params::soundSlotOfWord (w)], sound.words[static_cast<std::size_t> (w)])
                << "track " << t << " word " << w;
    }
    for (int w = 0; w < 67; ++w)
        EXPECT_EQ (kit.fxParams[params::fxSlotOfWord (w)], expected.fxWords[static_cast<std::size_t> (w)]) << w;
}

TEST_F (VirtualProjectRecords, EverySoundAndSetupAgreesWithTheKit)
{
    const auto kit = project.getKit();
    for (std::uint16_t t = 0; t < 12; ++t)
    {
        const auto wire = read (VirtualProject::sound, t);
        ASSERT_EQ (wire.size(), 251u);
        auto stored = Vantu::makeSharedSoundStorage (wire.data(), wire.size());
        EXPECT_EQ (Vantu::writeSoundStorage (*stored), wire) << t;

        Vantu::soundData_t sound {};
        testing::internal::CaptureStdout();
        std::optional<fhtest::ScopedLogCapture> log (std::in_place);
        ASSERT_TRUE (Vantu::upgradeSoundStorage (stored.get()));
        ASSERT_TRUE (Vantu::Serializer::readSound (&sound, stored.get()));
        EXPECT_EQ (testing::internal::GetCapturedStdout(), "") << t;
        EXPECT_TRUE (log->lines().empty()) << t;
        log.reset();
        EXPECT_EQ (name16 (sound.name), kit.sounds[t].setup.name);
        EXPECT_EQ (sound.machineType, kit.sounds[t].setup.machineType);
        EXPECT_EQ (sound.playMode, 2);
        EXPECT_EQ (sound.portamentoAmount, 100);

        const auto setupWire = read (VirtualProject::soundSetup, t);
        auto setup = Vantu::makeSharedSoundSetup (setupWire.data(), setupWire.size());
        ASSERT_NE (setup, nullptr);
        EXPECT_EQ (Vantu::writeSoundSetup (*setup), setupWire) << t;
        EXPECT_EQ (setup->trackIndex, t);
        EXPECT_EQ (name16 (setup->name), kit.sounds[t].setup.name);
        EXPECT_EQ (setup->machineType, kit.sounds[t].setup.machineType);
        EXPECT_EQ (std::uint32_t (setup->tags), kit.sounds[t].setup.tags);   // a packed field, copied
        EXPECT_TRUE (params::machineAllowedOnTrack (setup->machineType, t)) << t;
    }
}

TEST_F (VirtualProjectRecords, SettingsHoldTheMutesAndLevels)
{
    const auto wire = read (VirtualProject::projectSettings);
    ASSERT_EQ (wire.size(), 512u);
    auto stored = Vantu::makeSharedProjectSettings (wire.data(), wire.size());
    EXPECT_EQ (Vantu::writeProjectSettings (*stored), wire);

    Vantu::projectSettingsData_t settings {};
    testing::internal::CaptureStdout();
    std::optional<fhtest::ScopedLogCapture> log (std::in_place);
    ASSERT_TRUE (Vantu::Serializer::readSettings (&settings, stored.get()));
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE (log->lines().empty());
    log.reset();
    EXPECT_EQ (settings.trackMuteMask, 0x0010);
    EXPECT_EQ (settings.tempo, 14400);
    EXPECT_EQ (settings.midiChannel[5], 5);
    EXPECT_EQ (settings.midiProgramChangeRxChannel, -1);
    for (int t = 0; t < 12; ++t)
        EXPECT_EQ (settings.trackLevel[t], project.getKit().trackLevel[static_cast<std::size_t> (t)]) << t;
}

TEST_F (VirtualProjectRecords, ListingsNameTheirEntries)
{
    const auto poolWire = read (VirtualProject::soundPoolListing);
    auto pool = Vantu::makeSharedSoundPoolListing (poolWire.data(), poolWire.size());
    ASSERT_EQ (poolWire.size(), 3072u);
    EXPECT_EQ (Vantu::writeSoundPoolListing (*pool), poolWire);
    int used = 0;
    for (int p = 0; p < 128; ++p)
    {
        const auto& e = pool->entries[p];
        const auto stored = project.getPoolSound (p);
        EXPECT_EQ (e.machineType != 255, stored.has_value()) << p;
        if (stored)
        {
            ++used;
            EXPECT_EQ (name16 (e.name), stored->setup.name);
            EXPECT_EQ (e.tags, stored->setup.tags);
        }
    }
    EXPECT_GT (used, 0);

    for (std::uint16_t bank = 0; bank < 8; ++bank)
    {
        const auto wire = read (VirtualProject::soundBankListing, bank);
        ASSERT_EQ (wire.size(), 6144u);
        auto listing = Vantu::makeSharedSoundBankListing (wire.data(), wire.size());
        EXPECT_EQ (Vantu::writeSoundBankListing (*listing), wire);
        for (int i = 0; i < 256; ++i)
        {
            const auto& e = listing->entries[i];
            EXPECT_EQ (e.number, bank * 256 + i);
            const auto stored = project.getLibrarySound (bank * 256 + i);
            EXPECT_EQ (e.machineType != 255, stored.has_value()) << bank << "/" << i;
            if (stored)
            {
                EXPECT_EQ (name16 (e.name), stored->setup.name);
            }
        }
    }
    EXPECT_EQ (Vantu::makeSharedSoundBankListing (read (VirtualProject::soundBankListing, 0).data(), 6144)->entries[0].flags, 1);
}

TEST_F (VirtualProjectRecords, SmallRecords)
{
    const auto pattern = read (VirtualProject::patternSettings);
    EXPECT_EQ (Vantu::makeSharedPatternSettings (pattern.data(), pattern.size())->trackMuteMask, project.getPatternMuteMask());
    const auto session = read (VirtualProject::totalRecallSessionId);
    EXPECT_EQ (*Vantu::makeSharedSessionId (session.data(), session.size()), project.getSessionId());
    EXPECT_EQ (read (VirtualProject::totalRecallImage), project.getImage());
    EXPECT_FALSE (project.getImage().empty());
}

TEST_F (VirtualProjectRecords, RecordsTheDeviceDoesNotHoldAreRefused)
{
    const struct
    {
        std::uint8_t type;
        std::uint16_t index;
    } missing[] = { { VirtualProject::sound, 12 }, { VirtualProject::soundSetup, 200 }, { VirtualProject::kit, 1 },
                    { VirtualProject::soundBankListing, 8 }, { VirtualProject::soundBankListing, 15 },
                    { VirtualProject::soundParameter, 0 }, { 99, 0 }, { 0, 0 } };
    for (const auto& m : missing)
        EXPECT_FALSE (project.readRecord (m.type, m.index).has_value()) << int (m.type) << "/" << m.index;
}
