#include "VirtualProject.h"

#include "DeviceParameterTable.h"
#include "EmuLog.h"

#include <algorithm>

namespace fhemu
{
namespace
{
    using records::Sound;

    // Tags by number: kick 0, snare 1, clap 3, percussion 5, hi-hat 6, cymbal 7,
    // synth 9, bass 10, lead 11, pad 12, chord 14, electronic 16, vintage 26.
    constexpr std::uint32_t tag (int n) { return 1u << n; }

    struct TrackSound
    {
        int machineType;
        const char* name;
        std::uint32_t tags;
        int level;
    };

    const TrackSound demoTracks[VirtualProject::numTracks] = {
        { 0, "DEEP KICK", tag (0) | tag (16), 28000 },
        { 1, "CRISP SNARE", tag (1), 25600 },
        { 7, "VINTAGE CLAP", tag (3) | tag (26), 22000 },
        { 3, "CARBON CONGA", tag (5), 20000 },
        { 2, "ALLOY CRASH", tag (7), 18000 },
        { 4, "SUB BASS", tag (9) | tag (10), 27000 },
        { 5, "GLASS CHORD", tag (9) | tag (14), 21000 },
        { 38, "SWARM PAD", tag (9) | tag (12), 19000 },
        { 8, "ANALOG BD", tag (0), 26000 },
        { 15, "ANALOG SD", tag (1) | tag (26), 24000 },
        { 20, "DUAL LEAD", tag (9) | tag (11), 23000 },
        { 22, "CLOSED HAT", tag (6), 20500 },
    };

    struct StoredSound
    {
        int machineType;
        const char* name;
        std::uint32_t tags;
    };

    // What the library banks hold: bank b, position p gets entry (b * 7 + p) % count
    // for the first positions of each bank.
    const StoredSound storedSounds[] = {
        { 0, "BOOM KICK", tag (0) },          { 9, "CLASSIC BD", tag (0) | tag (26) },
        { 1, "RIM SNARE", tag (1) },          { 14, "HARD SD", tag (1) },
        { 31, "TIGHT HAT", tag (6) },         { 24, "WIDE CYMBAL", tag (7) },
        { 4, "ROUND BASS", tag (9) | tag (10) }, { 5, "MINOR STAB", tag (9) | tag (14) },
        { 36, "TOY BELL", tag (9) },          { 37, "BIT LEAD", tag (9) | tag (11) },
        { 20, "ACID LINE", tag (9) | tag (10) }, { 3, "WOOD BLOCK", tag (5) },
    };
    constexpr int numStoredSounds = static_cast<int> (sizeof (storedSounds) / sizeof (storedSounds[0]));
    constexpr int filledPerBank[VirtualProject::numBanks] = { 40, 24, 12, 6, 3, 1, 0, 2 };

    // Library slots beyond the plain fill: holes between used slots, a machine that
    // runs on no track, the last tags and write protection outside the factory sounds.
    struct SpecialSlot
    {
        int slot;
        int machineType;   // -1: the slot is emptied
        const char* name;
        std::uint32_t tags;
        bool writeProtected;
    };
    const SpecialSlot specialSlots[] = {
        { 6, -1, "", 0, false },
        { 13, -1, "", 0, false },
        { 21, -1, "", 0, false },
        { 40, 21, "CLASSIC CLAP", tag (3) | tag (31), false },
        { 41, 5, "FAVOURITE LOOP", tag (9) | tag (29) | tag (30) | tag (31), false },
        { 42, 8, "EPIC FAIL BD", tag (0) | tag (27) | tag (28), true },
        { 256 + 3, 1, "LOCKED SNARE", tag (1) | tag (30), true },
    };

    std::uint16_t word (const Bytes& b, std::size_t at) { return wire::get16 (&b[at]); }

    std::string deviceName (const Bytes& b, std::size_t at)
    {
        std::string name;
        for (std::size_t i = at; i < std::min (b.size(), at + 16) && b[i] != 0; ++i)
            name.push_back (static_cast<char> (b[i]));
        return name;
    }

    int clampTo (const params::Range& r, int value) { return std::clamp (value, r.minimum, r.maximum); }

    const char* commandName (std::uint8_t command)
    {
        switch (command)
        {
            case 0x42: return "remove";
            case 0x43: return "load";
            case 0x44: return "save";
            case 0x45: return "copy";
            default: return "?";
        }
    }
} // namespace

records::Sound makeDefaultSound (int machineType, const std::string& name, std::uint32_t tags)
{
    Sound s;
    s.setup.name = name.substr (0, 16);
    s.setup.tags = tags;
    s.setup.machineType = static_cast<std::uint8_t> (machineType);
    s.setup.velocityVolMode = 2;
    s.setup.transposable = 1;
    s.setup.pitchBendDepth = 2;
    s.setup.playMode = 2;
    s.setup.portamentoAmount = 100;
    s.setup.portamentoSlope = 1;
    for (int w = 0; w < 54; ++w)
        s.words[static_cast<std::size_t> (w)] =
            static_cast<std::int16_t> (params::soundSlotRange (params::soundSlotOfWord (w), machineType).defaultValue);
    return s;
}

VirtualProject::VirtualProject() : settingsRecord (records::defaultProjectSettings()), library (librarySize),
                                   libraryFlags (librarySize, 0)
{
    kitRecord.name = "NIGHT DRIVE";
    for (int t = 0; t < numTracks; ++t)
    {
        const auto& d = demoTracks[t];
        auto& s = kitRecord.sounds[static_cast<std::size_t> (t)];
        s = makeDefaultSound (d.machineType, d.name, d.tags);
        s.setup.track = static_cast<std::uint16_t> (t);
        // A little character per track: a darker filter on the synths, pan spread.
        s.words[28] = static_cast<std::int16_t> (params::soundSlotRange (28, d.machineType).defaultValue - 512 * t);
        s.words[46] = static_cast<std::int16_t> (16384 + (t % 2 == 0 ? -1 : 1) * 1024 * (t % 4));
        kitRecord.trackLevel[static_cast<std::size_t> (t)] = static_cast<std::int16_t> (d.level);
        records::putWord (settingsRecord, records::settingsAt::trackLevel + 2 * std::size_t (t),
                          static_cast<std::uint16_t> (d.level));
    }
    kitRecord.trackLevel[12] = 25600;

    for (int w = 0; w < 67; ++w)
        kitRecord.fxWords[static_cast<std::size_t> (w)] =
            static_cast<std::int16_t> (params::fxSlotRange (params::fxSlotOfWord (w)).defaultValue);
    for (std::size_t t = 0; t < kitRecord.midiWords.size(); ++t)
    {
        auto& m = kitRecord.midiWords[t];
        for (int w = 0; w < 17; ++w)   // the LFO pages as a sound's
            m[static_cast<std::size_t> (w)] = kitRecord.sounds[t].words[static_cast<std::size_t> (w)];
        m[17] = static_cast<std::int16_t> (256 * t);   // MIDI channel of the track
        m[21] = 8192;                                  // pitch bend centre
        for (std::size_t i = 0; i < 8; ++i)
            m[33 + i] = static_cast<std::int16_t> ((70 + i) * 256);   // CC 70 to 77
    }
    constexpr std::uint16_t trigValues[4][4] = { { 9, 12, 14, 15 }, { 32, 64, 96, 127 }, { 32, 64, 96, 127 },
                                                 { 32, 64, 96, 127 } };
    for (std::size_t i = 0; i < 4; ++i)
    {
        kitRecord.trigs[i].trig = 1;
        kitRecord.trigs[i].paramIndex = i >= 2 ? static_cast<std::uint8_t> (i == 2 ? 8 : 16) : 0;
        for (std::size_t v = 0; v < 4; ++v)
            kitRecord.trigs[i].values[v] = trigValues[i][v];
    }

    settingsRecord[records::settingsAt::activeEditTrack] = 0;
    records::putWord (settingsRecord, records::settingsAt::muteMask, 0x0010);   // T5 muted
    patternMask = 0x0800;                                                      // T12 muted in the pattern

    for (int p = 0; p < 6; ++p)
    {
        const auto& d = demoTracks[(p * 5) % numTracks];
        pool[static_cast<std::size_t> (p * 3)] = makeDefaultSound (d.machineType, std::string (d.name) + " " + std::to_string (p + 1), d.tags);
    }
    for (int bank = 0; bank < numBanks; ++bank)
        for (int p = 0; p < filledPerBank[bank]; ++p)
        {
            const auto& d = storedSounds[(bank * 7 + p) % numStoredSounds];
            const int slot = bank * bankSize + p;
            library[static_cast<std::size_t> (slot)] = makeDefaultSound (d.machineType, d.name, d.tags);
            libraryFlags[static_cast<std::size_t> (slot)] = bank == 0 && p < 4 ? 1 : 0;   // factory sounds
        }
    for (const auto& special : specialSlots)
    {
        auto& stored = library[static_cast<std::size_t> (special.slot)];
        if (special.machineType < 0)
            stored.reset();
        else
            stored = makeDefaultSound (special.machineType, special.name, special.tags);
        libraryFlags[static_cast<std::size_t> (special.slot)] = special.writeProtected ? 1 : 0;
    }

    sessionId = 0x2F5A1C07;
    recallState = sessionActive;
    image.resize (4096);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t> ((i * 31 + 7) & 0xFF);
}

Bytes VirtualProject::listing (int first, int count, bool isLibrary) const
{
    std::vector<records::ListingEntry> entries (static_cast<std::size_t> (count));
    for (int i = 0; i < count; ++i)
    {
        const int n = first + i;
        auto& e = entries[static_cast<std::size_t> (i)];
        e.number = static_cast<std::uint16_t> (n);
        const auto& stored = isLibrary ? library[static_cast<std::size_t> (n)] : pool[static_cast<std::size_t> (n)];
        if (stored)
        {
            e.machineType = stored->setup.machineType;
            e.tags = stored->setup.tags;
            e.name = stored->setup.name;
        }
        e.flag = isLibrary ? libraryFlags[static_cast<std::size_t> (n)] : 0;
    }
    return records::encodeListing (entries);
}

std::optional<Bytes> VirtualProject::readRecord (std::uint8_t dataType, std::uint16_t index) const
{
    std::lock_guard<std::mutex> sl (lock);
    switch (dataType)
    {
        case sound:
            if (index < numTracks)
                return records::encodeSound (kitRecord.sounds[index]);
            break;
        case soundSetup:
            if (index < numTracks)
            {
                auto setup = kitRecord.sounds[index].setup;
                setup.track = index;
                return records::encodeSoundSetup (setup);
            }
            break;
        case kit:
            if (index == 0)
                return records::encodeKit (kitRecord);
            break;
        case projectSettings:
            if (index == 0)
                return settingsRecord;
            break;
        case totalRecallImage:
            if (index == 0)
                return image;
            break;
        case soundPoolListing:
            if (index == 0)
                return listing (0, poolSize, false);
            break;
        case soundBankListing:
            if (index < numBanks)
                return listing (index * bankSize, bankSize, true);
            break;
        case totalRecallSessionId:
            if (index == 0)
                return records::encodeSessionId (sessionId);
            break;
        case patternSettings:
            if (index == 0)
                return records::encodePatternSettings (patternMask);
            break;
        default:
            break;
    }
    return std::nullopt;
}

std::vector<DeviceNotification> VirtualProject::apply (const RecordedTransaction& t)
{
    std::lock_guard<std::mutex> sl (lock);
    switch (t.header.command)
    {
        case 0x10:
            return applyWrite (t);
        case 0x42:
        case 0x43:
        case 0x44:
        case 0x45:
            return applyStorageCommand (t);
        case 0x50:
            return applyTotalRecallCommand (t.payload);
        default:
            log (LogLevel::debug, "project: command " + std::to_string (t.header.command) + " not handled");
            return {};
    }
}

VirtualProject::Notifications VirtualProject::applyWrite (const RecordedTransaction& t)
{
    const auto& p = t.payload;
    const auto type = t.header.subType;
    switch (type)
    {
        case soundParameter:
        case fxParameter:
        case kitParameter:
        case settingsParameter:
        case patternMute:
            if (p.size() != 6)
            {
                log (LogLevel::warn, "project: parameter write of type " + std::to_string (type) + " with "
                                         + std::to_string (p.size()) + " bytes ignored");
                return {};
            }
            return applyParameterWrite (type, word (p, 0), word (p, 2), word (p, 4));
        case soundSetup:
            return applySoundSetupWrite (p);
        case kitName:
            if (p.size() != 16)
            {
                log (LogLevel::warn, "project: kit name of " + std::to_string (p.size()) + " bytes ignored");
                return {};
            }
            kitRecord.name = deviceName (p, 0);
            log (LogLevel::info, "project: kit renamed to \"" + kitRecord.name + "\"");
            return {};
        case totalRecallImage:
            image = p;
            log (LogLevel::info, "project: total-recall image of " + std::to_string (p.size()) + " bytes stored");
            if (recallState != noSession && recallState != sessionActive)
            {
                recallState = sessionActive;
                return { { totalRecallState, 0, 0, recallState } };
            }
            return {};
        default:
            log (LogLevel::debug, "project: write of data type " + std::to_string (type) + " not kept");
            return {};
    }
}

bool VirtualProject::storeSoundWord (int track, int objectId, int value)
{
    auto& s = kitRecord.sounds[static_cast<std::size_t> (track)];
    const int machine = s.setup.machineType;
    const auto slot = params::soundSlotOfObject (objectId, machine);
    const auto w = slot ? params::soundWordOfSlot (*slot) : std::nullopt;
    if (! w)
        return false;
    s.words[static_cast<std::size_t> (*w)] = static_cast<std::int16_t> (clampTo (params::soundSlotRange (*slot, machine), value));
    return true;
}

VirtualProject::Notifications VirtualProject::applyParameterWrite (std::uint8_t type, std::uint16_t index,
                                                                   std::uint16_t objectId, std::uint16_t rawValue)
{
    const int value = static_cast<std::int16_t> (rawValue);
    auto refused = [&] {
        log (LogLevel::warn, "project: parameter write type " + std::to_string (type) + " index " + std::to_string (index)
                                 + " object " + std::to_string (objectId) + " names nothing; ignored");
        return Notifications {};
    };

    switch (type)
    {
        case soundParameter:
            if (index >= numTracks || ! storeSoundWord (index, objectId, value))
                return refused();
            return {};
        case fxParameter:
        {
            const auto slot = params::fxSlotOfObject (objectId);
            const auto w = slot ? params::fxWordOfSlot (*slot) : std::nullopt;
            if (! w)
                return refused();
            kitRecord.fxWords[static_cast<std::size_t> (*w)] = static_cast<std::int16_t> (clampTo (params::fxSlotRange (*slot), value));
            return {};
        }
        case kitParameter:
            if (objectId != params::objectTrackLevel || index > numTracks)
                return refused();
            kitRecord.trackLevel[index] = static_cast<std::int16_t> (std::clamp (value, 0, 32512));
            return {};
        case settingsParameter:
            if (objectId == params::objectMute && index < numTracks)
            {
                auto mask = records::wordAt (settingsRecord, records::settingsAt::muteMask);
                mask = static_cast<std::uint16_t> (value != 0 ? mask | (1u << index) : mask & ~(1u << index));
                records::putWord (settingsRecord, records::settingsAt::muteMask, mask);
                return {};
            }
            if (objectId == params::objectSolo && index < numTracks)
            {
                soloMask = static_cast<std::uint16_t> (value != 0 ? soloMask | (1u << index) : soloMask & ~(1u << index));
                return {};
            }
            if (objectId == params::objectTrackLevel && index <= numTracks)
            {
                records::putWord (settingsRecord, records::settingsAt::trackLevel + 2 * std::size_t (index),
                                  static_cast<std::uint16_t> (std::clamp (value, 0, 0x7F00)));
                return {};
            }
            if (objectId == params::objectGlobalMode && value >= 0 && value <= 0xFF)
            {
                records::putWord (settingsRecord, records::settingsAt::globalLevels, static_cast<std::uint16_t> (value));
                return {};
            }
            // The active edit track travels as the plain index (12: the effects block).
            if (objectId == params::objectActiveTrack && value >= 0 && value <= numTracks)
            {
                settingsRecord[records::settingsAt::activeEditTrack] = static_cast<std::uint8_t> (value);
                return {};
            }
            return refused();
        case patternMute:
            if (objectId != params::objectPatternMute || index >= numTracks)
                return refused();
            patternMask = static_cast<std::uint16_t> (value != 0 ? patternMask | (1u << index) : patternMask & ~(1u << index));
            return {};
        default:
            return refused();
    }
}

VirtualProject::Notifications VirtualProject::applySoundSetupWrite (const Bytes& payload)
{
    records::SoundSetup setup;
    if (payload.size() != records::soundSetupSize || ! records::decodeSoundSetup (payload, setup) || setup.track >= numTracks)
    {
        log (LogLevel::warn, "project: sound setup write of " + std::to_string (payload.size()) + " bytes for track "
                                 + std::to_string (payload.size() >= 2 ? word (payload, 0) : -1) + " ignored");
        return {};
    }
    const int track = setup.track;
    auto& s = kitRecord.sounds[static_cast<std::size_t> (track)];
    const int newMachine = setup.machineType;
    const int oldMachine = s.setup.machineType;
    setup.machineType = static_cast<std::uint8_t> (oldMachine);
    s.setup = setup;
    return newMachine == oldMachine ? Notifications {} : changeMachineType (track, newMachine);
}

VirtualProject::Notifications VirtualProject::changeMachineType (int track, int machineType)
{
    if (! params::machineAllowedOnTrack (machineType, track))
    {
        log (LogLevel::warn, "project: machine type " + std::to_string (machineType) + " cannot run on track "
                                 + std::to_string (track + 1) + "; kept the old one");
        return { { sound, static_cast<std::uint16_t> (track), 0, 0 }, { soundSetup, static_cast<std::uint16_t> (track), 0, 0 } };
    }
    auto& s = kitRecord.sounds[static_cast<std::size_t> (track)];
    s.setup.machineType = static_cast<std::uint8_t> (machineType);
    // A new machine starts from its own defaults.
    for (int slot = 17; slot <= 26; ++slot)
        s.words[static_cast<std::size_t> (slot)] = static_cast<std::int16_t> (params::soundSlotRange (slot, machineType).defaultValue);
    for (int slot : { 27, 37, 38 })
        if (auto w = params::soundWordOfSlot (slot))
            s.words[static_cast<std::size_t> (*w)] = static_cast<std::int16_t> (
                clampTo (params::soundSlotRange (slot, machineType), s.words[static_cast<std::size_t> (*w)]));
    log (LogLevel::info, "project: track " + std::to_string (track + 1) + " runs " + params::machineDisplayName (machineType));
    return { { sound, static_cast<std::uint16_t> (track), 0, 0 } };
}

VirtualProject::Notifications VirtualProject::applyStorageCommand (const RecordedTransaction& t)
{
    const auto command = t.header.command;
    const auto area = t.header.subType;
    const auto& p = t.payload;
    const std::string what = std::string ("project: ") + commandName (command) + " (area " + std::to_string (area) + ")";
    if (area != soundPool && area != soundLibrary)
    {
        log (LogLevel::warn, what + " for an unknown storage area ignored");
        return {};
    }
    const bool isPool = area == soundPool;
    const int areaSize = isPool ? poolSize : librarySize;
    auto stored = [&] (int n) -> std::optional<Sound>& {
        return isPool ? pool[static_cast<std::size_t> (n)] : library[static_cast<std::size_t> (n)];
    };

    if (command == 0x42)
    {
        const int n = t.header.argument;
        if (! p.empty() || n >= areaSize)
        {
            log (LogLevel::warn, what + " of position " + std::to_string (n) + " ignored");
            return {};
        }
        stored (n).reset();
        if (! isPool)
            libraryFlags[static_cast<std::size_t> (n)] = 0;
        log (LogLevel::info, what + ": position " + std::to_string (n) + " emptied");
        return {};
    }

    if (p.size() != 8)
    {
        log (LogLevel::warn, what + " with " + std::to_string (p.size()) + " payload bytes ignored");
        return {};
    }
    const auto first = wire::get32 (&p[0]);
    const auto second = wire::get32 (&p[4]);
    auto bad = [&] {
        log (LogLevel::warn, what + " with words " + std::to_string (first) + ", " + std::to_string (second) + " ignored");
        return Notifications {};
    };

    switch (command)
    {
        case 0x44:   // save: track, position
            if (first >= numTracks || second >= static_cast<std::uint32_t> (areaSize))
                return bad();
            stored (static_cast<int> (second)) = kitRecord.sounds[first];
            log (LogLevel::info, what + ": track " + std::to_string (first + 1) + " stored at " + std::to_string (second));
            return {};
        case 0x43:   // load: position, track
        {
            if (second >= numTracks || first >= static_cast<std::uint32_t> (areaSize))
                return bad();
            const auto& source = stored (static_cast<int> (first));
            if (! source || ! params::machineAllowedOnTrack (source->setup.machineType, static_cast<int> (second)))
            {
                log (LogLevel::warn, what + ": position " + std::to_string (first) + " holds no sound for track "
                                         + std::to_string (second + 1));
                return {};
            }
            kitRecord.sounds[second] = *source;
            kitRecord.sounds[second].setup.track = static_cast<std::uint16_t> (second);
            log (LogLevel::info, what + ": \"" + source->setup.name + "\" loaded into track " + std::to_string (second + 1));
            return { { sound, static_cast<std::uint16_t> (second), 0, 0 }, { soundSetup, static_cast<std::uint16_t> (second), 0, 0 } };
        }
        case 0x45:   // copy from this area into the other
        {
            const int otherSize = isPool ? librarySize : poolSize;
            if (first >= static_cast<std::uint32_t> (areaSize) || second >= static_cast<std::uint32_t> (otherSize))
                return bad();
            auto& target = isPool ? library[second] : pool[second];
            target = stored (static_cast<int> (first));
            log (LogLevel::info, what + ": " + std::to_string (first) + " copied to " + std::to_string (second));
            return {};
        }
        default:
            return bad();
    }
}

VirtualProject::Notifications VirtualProject::applyTotalRecallCommand (const Bytes& p)
{
    if (p.size() != 5)
    {
        log (LogLevel::warn, "project: total-recall command of " + std::to_string (p.size()) + " bytes ignored");
        return {};
    }
    const std::uint8_t type = p[0];
    const std::uint32_t id = wire::get32 (&p[1]);
    Notifications out;
    auto enter = [&] (std::uint8_t state) {
        recallState = state;
        out.push_back ({ totalRecallState, 0, 0, state });
    };
    switch (type)
    {
        case sessionAbort:   // no session any more
            sessionId = 0;
            acceptAfterIdRead = false;
            enter (noSession);
            out.push_back ({ totalRecallSessionId, 0, 0, 0 });
            break;
        case newSessionRequest:   // a new session with the host's id, accepted once the host has read it
            sessionId = id;
            recallState = newSessionRequest;
            acceptAfterIdRead = true;
            out.push_back ({ totalRecallSessionId, 0, 0, 0 });
            break;
        case recallRequest:   // a device with a project lets the user choose; without one the host's wins
            enter (image.empty() ? recallHostIsMaster : recallWaitingForUser);
            break;
        case syncHostToDevice:   // the host's image follows as a write
            enter (syncHostToDevice);
            break;
        case syncDeviceToHost:   // the host reads the device's image next
            enter (syncDeviceToHost);
            break;
        default:
            log (LogLevel::warn, "project: total-recall command " + std::to_string (type) + " not known; ignored");
            return {};
    }
    if (type != sessionAbort && type != newSessionRequest && id != sessionId)
        log (LogLevel::info, "project: total-recall command " + std::to_string (type) + " names session "
                                 + std::to_string (id) + ", the device's is " + std::to_string (sessionId));
    log (LogLevel::info, "project: total-recall command " + std::to_string (type) + " with id " + std::to_string (id)
                             + ", state " + std::to_string (recallState));
    return out;
}

std::vector<DeviceNotification> VirtualProject::readAnswered (std::uint8_t dataType, std::uint16_t)
{
    std::lock_guard<std::mutex> sl (lock);
    if (dataType == totalRecallSessionId && acceptAfterIdRead)
    {
        acceptAfterIdRead = false;
        recallState = newSessionAccepted;
        return { { totalRecallState, 0, 0, recallState } };
    }
    if (dataType == totalRecallImage && recallState == syncDeviceToHost)
    {
        recallState = sessionActive;
        return { { totalRecallState, 0, 0, recallState } };
    }
    return {};
}

void VirtualProject::setImageReadsAnswered (bool answered)
{
    std::lock_guard<std::mutex> sl (lock);
    imageReadsAnswered = answered;
}

bool VirtualProject::answersRead (std::uint8_t dataType) const
{
    std::lock_guard<std::mutex> sl (lock);
    return dataType != totalRecallImage || imageReadsAnswered;
}

void VirtualProject::setImage (const Bytes& newImage)
{
    std::lock_guard<std::mutex> sl (lock);
    image = newImage;
}

std::vector<DeviceNotification> VirtualProject::setTrackLevel (int track, int value)
{
    if (track < 0 || track > numTracks)
        return {};
    std::lock_guard<std::mutex> sl (lock);
    value = std::clamp (value, 0, 32512);
    kitRecord.trackLevel[static_cast<std::size_t> (track)] = static_cast<std::int16_t> (value);
    return { { kitParameter, static_cast<std::uint16_t> (track), params::objectTrackLevel, static_cast<std::uint16_t> (value) } };
}

std::vector<DeviceNotification> VirtualProject::setMute (int track, bool muted)
{
    if (track < 0 || track >= numTracks)
        return {};
    std::lock_guard<std::mutex> sl (lock);
    auto mask = records::wordAt (settingsRecord, records::settingsAt::muteMask);
    mask = static_cast<std::uint16_t> (muted ? mask | (1u << track) : mask & ~(1u << track));
    records::putWord (settingsRecord, records::settingsAt::muteMask, mask);
    return { { settingsParameter, static_cast<std::uint16_t> (track), params::objectMute,
               static_cast<std::uint16_t> (muted ? 256 : 0) } };
}

std::vector<DeviceNotification> VirtualProject::setFxParameter (int objectId, int value)
{
    const auto slot = params::fxSlotOfObject (objectId);
    const auto w = slot ? params::fxWordOfSlot (*slot) : std::nullopt;
    if (! w)
    {
        log (LogLevel::warn, "project: object " + std::to_string (objectId) + " is no parameter of the effects");
        return {};
    }
    std::lock_guard<std::mutex> sl (lock);
    auto& word = kitRecord.fxWords[static_cast<std::size_t> (*w)];
    word = static_cast<std::int16_t> (clampTo (params::fxSlotRange (*slot), value));
    return { { fxParameter, numTracks, static_cast<std::uint16_t> (objectId), static_cast<std::uint16_t> (word) } };
}

std::optional<int> VirtualProject::getFxParameter (int objectId) const
{
    const auto slot = params::fxSlotOfObject (objectId);
    const auto w = slot ? params::fxWordOfSlot (*slot) : std::nullopt;
    if (! w)
        return std::nullopt;
    std::lock_guard<std::mutex> sl (lock);
    return kitRecord.fxWords[static_cast<std::size_t> (*w)];
}

std::vector<DeviceNotification> VirtualProject::setGlobalModeMask (int mask)
{
    if (mask < 0 || mask > 0xFF)
        return {};
    std::lock_guard<std::mutex> sl (lock);
    records::putWord (settingsRecord, records::settingsAt::globalLevels, static_cast<std::uint16_t> (mask));
    return { { settingsParameter, 0, params::objectGlobalMode, static_cast<std::uint16_t> (mask) } };
}

int VirtualProject::getGlobalModeMask() const
{
    std::lock_guard<std::mutex> sl (lock);
    return records::wordAt (settingsRecord, records::settingsAt::globalLevels);
}

std::vector<DeviceNotification> VirtualProject::setPatternMute (int track, bool muted)
{
    if (track < 0 || track >= numTracks)
        return {};
    std::lock_guard<std::mutex> sl (lock);
    patternMask = static_cast<std::uint16_t> (muted ? patternMask | (1u << track) : patternMask & ~(1u << track));
    return { { patternMute, static_cast<std::uint16_t> (track), params::objectPatternMute,
               static_cast<std::uint16_t> (muted ? 256 : 0) } };
}

std::vector<DeviceNotification> VirtualProject::setSoundParameter (int track, int objectId, int value)
{
    if (track < 0 || track >= numTracks)
        return {};
    std::lock_guard<std::mutex> sl (lock);
    if (! storeSoundWord (track, objectId, value))
    {
        log (LogLevel::warn, "project: object " + std::to_string (objectId) + " is no parameter of track " + std::to_string (track + 1));
        return {};
    }
    const auto& s = kitRecord.sounds[static_cast<std::size_t> (track)];
    const auto slot = params::soundSlotOfObject (objectId, s.setup.machineType);
    const auto stored = s.words[static_cast<std::size_t> (*params::soundWordOfSlot (*slot))];
    return { { soundParameter, static_cast<std::uint16_t> (track), static_cast<std::uint16_t> (objectId),
               static_cast<std::uint16_t> (stored) } };
}

std::vector<DeviceNotification> VirtualProject::renameSound (int track, const std::string& name)
{
    if (track < 0 || track >= numTracks)
        return {};
    std::lock_guard<std::mutex> sl (lock);
    kitRecord.sounds[static_cast<std::size_t> (track)].setup.name = name.substr (0, 16);
    return { { soundSetup, static_cast<std::uint16_t> (track), 0, 0 } };
}

std::vector<DeviceNotification> VirtualProject::setModulationDestination (int track, int source, int slot, int destination)
{
    if (track < 0 || track >= numTracks || source < 0 || source >= 5 || slot < 0 || slot >= 4 || destination < 0 || destination > 255)
    {
        log (LogLevel::warn, "project: modulation destination " + std::to_string (destination) + " of source "
                                 + std::to_string (source) + " slot " + std::to_string (slot) + " refused");
        return {};
    }
    std::lock_guard<std::mutex> sl (lock);
    auto& entry = kitRecord.sounds[static_cast<std::size_t> (track)].setup.modulation[source][slot];
    entry.destination = static_cast<std::uint8_t> (destination);
    return { { soundSetup, static_cast<std::uint16_t> (track), 0, 0 } };
}

std::vector<DeviceNotification> VirtualProject::setMachineType (int track, int machineType)
{
    if (track < 0 || track >= numTracks)
        return {};
    std::lock_guard<std::mutex> sl (lock);
    if (! params::machineAllowedOnTrack (machineType, track))
    {
        log (LogLevel::warn, "project: machine type " + std::to_string (machineType) + " cannot run on track " + std::to_string (track + 1));
        return {};
    }
    auto out = changeMachineType (track, machineType);
    out.push_back ({ soundSetup, static_cast<std::uint16_t> (track), 0, 0 });
    return out;
}

std::vector<DeviceNotification> VirtualProject::renameKit (const std::string& name)
{
    std::lock_guard<std::mutex> sl (lock);
    kitRecord.name = name.substr (0, 16);
    return { { kit, 0, 0, 0 } };
}

records::Kit VirtualProject::getKit() const
{
    std::lock_guard<std::mutex> sl (lock);
    return kitRecord;
}

records::Sound VirtualProject::getSound (int track) const
{
    std::lock_guard<std::mutex> sl (lock);
    return kitRecord.sounds[static_cast<std::size_t> (std::clamp (track, 0, numTracks - 1))];
}

Bytes VirtualProject::getSettings() const
{
    std::lock_guard<std::mutex> sl (lock);
    return settingsRecord;
}

int VirtualProject::getTrackLevel (int track) const
{
    std::lock_guard<std::mutex> sl (lock);
    return kitRecord.trackLevel[static_cast<std::size_t> (std::clamp (track, 0, numTracks))];
}

bool VirtualProject::isMuted (int track) const
{
    std::lock_guard<std::mutex> sl (lock);
    return (records::wordAt (settingsRecord, records::settingsAt::muteMask) >> track) & 1;
}

std::uint16_t VirtualProject::getPatternMuteMask() const
{
    std::lock_guard<std::mutex> sl (lock);
    return patternMask;
}

std::optional<records::Sound> VirtualProject::getPoolSound (int position) const
{
    std::lock_guard<std::mutex> sl (lock);
    return position >= 0 && position < poolSize ? pool[static_cast<std::size_t> (position)] : std::nullopt;
}

std::optional<records::Sound> VirtualProject::getLibrarySound (int slot) const
{
    std::lock_guard<std::mutex> sl (lock);
    return slot >= 0 && slot < librarySize ? library[static_cast<std::size_t> (slot)] : std::nullopt;
}

std::uint32_t VirtualProject::getSessionId() const
{
    std::lock_guard<std::mutex> sl (lock);
    return sessionId;
}

std::uint8_t VirtualProject::getTotalRecallState() const
{
    std::lock_guard<std::mutex> sl (lock);
    return recallState;
}

Bytes VirtualProject::getImage() const
{
    std::lock_guard<std::mutex> sl (lock);
    return image;
}

std::optional<int> VirtualProject::getSoundParameter (int track, int objectId) const
{
    std::lock_guard<std::mutex> sl (lock);
    if (track < 0 || track >= numTracks)
        return std::nullopt;
    const auto& s = kitRecord.sounds[static_cast<std::size_t> (track)];
    const auto slot = params::soundSlotOfObject (objectId, s.setup.machineType);
    const auto w = slot ? params::soundWordOfSlot (*slot) : std::nullopt;
    if (! w)
        return std::nullopt;
    return s.words[static_cast<std::size_t> (*w)];
}
} // namespace fhemu
