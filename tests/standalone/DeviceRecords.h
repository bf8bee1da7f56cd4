#pragma once

// Records of a small virtual project for the standalone tests, served by the
// emulator's read responder: a kit whose twelve sounds agree with the sound and
// sound setup records, settings, a sound pool, library banks and pattern mutes.
#include "engine/FhAsyncDataWorker.h"
#include "model/storage/RecordWriters.h"
#include "model/storage/WireFactories.h"

#include "EmulatorReadResponder.h"
#include "EmulatorRecords.h"

#include <cstring>
#include <string>
#include <vector>

namespace standalonetest
{
namespace rec = fhemu::records;

struct ProjectRecords
{
    std::string kitName = "LIVE SET";
    std::vector<std::string> soundNames;      // per track
    std::vector<std::uint8_t> machineTypes;   // per track
    std::vector<int> levels;                  // per track (0..127), then the effects track
    std::uint8_t activeEditTrack = 3;
    std::uint16_t muteMask = 0x0005;
    std::uint16_t patternMuteMask = 0x0801;
    // Used pool positions (0-based) and library slots, with their names and machine types.
    struct Listed
    {
        int position;
        std::uint8_t machineType;
        std::string name;
    };
    std::vector<Listed> pool { { 4, 2, "POOLKICK" } };
    std::vector<Listed> library { { 1, 5, "LIB1" }, { 2, 5, "LIB2" }, { 3, 6, "LIB3" }, { 4, 7, "LIB4" }, { 512, 0, "KICKC" } };

    ProjectRecords()
    {
        for (int t = 0; t < 12; ++t)
        {
            soundNames.push_back ("SOUND " + std::to_string (t + 1));
            machineTypes.push_back (static_cast<std::uint8_t> (t));
            levels.push_back (100 - t);
        }
        levels.push_back (90);
    }

    std::vector<std::uint8_t> soundBytes (int track) const
    {
        return rec::sound (rec::newestSoundVersion, soundNames[std::size_t (track)], machineTypes[std::size_t (track)]);
    }

    std::vector<std::uint8_t> soundSetupBytes (int track) const
    {
        rec::SoundSetup setup;
        setup.track = static_cast<std::uint16_t> (track);
        setup.machineType = machineTypes[std::size_t (track)];
        setup.name = soundNames[std::size_t (track)];
        return rec::encodeSoundSetup (setup);
    }

    std::vector<std::uint8_t> kitBytes() const
    {
        Vantu::kitStorageContainer_t kit;
        std::memset (&kit, 0, sizeof (kit));
        kit.version = rec::newestKitVersion;
        std::memcpy (kit.v7.name, kitName.data(), std::min<std::size_t> (16, kitName.size()));
        for (std::size_t t = 0; t < levels.size(); ++t)
            kit.v7.trackLevel[t] = static_cast<std::int16_t> (levels[t] * 256);
        for (int t = 0; t < 12; ++t)
        {
            const auto bytes = soundBytes (t);
            kit.v7.sounds[t] = Vantu::makeSharedSoundStorage (bytes.data(), bytes.size())->v5;
        }
        kit.v7.track_mute_from_main_mask = -1;
        kit.v7.track_mute_from_fx_mask = -1;
        return Vantu::writeKitStorage (kit);
    }

    std::vector<std::uint8_t> poolBytes() const
    {
        FhAsyncSoundPoolListing listing {};
        for (auto& e : listing.entries)
            e.machineType = 255;
        for (const auto& p : pool)
        {
            auto& e = listing.entries[std::size_t (p.position)];
            e.machineType = p.machineType;
            std::memcpy (e.name, p.name.data(), std::min<std::size_t> (16, p.name.size()));
        }
        return Vantu::writeSoundPoolListing (listing);
    }

    std::vector<std::uint8_t> bankBytes (int bank) const
    {
        FhAsyncSoundBankListing listing {};
        for (int i = 0; i < 256; ++i)
        {
            listing.entries[std::size_t (i)].machineType = 255;
            listing.entries[std::size_t (i)].number = static_cast<std::uint16_t> (bank * 256 + i);
        }
        for (const auto& l : library)
        {
            if (l.position / 256 != bank)
                continue;
            auto& e = listing.entries[std::size_t (l.position % 256)];
            e.machineType = l.machineType;
            std::memcpy (e.name, l.name.data(), std::min<std::size_t> (16, l.name.size()));
        }
        return Vantu::writeSoundBankListing (listing);
    }

    // Serves every record through the responder.
    void serve (fhemu::EmulatorReadResponder& r) const
    {
        r.setRecord (AsyncDataType::kit, 0, kitBytes());
        for (int t = 0; t < 12; ++t)
        {
            r.setRecord (AsyncDataType::sound, static_cast<std::uint16_t> (t), soundBytes (t));
            r.setRecord (AsyncDataType::soundSetup, static_cast<std::uint16_t> (t), soundSetupBytes (t));
        }
        r.setRecord (AsyncDataType::projectSettings, 0, rec::projectSettings (activeEditTrack, muteMask));
        r.setRecord (AsyncDataType::soundPoolListing, 0, poolBytes());
        for (int bank = 0; bank < 8; ++bank)
            r.setRecord (AsyncDataType::soundBankListing, static_cast<std::uint16_t> (bank), bankBytes (bank));
        r.setRecord (AsyncDataType::patternSettings, 0, Vantu::writePatternSettings ({ patternMuteMask }));
    }
};
} // namespace standalonetest
