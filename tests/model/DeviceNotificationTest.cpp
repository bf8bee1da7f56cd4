#include "model/DeviceNotification.h"

#include <gtest/gtest.h>

using Vantu::classifyNotification;
using Kind = Vantu::DeviceNotificationAction::Kind;

TEST (DeviceNotificationTest, EachDataTypeAsksForItsAction)
{
    struct Case
    {
        int type;
        FhAsyncParamData record;
        Kind kind;
        int track, bank, value;
    };
    const Case cases[] {
        { 4, { 5, 0, 0 }, Kind::updateSound, 5, 0, 0 },
        { 6, { 11, 0, 0 }, Kind::updateSoundSetup, 11, 0, 0 },
        { 7, { 0, 0, 0 }, Kind::none, 0, 0, 0 },
        { 9, { 0, 0, 0 }, Kind::none, 0, 0, 0 },
        { 10, { 0, 0, 0 }, Kind::unhandled, 0, 0, 0 },
        { 13, { 0, 0, 0 }, Kind::updateKit, 0, 0, 0 },
        { 24, { 0, 0, 0 }, Kind::updateSettings, 0, 0, 0 },
        { 31, { 0, 0, 0 }, Kind::updateSoundPool, 0, 0, 0 },
        { 33, { 0, 0, 0x0100 }, Kind::updateSoundLibrary, 0, 1, 0x0100 },
        { 33, { 0, 0, 0x07FF }, Kind::updateSoundLibrary, 0, 7, 0x07FF },
        { 33, { 0, 0, 0x0FFF }, Kind::updateSoundLibrary, 0, 15, 0x0FFF },
        { 33, { 0, 0, 0x1000 }, Kind::updateSoundLibrary, 0, 15, 0x1000 },
        { 34, { 0, 0, 0x0103 }, Kind::setTotalRecallState, 0, 0, 3 },
        { 35, { 0, 0, 0 }, Kind::updateTotalRecallSessionId, 0, 0, 0 },
        { 36, { 11, 0, 256 }, Kind::setPatternMute, 11, 0, 256 },
        { 36, { 12, 0, 256 }, Kind::none, 12, 0, 256 },
        { 37, { 0, 0, 0 }, Kind::updatePatternSettings, 0, 0, 0 },
        { 5, { 11, 17, 99 }, Kind::soundParameter, 11, 0, 99 },
        // Tracks the kit does not have: ignored, never clamped onto T12.
        { 5, { 200, 17, 99 }, Kind::outsideKit, 200, 0, 99 },
        { 4, { 12, 0, 0 }, Kind::outsideKit, 12, 0, 0 },
        { 6, { 500, 0, 0 }, Kind::outsideKit, 500, 0, 0 },
        { 14, { 12, 40, 1 }, Kind::kitParameter, 12, 0, 1 },
        { 14, { 13, 40, 1 }, Kind::outsideKit, 13, 0, 1 },
        { 25, { 0xFFFF, 600, 2 }, Kind::outsideKit, 0xFFFF, 0, 2 },
        { 8, { 12, 300, 5 }, Kind::fxParameter, 12, 0, 5 },
        { 14, { 3, 40, 1 }, Kind::kitParameter, 3, 0, 1 },
        { 25, { 0, 600, 2 }, Kind::settingsParameter, 0, 0, 2 },
        { 200, { 0, 0, 0 }, Kind::unhandled, 0, 0, 0 },
    };
    for (const auto& c : cases)
    {
        const auto a = classifyNotification ((std::uint8_t) c.type, true, c.record);
        SCOPED_TRACE (testing::Message() << "type " << c.type << " value " << c.record.value);
        EXPECT_EQ (a.kind, c.kind);
        if (a.kind == Kind::none || a.kind == Kind::unhandled)
            continue;
        EXPECT_EQ (a.track, c.track);
        EXPECT_EQ (a.bank, c.bank);
        EXPECT_EQ (a.value, c.value);
        EXPECT_EQ (a.objectId, c.record.objectId);
    }
}

TEST (DeviceNotificationTest, WithoutARecordNothingHappensWhateverTheType)
{
    for (int type : { 4, 13, 33, 34, 36, 10 })
        EXPECT_EQ (classifyNotification ((std::uint8_t) type, false, {}).kind, Kind::none) << type;
}
