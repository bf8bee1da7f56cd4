// The encodings between control values and stored device values, per kind of
// control, with the numbers the panels must produce.
#include "ui/panels/engine/ValueMapping.h"

#include <gtest/gtest.h>

namespace
{
struct ToDeviceCase
{
    ControlKind kind;
    double x;
    int expected;
};

TEST (ValueMappingTest, UserValuesAreTruncatedThenEncoded)
{
    const ToDeviceCase cases[] = {
        { ControlKind::unipolar, 0.0, 0 },
        { ControlKind::unipolar, 127.0, 0x7F00 },
        { ControlKind::unipolar, 42.9, 42 * 256 },
        { ControlKind::list, 3.0, 0x300 },
        { ControlKind::bipolar, 0.0, 0x4000 },
        { ControlKind::bipolar, -64.0, 0 },
        { ControlKind::bipolar, 63.0, 0x7F00 },
        { ControlKind::bipolar, 10.0, 0x4A00 },
        { ControlKind::tune, -0.5, 0x4000 },
        { ControlKind::tune, -0.75, 16384 },
        { ControlKind::tune, 1.75, 0x4001 },
        { ControlKind::tune, 12.5, 16396 },
        { ControlKind::tune, 256.7, 0x4100 },
        { ControlKind::tune, -576.0, 0x3DC0 },
        { ControlKind::tune, -6144.0, 0x2800 },
        { ControlKind::tune, 6144.0, 0x5800 },
        { ControlKind::overdrive, 12.7, 3072 },
        { ControlKind::overdrive, 63.99, 16128 },
        { ControlKind::overdrive, 99.99, 25344 },
        { ControlKind::onOff, 1.0, 256 },
        { ControlKind::onOff, 0.0, 0 },
    };

    for (const auto& c : cases)
        EXPECT_EQ (ValueMapping::toDevice (c.kind, c.x), c.expected) << "kind " << static_cast<int> (c.kind) << " x " << c.x;
}

struct ToControlCase
{
    ControlKind kind;
    int v;
    double expected;
};

TEST (ValueMappingTest, DeviceValuesShiftArithmetically)
{
    const ToControlCase cases[] = {
        { ControlKind::unipolar, 0x7F00, 127.0 },
        { ControlKind::unipolar, 255, 0.0 },
        { ControlKind::unipolar, 100 * 256 + 100, 100.0 },
        { ControlKind::list, 0x300, 3.0 },
        { ControlKind::bipolar, 0x4000, 0.0 },
        { ControlKind::bipolar, 0, -64.0 },
        { ControlKind::bipolar, 0x7F00, 63.0 },
        { ControlKind::tune, 0x4000, 0.0 },
        { ControlKind::tune, 10240, -6144.0 },
        { ControlKind::tune, 22528, 6144.0 },
        { ControlKind::tune, 0, -16384.0 },          // the knob clamps it
        { ControlKind::overdrive, 0x2A80, 42.0 },
        // Below zero an arithmetic shift rounds down where a division would not.
        { ControlKind::unipolar, -1, -1.0 },
    };

    for (const auto& c : cases)
        EXPECT_EQ (ValueMapping::toControl (c.kind, c.v), c.expected) << "kind " << static_cast<int> (c.kind) << " v " << c.v;
}

TEST (ValueMappingTest, EachFamilyHasItsOwnSwitchThreshold)
{
    struct Case { int v; bool analogOn; bool digitalOn; };
    const Case cases[] = { { 0, false, false }, { 1, false, true }, { 0x80, false, true }, { 255, false, true },
                           { 256, true, true }, { 0x7F00, true, true } };

    for (const auto& c : cases)
    {
        EXPECT_EQ (ValueMapping::switchIsOn (OnOffThreshold::shiftedNonZero, c.v), c.analogOn) << c.v;
        EXPECT_EQ (ValueMapping::switchIsOn (OnOffThreshold::nonZero, c.v), c.digitalOn) << c.v;
    }
}

TEST (ValueMappingTest, SelectorIndicesAreClampedToTheButtons)
{
    struct Case { int v; int buttons; int index; };
    const Case cases[] = { { 0, 3, 0 }, { 0x100, 3, 1 }, { 0x300, 3, 2 }, { 0x200, 2, 1 }, { -256, 2, 0 }, { 0x500, 0, 0 } };

    for (const auto& c : cases)
        EXPECT_EQ (ValueMapping::selectorIndex (c.v, c.buttons), c.index) << c.v << " of " << c.buttons;

    EXPECT_EQ (ValueMapping::selectorToDevice (2), 0x200);
}
} // namespace
