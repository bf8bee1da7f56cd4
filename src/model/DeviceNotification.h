#pragma once

#include "engine/FhAsyncDataHeader.h"

#include <cstdint>

namespace Vantu
{
// What a device notification asks of the device interface. Worker thread.
struct DeviceNotificationAction
{
    enum class Kind
    {
        none,                 // nothing to do (no record, types 7 and 9, a pattern mute of track 12 or more)
        unhandled,            // an unknown data type: logged by the caller
        outsideKit,           // a track the kit does not have (track): logged by the caller and ignored
        updateSound,          // track
        updateSoundSetup,     // track
        updateKit,
        updateSettings,
        updateSoundPool,
        updateSoundLibrary,   // bank
        updatePatternSettings,
        updateTotalRecallSessionId,
        setTotalRecallState,  // value (low 8 bits)
        setPatternMute,       // track, value
        soundParameter,       // track (0..11), objectId, value
        fxParameter,          // objectId, value
        kitParameter,         // track, objectId, value
        settingsParameter     // track, objectId, value
    };

    Kind kind = Kind::none;
    int track = 0;
    int bank = 0;
    int objectId = 0;
    int value = 0;
};

// Data types that the device names in its notifications.
namespace NotificationType
{
    inline constexpr std::uint8_t sound = 4, soundParameter = 5, soundSetup = 6, fxParameter = 8, kit = 13,
                                  kitParameter = 14, settings = 24, settingsParameter = 25, soundPool = 31,
                                  libraryBank = 33, totalRecallState = 34, totalRecallSessionId = 35,
                                  patternMute = 36, patternSettings = 37;
}

// The action for a notification; `hasRecord` false gives none whatever the type.
// A library notification names bank value / 256, or 15 above 4095. A sound, sound
// setup or sound parameter of a track beyond T12, and a kit or settings parameter
// of an index beyond the effects track (12), are outside the kit.
DeviceNotificationAction classifyNotification (std::uint8_t dataType, bool hasRecord, const FhAsyncParamData& record);
} // namespace Vantu
