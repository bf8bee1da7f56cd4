#pragma once

// The device parameter table: one constant row per parameter the device
// knows, the row number being the logical parameter id. On top of it, the
// slot maps (which row a runtime slot of a sound, of the effects track or of
// a MIDI parameter set stands for) and the look-ups from device object ids.
//
// Look-ups report bad input through the program logger,
// and return row 0 ("not found"); they never index outside a table.

#include <array>
#include <cstdint>

struct DeviceParameterTableEntry
{
    std::int32_t group;          // -1 track/global, 0..39 machine type, 40.. pages (see ParameterGroup)
    std::int32_t slot;           // runtime slot 0..68 in its owner's record, -1 none
    std::int32_t minimum;        // on the parameter scale (7-bit value v is v * 256)
    std::int32_t maximum;
    std::int32_t defaultValue;
    std::int32_t fine;           // 1: full 16-bit resolution; 0: multiples of 256
    std::uint32_t controller;    // low 16 bits CC of the MSB, high 16 bits CC of the LSB; 0xFFFF none
    std::int32_t nrpn;           // MSB * 128 + LSB, -1 none
    std::int32_t objectId;       // device object id 0..707, 0 when the device does not address it
    std::uint32_t flags;
    const char* name;
    const char* section;
    const char* shortName;
};

struct ParameterRange
{
    int minimum = 0;
    int maximum = 0;
    int defaultValue = 0;
};

namespace ParameterGroup
{
    inline constexpr int trackAndGlobal = -1;
    inline constexpr int lastMachineType = 39;
    inline constexpr int amp = 40;
    inline constexpr int filter = 42;
    inline constexpr int portamento = 43;
    inline constexpr int reverb = 44;
    inline constexpr int delay = 45;
    inline constexpr int externalInput = 47;
    inline constexpr int fxFilter = 48;
    inline constexpr int fxAmp = 49;
    inline constexpr int notes = 50;
    inline constexpr int midiSource = 51;
    inline constexpr int midiCcValues = 52;
    inline constexpr int midiCcSelects = 53;
    inline constexpr int lfo1 = 54;
    inline constexpr int lfo2 = 55;
    inline constexpr int trig = 56;
    inline constexpr int none = 57;
    inline constexpr int trigModifiers = 58;
}

namespace ParameterTable
{
    inline constexpr int rowCount = 454;
    inline constexpr int slotCount = 69;
    inline constexpr int machineSlotCount = 10;      // slots 17..26
    inline constexpr int firstMachineSlot = 17;
    inline constexpr int objectIdCount = 708;
    inline constexpr int machineTypeCount = 40;
    inline constexpr int effectsTrack = 40;           // index of the effects track in assignableDestinations
    inline constexpr int destinationCount = 33;
    inline constexpr int noneRow = 19;

    inline constexpr std::uint16_t noController = 0xFFFF;

    // CC numbers of a row's controller word; noController when absent.
    constexpr std::uint16_t controllerMsb (const DeviceParameterTableEntry& row) noexcept { return static_cast<std::uint16_t> (row.controller & 0xFFFFu); }
    constexpr std::uint16_t controllerLsb (const DeviceParameterTableEntry& row) noexcept { return static_cast<std::uint16_t> (row.controller >> 16); }

    using SlotMap = std::array<int, slotCount>;

    struct ParameterMaps
    {
        std::array<std::array<int, machineSlotCount>, machineTypeCount> machineSlots {};
        SlotMap soundA {};   // machine types with track mask 0xFF0, and the MIDI machine
        SlotMap soundB {};   // every other machine type
        SlotMap fx {};
        SlotMap midiSet {};
    };
}

// The rows, indexed by logical parameter id.
extern const std::array<DeviceParameterTableEntry, ParameterTable::rowCount> deviceParameterTable;

// Device object id -> row (0 for ids no row carries).
extern const std::array<int, ParameterTable::objectIdCount> objectIdToParameterRow;

// For machine types 0..39 and the effects track (40), the rows of the 33
// assignable destinations of a trig entry, in this order: None, Tune, Decay,
// Overdrive, Amp Attack, Amp Decay, Amp Sustain, Amp Release, Filter Frequency,
// Resonance, Filter Type, Filter Env. Depth, Filter Env. Delay, Filter Attack,
// Filter Decay, Volume, Pan, Delay Send, Reverb Send, then Speed, Multiplier,
// Fade In/Out, Waveform, Start Phase, Trig Mode and Depth of LFO1 and of LFO2.
// A destination the machine (or the effects track) lacks holds the None row.
extern const std::array<std::array<int, ParameterTable::destinationCount>, ParameterTable::machineTypeCount + 1> assignableDestinations;

// Builds the slot maps; meant to be called once, at start-up, before any
// record is read. A later call reports itself and leaves the maps as they are
// (they are built from constant data, so they would come out the same).
void buildParameterMaps();

// True once buildParameterMaps has run.
bool parameterMapsBuilt() noexcept;

// The maps as built (all zero before buildParameterMaps).
const ParameterTable::ParameterMaps& getParameterMaps() noexcept;

// Device object id -> row; an id outside 0..707 is reported and gives 0.
int getLogicalParamIdFromObId (int objectId);

// The row of a sound slot for a machine type; a slot outside 0..68 is
// reported and gives 0; a machine slot of a type outside 0..39 gives 0.
int getSoundSlotParameter (int slot, int machineType);

// The row of an effects-track slot / of a MIDI parameter set slot; a slot
// outside 0..68 is reported and gives 0.
int getFxSlotParameter (int slot);
int getMidiSetSlotParameter (int slot);

// {minimum, maximum, default} of a row; a row outside 0..453 is taken as row 0.
ParameterRange getParameterRange (int row);

// The row itself; a number outside 0..453 gives row 0.
const DeviceParameterTableEntry& getParameterRow (int row);

// The membership tests that decide which slot map a row goes into.
bool isTrackSoundParameterA (int row) noexcept;
bool isTrackSoundParameterB (int row) noexcept;
bool isMidiSetParameter (int row) noexcept;
