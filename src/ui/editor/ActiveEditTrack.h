#pragma once

#include "model/Settings.h"
#include "model/tables/ParameterIds.h"

#include <optional>

// The track that a double-click or Return in a sound browser table loads into:
// "Settings_ActiveEditTrack" as stored when it names a track (0..11); empty
// when the settings hold no value or name the effects block (12), which has
// no sound. Message thread (the value is read under the object's lock).
inline std::optional<int> activeTrackToLoadInto (const Vantu::Settings& settings)
{
    int track = -1;
    if (! settings.getValue (Settings_ActiveEditTrack, track) || track < 0 || track > 11)
        return std::nullopt;
    return track;
}
