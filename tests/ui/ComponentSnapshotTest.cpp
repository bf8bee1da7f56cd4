#include "ui/widgets/ComponentSnapshot.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace
{
// Left half red, right half blue, with a green child in the top-left corner.
struct TwoColourComponent : juce::Component
{
    TwoColourComponent (int width, int height)
    {
        corner.setBounds (0, 0, 10, 10);
        addAndMakeVisible (corner);
        setSize (width, height);
    }

    void paint (juce::Graphics& g) override
    {
        auto area = getLocalBounds();
        g.setColour (juce::Colours::red);
        g.fillRect (area.removeFromLeft (getWidth() / 2));
        g.setColour (juce::Colours::blue);
        g.fillRect (area);
    }

    struct Corner : juce::Component
    {
        void paint (juce::Graphics& g) override { g.fillAll (juce::Colours::lime); }
    } corner;
};

class ComponentSnapshotTest : public fhtest::AppTest
{
protected:
    ComponentSnapshotTest() { documents().createDirectory(); }

    juce::File documents() const { return tempHome.home().getChildFile ("Documents"); }

    static juce::Image load (const juce::File& file) { return juce::ImageFileFormat::loadFrom (file); }
};
} // namespace

TEST_F (ComponentSnapshotTest, SavesScaledPictureInDocumentsWithFreeNames)
{
    TwoColourComponent component (80, 30);

    const auto first = saveComponentSnapshot (component, "Kolvane Fernhollow Plugin", 800.0f);
    const auto second = saveComponentSnapshot (component, "Kolvane Fernhollow Plugin", 800.0f);
    const auto third = saveComponentSnapshot (component, "Kolvane Fernhollow Plugin", 800.0f);

    EXPECT_EQ (first, documents().getChildFile ("Kolvane Fernhollow Plugin.png"));
    EXPECT_EQ (second, documents().getChildFile ("Kolvane Fernhollow Plugin(2).png"));
    EXPECT_EQ (third, documents().getChildFile ("Kolvane Fernhollow Plugin(3).png"));

    const auto image = load (first);
    ASSERT_TRUE (image.isValid());
    EXPECT_EQ (image.getWidth(), 800);
    EXPECT_EQ (image.getHeight(), 300);

    // Ten times the size: the child's 10x10 corner covers 100x100 pixels.
    EXPECT_EQ (image.getPixelAt (50, 50), juce::Colours::lime);
    EXPECT_EQ (image.getPixelAt (150, 150), juce::Colours::red);
    EXPECT_EQ (image.getPixelAt (600, 150), juce::Colours::blue);
}

TEST_F (ComponentSnapshotTest, ImageIsTheSmallestIntegerSizeHoldingTheScaledComponent)
{
    const struct
    {
        int width, height;
        float target;
        int expectedWidth, expectedHeight;
    } cases[] = {
        { 768, 40, 7680.0f, 7680, 400 },  // the editor's shortcut: ten times in both directions
        { 3, 2, 10.0f, 10, 7 },           // 6.67 rounds up
        { 200, 100, 50.0f, 50, 25 },      // smaller than shown
    };

    for (const auto& c : cases)
    {
        TwoColourComponent component (c.width, c.height);
        const auto file = saveComponentSnapshot (component, "size", c.target);
        const auto image = load (file);
        ASSERT_TRUE (image.isValid()) << c.width;
        EXPECT_EQ (image.getWidth(), c.expectedWidth) << c.width;
        EXPECT_EQ (image.getHeight(), c.expectedHeight) << c.width;
        file.deleteFile();
    }
}

TEST_F (ComponentSnapshotTest, NothingIsSavedForAnEmptyComponentABadWidthOrAMissingFolder)
{
    fhtest::ScopedLogCapture log;

    TwoColourComponent empty (0, 30);
    EXPECT_EQ (saveComponentSnapshot (empty, "empty", 800.0f), juce::File());

    TwoColourComponent component (80, 30);
    EXPECT_EQ (saveComponentSnapshot (component, "zero", 0.0f), juce::File());
    EXPECT_EQ (saveComponentSnapshot (component, "nan", std::numeric_limits<float>::quiet_NaN()), juce::File());
    EXPECT_EQ (log.count ("not taken"), 3);
    EXPECT_TRUE (documents().findChildFiles (juce::File::findFiles, false).isEmpty());

    documents().deleteRecursively();
    EXPECT_EQ (saveComponentSnapshot (component, "nowhere", 800.0f), juce::File());
    EXPECT_TRUE (log.contains ("Failed to save snapshot"));
    EXPECT_FALSE (documents().exists());
}

TEST_F (ComponentSnapshotTest, NameWithFolderSeparatorsStaysInDocuments)
{
    TwoColourComponent component (20, 10);
    const auto file = saveComponentSnapshot (component, "../escape/name", 40.0f);
    ASSERT_NE (file, juce::File());
    EXPECT_EQ (file.getParentDirectory(), documents());
    EXPECT_TRUE (file.existsAsFile());
}
