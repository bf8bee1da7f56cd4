#include "model/DeviceNotification.h"


namespace Vantu
{
DeviceNotificationAction classifyNotification (std::uint8_t dataType, bool hasRecord, const FhAsyncParamData& record)
{
    using Kind = DeviceNotificationAction::Kind;
    DeviceNotificationAction a;
    if (! hasRecord)
        return a;

    a.track = record.index;
    a.objectId = record.objectId;
    a.value = record.value;

    // Whether the record's index names a track of the kit (lastIndex 11), or the
    // effects track too (12); a notification for anything beyond is data meant for
    // no track here and must not land on the last one.
    const auto within = [&a, &record] (Kind kind, int lastIndex) {
        a.kind = record.index <= lastIndex ? kind : Kind::outsideKit;
    };
    constexpr int lastTrack = 11, effectsTrack = 12;

    switch (dataType)
    {
        case NotificationType::sound:             within (Kind::updateSound, lastTrack); break;
        case NotificationType::soundSetup:        within (Kind::updateSoundSetup, lastTrack); break;
        case 7: case 9:                           a.kind = Kind::none; break;
        case NotificationType::kit:               a.kind = Kind::updateKit; break;
        case NotificationType::settings:          a.kind = Kind::updateSettings; break;
        case NotificationType::soundPool:         a.kind = Kind::updateSoundPool; break;
        case NotificationType::patternSettings:   a.kind = Kind::updatePatternSettings; break;
        case NotificationType::totalRecallSessionId: a.kind = Kind::updateTotalRecallSessionId; break;
        case NotificationType::fxParameter:       a.kind = Kind::fxParameter; break;
        case NotificationType::kitParameter:      within (Kind::kitParameter, effectsTrack); break;
        case NotificationType::settingsParameter: within (Kind::settingsParameter, effectsTrack); break;
        case NotificationType::soundParameter:    within (Kind::soundParameter, lastTrack); break;

        case NotificationType::libraryBank:
            a.kind = Kind::updateSoundLibrary;
            a.bank = record.value > 4095 ? 15 : record.value / 256;
            break;

        case NotificationType::totalRecallState:
            a.kind = Kind::setTotalRecallState;
            a.value = record.value & 0xFF;
            break;

        case NotificationType::patternMute:
            a.kind = record.index < 12 ? Kind::setPatternMute : Kind::none;
            break;

        default:
            a.kind = Kind::unhandled;
            break;
    }
    return a;
}
} // namespace Vantu
