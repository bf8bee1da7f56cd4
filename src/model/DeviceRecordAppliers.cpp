#include "model/DeviceRecordAppliers.h"

#include "model/MachineDataObject.h"
#include "model/Sound.h"
#include "model/storage/StorageIndexTables.h"

#include <string>

namespace Vantu
{
namespace
{
int signedByte (std::uint8_t byte) { return static_cast<std::int8_t> (byte); }

void applyName (MachineDataObject& sound, const char (&name)[16])
{
    std::string bytes;
    for (char c : name)
    {
        const auto b = static_cast<std::uint8_t> (c);
        if (b == 0)
            break;
        if (b >= 0x80)
            return;   // not a name the device's character set can hold: keep the current one
        bytes.push_back (c);
    }
    sound.setStringValueFromMachine ("Sound_Name", bytes);
}
} // namespace

juce::Identifier patternMuteIdOfTrack (int track)
{
    return juce::Identifier ("Kit_TrackPatternMute" + juce::String (track + 1));
}

void applySoundSetup (MachineDataObject& sound, const FhAsyncSoundSetupData& setupIn)
{
    const FhAsyncSoundSetupData setup = setupIn;   // packed record: work on an aligned copy of its fields
    applyName (sound, setup.name);

    auto set = [&] (const juce::Identifier& id, int value) { sound.setValueFromMachine (id, value, false); };

    set ("Sound_Tags", static_cast<int> (setup.tags));
    set ("Sound_MachineType", signedByte (setup.machineType));
    set ("Sound_VelocityVolMode", signedByte (setup.velocityVolMode));
    set ("Sound_FilterEnvRestart", ((setup.envResetMask >> 1) & 1) != 0 ? 256 : 0);   // on/off as 256/0

    // Sources in the record's order (velocity, pitch bend, mod wheel, breath, aftertouch), entries A..D.
    for (int source = 0; source < 5; ++source)
    {
        for (int entry = 0; entry < 4; ++entry)
        {
            const FhAsyncSoundSetupModEntry mod = setup.modulation[source][entry];
            set (Sound::modulationDepthId (source, entry), static_cast<std::int16_t> (mod.depth));
            set (Sound::modulationDestinationId (source, entry),
                 indexTables::slotOf (indexTables::sound, mod.destination) * 256);
        }
    }

    set ("Sound_Portamento_Amount", signedByte (setup.portamentoAmount));
    set ("Sound_Portamento_Gating", signedByte (setup.portamentoGating));
    set ("Sound_Portamento_Slope", signedByte (setup.portamentoSlope));
    set ("Sound_Portamento_Style", signedByte (setup.portamentoStyle));
    set ("Sound_Portamento_Type", signedByte (setup.portamentoType));
    set ("Sound_PitchBendDepth", signedByte (setup.pitchbendDepth));
    set ("Sound_Transpose", setup.transpose);
    set ("Sound_PlayMode", signedByte (setup.playMode));
    set ("Sound_MonoNotePriority", signedByte (setup.monoNotePriority));
    set ("Sound_FilterKeyTracking", signedByte (setup.filterKeyTracking));
}

void applyPatternMuteMask (MachineDataObject& kit, std::uint16_t mask)
{
    for (int track = 0; track < 12; ++track)
        kit.setValueFromMachine (patternMuteIdOfTrack (track), ((mask >> track) & 1) != 0 ? 256 : 0, false);
}
} // namespace Vantu
