#include "model/DeviceNotification.h"

#include <algorithm>

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

    switch (dataType)
    {
        case NotificationType::sound:             a.kind = Kind::updateSound; break;
        case NotificationType::soundSetup:        a.kind = Kind::updateSoundSetup; break;
        case 7: case 9:                           a.kind = Kind::none; break;
        case NotificationType::kit:               a.kind = Kind::updateKit; break;
        case NotificationType::settings:          a.kind = Kind::updateSettings; break;
        case NotificationType::soundPool:         a.kind = Kind::updateSoundPool; break;
        case NotificationType::patternSettings:   a.kind = Kind::updatePatternSettings; break;
        case NotificationType::totalRecallSessionId: a.kind = Kind::updateTotalRecallSessionId; break;
        case NotificationType::fxParameter:       a.kind = Kind::fxParameter; break;
        case NotificationType::kitParameter:      a.kind = Kind::kitParameter; break;
        case NotificationType::settingsParameter: a.kind = Kind::settingsParameter; break;

        case NotificationType::soundParameter:
            a.kind = Kind::soundParameter;
            a.track = std::clamp<int> (record.index, 0, 11);
            break;

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
