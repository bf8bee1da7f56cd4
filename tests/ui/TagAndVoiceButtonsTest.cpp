#include "ChangeCounter.h"
#include "UiTestSupport.h"

#include "ui/widgets/selectors/TagButtons.h"
#include "ui/widgets/selectors/VoiceButtons.h"

namespace
{
using namespace std::chrono_literals;
using uitest::ChangeCounter;
using uitest::LookAndFeelTest;

// A user's click: the framework's click with the toggle it implies, then the
// change messages delivered.
void clickAndDeliver (juce::Button& button)
{
    button.triggerClick();
    fhtest::pumpFor (30ms);
}

struct MaskNames
{
    std::uint32_t mask;
    juce::StringArray names;
};

TEST (TagNamesFromMask, NamesTheSetBitsInBitOrder)
{
    const MaskNames cases[] = {
        { 0u, {} },
        { 1u, { "Kick" } },
        { 5u, { "Kick", "Rimshot" } },
        { 0x80000001u, { "Kick", "Favourite" } },
        { 0xC0000000u, { "Mine", "Favourite" } },
        { 0x00010200u, { "Synth", "Electronic" } },
    };
    for (const auto& c : cases)
        EXPECT_EQ (tagNamesFromMask (c.mask), c.names) << std::hex << c.mask;
    EXPECT_EQ (tagNamesFromMask (0xFFFFFFFFu).size(), 32);
}

class TagButtonsTest : public LookAndFeelTest
{
protected:
    TagButtons tags;
};

TEST_F (TagButtonsTest, SetSelectedTagsShowsTheMaskSilently)
{
    ChangeCounter counter (tags);
    tags.setSelectedTags (5);
    fhtest::pumpFor (30ms);

    for (int i = 0; i < TagButtons::numTags; ++i)
        EXPECT_EQ (tags.buttons[(size_t) i]->getToggleState(), i == 0 || i == 2) << i;
    EXPECT_EQ (tags.tagMask, 5u);
    EXPECT_EQ (counter.count, 0);

    tags.setSelectedTags (0x80000000u);
    EXPECT_TRUE (tags.buttons[31]->getToggleState());
    EXPECT_FALSE (tags.buttons[0]->getToggleState());
}

TEST_F (TagButtonsTest, EveryClickReportsTheWholeMask)
{
    ChangeCounter counter (tags);
    clickAndDeliver (*tags.buttons[1]);   // "Snare"
    EXPECT_EQ (tags.tagMask, 2u);
    EXPECT_EQ (counter.count, 1);

    clickAndDeliver (*tags.buttons[31]);  // "Favourite"
    EXPECT_EQ (tags.tagMask, 0x80000002u);

    clickAndDeliver (*tags.buttons[1]);
    EXPECT_EQ (tags.tagMask, 0x80000000u);
    EXPECT_EQ (counter.count, 3);
    EXPECT_EQ (tags.buttons[31]->getButtonText(), "Favourite");
}

TEST_F (TagButtonsTest, LayoutPlacesTheButtonsRowByRow)
{
    tags.setBounds (0, 0, 400, 160);   // 4 columns x 8 rows: cells 98 x 18
    EXPECT_EQ (tags.buttons[3]->getBounds(), juce::Rectangle<int> (300, 2, 98, 16));
    EXPECT_EQ (tags.buttons[4]->getBounds(), juce::Rectangle<int> (0, 20, 98, 16));
    EXPECT_EQ (tags.buttons[31]->getBounds(), juce::Rectangle<int> (300, 128, 98, 16));

    tags.wideLayout = true;             // 8 columns x 4 rows: cells 48 x 38
    tags.setBounds (0, 0, 400, 160);
    tags.resized();
    EXPECT_EQ (tags.buttons[7]->getBounds(), juce::Rectangle<int> (350, 2, 48, 36));
    EXPECT_EQ (tags.buttons[8]->getBounds(), juce::Rectangle<int> (0, 40, 48, 36));

    // Squeezed to nothing: no negative sizes.
    tags.setBounds (0, 0, 1, 1);
    for (auto& b : tags.buttons)
        EXPECT_GE (b->getWidth(), 0);
}

class VoiceButtonsTest : public LookAndFeelTest
{
protected:
    VoiceButtons voices;
};

TEST_F (VoiceButtonsTest, ClickSelectsAndClickingTheSelectedVoiceClears)
{
    ChangeCounter counter (voices);
    EXPECT_EQ (voices.selectedVoice, -1);
    EXPECT_EQ (voices.buttons[8]->getButtonText(), "TRK 9");

    clickAndDeliver (*voices.buttons[8]);
    EXPECT_EQ (voices.selectedVoice, 8);
    EXPECT_EQ (counter.count, 1);

    clickAndDeliver (*voices.buttons[2]);   // the radio group switches TRK 9 off
    EXPECT_EQ (voices.selectedVoice, 2);
    EXPECT_FALSE (voices.buttons[8]->getToggleState());
    EXPECT_EQ (counter.count, 2);

    clickAndDeliver (*voices.buttons[2]);
    EXPECT_EQ (voices.selectedVoice, -1);
    EXPECT_FALSE (voices.buttons[2]->getToggleState());
    EXPECT_EQ (counter.count, 3);
}

TEST_F (VoiceButtonsTest, TwelveEqualCells)
{
    voices.setBounds (0, 0, 600, 24);
    EXPECT_EQ (voices.buttons[0]->getBounds(), juce::Rectangle<int> (1, 1, 48, 22));
    EXPECT_EQ (voices.buttons[11]->getBounds(), juce::Rectangle<int> (551, 1, 48, 22));
}
} // namespace
