#pragma once

#include "model/storage/KitStorage.h"
#include "model/storage/ProjectSettingsStorage.h"
#include "model/storage/StorageContainers.h"
#include "model/storage/StorageData.h"

// Readers from the newest storage records into the in-memory records. Every
// field is checked against its range; a bad value takes its default and is
// reported on the console. A reader returns false, writing nothing, when a
// pointer is null or the version is wrong.
namespace Vantu
{
struct Serializer
{
    static bool readKit (kitData_t* dst, const kitStorageContainer_t* src);
    static bool readSound (soundData_t* dst, const soundStorageContainer_t* src);
    static bool readSettings (projectSettingsData_t* dst, const projectSettingsStorage_v2_t* src);
    static bool readFxParams (midiParameterData_t* dst, const kitMidiParams_t* src);
};

// A 16-byte device name made only of the device's name characters, up to
// the first NUL. An empty name is valid.
bool isValidDeviceName (const char* name16);

void makeDefaultSoundData (soundData_t* dst, int machineType);
void makeDefaultFxData (std::int16_t* fxSlots /* kRuntimeSlots */);
void makeDefaultMidiParameters (midiParameterData_t* dst);

// Machine type of the default sound of each track T1..T12.
inline constexpr int kDefaultTrackMachineTypes[12] = { 0, 6, 7, 2, 4, 5, 37, 36, 8, 15, 20, 30 };
} // namespace Vantu
