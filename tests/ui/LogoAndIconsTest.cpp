#include "UiTestSupport.h"

#include "resources/icons/IconPaths.h"
#include "resources/pictures/MakerLogo.h"
#include "ui/widgets/LogoPart.h"

namespace
{
using uitest::LookAndFeelTest;

struct LogoCase
{
    int width;
    juce::Rectangle<int> logo, family, device;
};

std::string caseName (const LogoCase& c) { return "Width" + uitest::testNamePart (c.width); }
void PrintTo (const LogoCase& c, std::ostream* os) { *os << caseName (c); }

class LogoLayoutTest : public LookAndFeelTest, public ::testing::WithParamInterface<LogoCase> {};

TEST_P (LogoLayoutTest, LogoAndTextBoxes)
{
    const auto c = GetParam();
    LogoPart part;
    part.setSize (c.width, 40);
    EXPECT_EQ (part.getLogoArea(), c.logo);
    EXPECT_EQ (part.getFamilyWordArea(), c.family);
    EXPECT_EQ (part.getDeviceTextArea(), c.device);
}

INSTANTIATE_TEST_SUITE_P (Widths, LogoLayoutTest, ::testing::Values (
    LogoCase { 30, { 2, 2, 26, 36 }, { 30, 0, 0, 40 }, { 30, 0, 0, 40 } },
    LogoCase { 200, { 2, 2, 34, 36 }, { 38, 0, 80, 40 }, { 118, 0, 82, 40 } },
    LogoCase { 100, { 2, 2, 34, 36 }, { 38, 0, 62, 40 }, { 100, 0, 0, 40 } },
    LogoCase { 2, { 2, 2, 0, 36 }, { 2, 0, 0, 40 }, { 2, 0, 0, 40 } }),
    [] (const auto& info) { return caseName (info.param); });

TEST_F (LookAndFeelTest, LogoPartDrawsTheLogoAndTexts)
{
    LogoPart part;
    part.logo = MakerLogo::createDrawable();
    ASSERT_NE (part.logo, nullptr);
    part.deviceName = "Kolvane";
    part.setSize (200, 40);

    const auto image = uitest::render (part);
    // The logo's wedge covers the centre of its square.
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, 19, 20), 0xFFCB555D));

    auto countTextPixels = [&image] (int x0, int x1) {
        int count = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = x0; x < x1; ++x)
                count += image.getPixelAt (x, y).getAlpha() > 0x80 ? 1 : 0;
        return count;
    };
    EXPECT_GT (countTextPixels (38, 118), 20);
    EXPECT_GT (countTextPixels (118, 200), 20);
}

TEST (IconPaths, RandomWaveformIsTheStoredSteppedLine)
{
    const auto& path = IconPaths::randomWaveform();
    EXPECT_EQ (IconPaths::randomWaveformStoredSize(), 112u);
    EXPECT_TRUE (path.isUsingNonZeroWinding());

    const auto bounds = path.getBounds();
    EXPECT_NEAR (bounds.getX(), 2.094f, 1e-3f);
    EXPECT_NEAR (bounds.getRight(), 14.349f, 1e-3f);
    EXPECT_NEAR (bounds.getY(), 4.038f, 1e-3f);
    EXPECT_NEAR (bounds.getBottom(), 13.185f, 1e-3f);

    int moves = 0, lines = 0, others = 0;
    for (juce::Path::Iterator it (path); it.next();)
    {
        if (it.elementType == juce::Path::Iterator::startNewSubPath)
            ++moves;
        else if (it.elementType == juce::Path::Iterator::lineTo)
            ++lines;
        else
            ++others;
    }
    EXPECT_EQ (moves, 1);
    EXPECT_EQ (lines, 11);
    EXPECT_EQ (others, 0);   // open: no close
}

TEST (IconPaths, ReadingStopsAtTheEndMarker)
{
    auto floatBytes = [] (float value, juce::MemoryOutputStream& out) { out.writeFloat (value); };
    juce::MemoryOutputStream stored;
    stored.writeByte ('m');
    floatBytes (1.0f, stored);
    floatBytes (2.0f, stored);
    stored.writeByte ('l');
    floatBytes (5.0f, stored);
    floatBytes (2.0f, stored);
    stored.writeByte ('e');
    stored.writeByte ('l');   // after the end: ignored
    floatBytes (50.0f, stored);
    floatBytes (50.0f, stored);

    const auto path = IconPaths::pathFromStoredBytes (stored.getData(), stored.getDataSize());
    EXPECT_EQ (path.getBounds(), juce::Rectangle<float> (1.0f, 2.0f, 4.0f, 0.0f));

    EXPECT_TRUE (IconPaths::pathFromStoredBytes (stored.getData(), 0).isEmpty());
}
} // namespace
