// The library area of the sound browser against the emulator's library: which
// rows each combination of bank, tag and voice filters lists, what the rows
// show, and the filter bar.
#include "SoundBrowserTestSupport.h"

#include "../UiTestSupport.h"

#include "model/tables/MachineTables.h"

using browsertest::SoundBrowserTest;
using namespace std::chrono_literals;

namespace
{
struct FilterCase
{
    const char* name;
    int bank;
    std::vector<int> tags;
    int voice;   // -1: none
    int rows;
};

// Bank A holds 40 sounds in slots 0..39 with slots 6, 13 and 21 empty, and in
// 40..42 a sound that runs on no track (tags Clap, Favourite), one tagged
// Synth, Loop, Mine and Favourite, and a protected bass drum (Kick, Epic, Fail).
const FilterCase filterCases[] = {
    { "BankANothing", 0, {}, -1, 256 },
    { "BankAKick", 0, { 0 }, -1, 8 },
    { "BankAFavourite", 0, { 31 }, -1, 2 },
    { "BankASynthAndBass", 0, { 9, 10 }, -1, 5 },
    { "BankATrk1", 0, {}, 0, 22 },
    { "BankATrk9", 0, {}, 8, 11 },
    { "BankATrk12", 0, {}, 11, 6 },
    { "BankAKickTrk1", 0, { 0 }, 0, 4 },
    { "BankAFavouriteTrk1", 0, { 31 }, 0, 1 },
    { "BankBMine", 1, { 30 }, -1, 1 },
    { "BankGNothing", 6, {}, -1, 256 },
    { "BankGKick", 6, { 0 }, -1, 0 },
    { "BankGTrk1", 6, {}, 0, 0 },
};

class SoundExplorerFilters : public SoundBrowserTest, public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P (SoundExplorerFilters, ListOnlyMatchingSlotsInSlotOrder)
{
    const auto& c = GetParam();
    if (c.bank != 0)
        click (*panel().bankButtons.buttons[c.bank]);
    for (int t : c.tags)
        click (*panel().tagButtons.buttons[(size_t) t]);
    if (c.voice >= 0)
        click (*panel().voiceButtons.buttons[(size_t) c.voice]);

    const auto& rows = table().getRows();
    ASSERT_EQ ((int) rows.size(), c.rows);
    std::uint32_t mask = 0;
    for (int t : c.tags)
        mask |= 1u << t;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        const auto& r = rows[i];
        EXPECT_EQ (r.index, (int) i);
        EXPECT_EQ (r.bank, c.bank);
        EXPECT_EQ (r.tags & mask, mask);
        if (i > 0)
        {
            EXPECT_GT (r.slot, rows[i - 1].slot);
        }
        if (mask != 0 || c.voice >= 0)
        {
            EXPECT_TRUE (r.used) << "empty slot " << r.slot << " listed under a filter";
        }
        if (c.voice >= 0)
        {
            EXPECT_TRUE (machineAllowedOnTrack (r.machineType, c.voice)) << r.slot;
        }
    }
}

INSTANTIATE_TEST_SUITE_P (Combinations, SoundExplorerFilters, ::testing::ValuesIn (filterCases),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST_F (SoundBrowserTest, StartsOnBankAWithNoTagsOrVoice)
{
    EXPECT_EQ (table().bankFilter, 0);
    EXPECT_EQ (table().tagMask, 0u);
    EXPECT_EQ (table().trackFilter, -1);
    EXPECT_TRUE (panel().bankButtons.buttons[0]->getToggleState());
    for (auto& b : panel().tagButtons.buttons)
        EXPECT_FALSE (b->getToggleState());
    for (auto& b : panel().voiceButtons.buttons)
        EXPECT_FALSE (b->getToggleState());
}

TEST_F (SoundBrowserTest, RowsShowBankPositionNameTagsAndProtection)
{
    auto& t = table();
    EXPECT_EQ (t.getCellText (0, SoundExplorerTable::bankColumn), "A001");
    EXPECT_EQ (t.getCellText (255, SoundExplorerTable::bankColumn), "A256");
    EXPECT_EQ (t.getCellText (0, SoundExplorerTable::nameColumn), "BOOM KICK");
    EXPECT_EQ (t.getCellText (1, SoundExplorerTable::tagsColumn), "Kick, Vintage");
    EXPECT_EQ (t.getCellText (41, SoundExplorerTable::tagsColumn), "Synth, Loop, Mine, Favourite");
    EXPECT_EQ (t.getCellText (6, SoundExplorerTable::nameColumn), "");
    EXPECT_EQ (t.getCellText (256, SoundExplorerTable::bankColumn), "");

    const auto& rows = t.getRows();
    EXPECT_FALSE (rows[6].used);
    EXPECT_EQ (rows[6].machineType, 255);
    EXPECT_EQ (rows[40].machineType, 21);
    for (int r : { 0, 1, 2, 3, 42 })
        EXPECT_TRUE (rows[(size_t) r].writeProtected) << r;
    for (int r : { 4, 6, 41 })
        EXPECT_FALSE (rows[(size_t) r].writeProtected) << r;

    // The lock is drawn for protected rows only.
    const auto inkIn = [&t] (int row) {
        juce::Image image (juce::Image::ARGB, 50, 20, true);
        juce::Graphics g (image);
        t.paintCell (g, row, SoundExplorerTable::protectColumn, 50, 20, false);
        int ink = 0;
        for (int x = 0; x < 48; ++x)
            for (int y = 0; y < 20; ++y)
                ink += image.getPixelAt (x, y).getAlpha() > 0x80 ? 1 : 0;
        return ink;
    };
    EXPECT_GT (inkIn (0), 20);
    EXPECT_EQ (inkIn (4), 0);

    click (*panel().bankButtons.buttons[7]);
    EXPECT_EQ (t.getCellText (255, SoundExplorerTable::bankColumn), "H256");
}

TEST_F (SoundBrowserTest, ClearFiltersKeepsTheBank)
{
    click (*panel().bankButtons.buttons[1]);
    click (*panel().tagButtons.buttons[30]);
    click (*panel().voiceButtons.buttons[0]);
    EXPECT_EQ (panel().activeTagsLabel.getText(), "Mine");
    ASSERT_EQ (table().getNumRows(), 1);

    click (panel().clearButton);
    EXPECT_EQ (table().getNumRows(), 256);
    EXPECT_EQ (table().bankFilter, 1);
    EXPECT_EQ (table().tagMask, 0u);
    EXPECT_EQ (table().trackFilter, -1);
    EXPECT_EQ (panel().activeTagsLabel.getText(), "");
    EXPECT_FALSE (panel().tagButtons.buttons[30]->getToggleState());
    EXPECT_FALSE (panel().voiceButtons.buttons[0]->getToggleState());
}

TEST_F (SoundBrowserTest, ClickingTheSelectedVoiceAgainListsAllVoices)
{
    click (*panel().voiceButtons.buttons[8]);
    EXPECT_EQ (table().getNumRows(), 11);
    click (*panel().voiceButtons.buttons[8]);
    EXPECT_EQ (table().getNumRows(), 256);
}

TEST_F (SoundBrowserTest, HiddenFiltersStayInForce)
{
    click (*panel().tagButtons.buttons[31]);
    click (panel().hideButton);

    EXPECT_TRUE (panel().filtersHidden());
    EXPECT_TRUE (panel().bankButtons.getBounds().isEmpty());
    EXPECT_TRUE (panel().tagButtons.getBounds().isEmpty());
    EXPECT_TRUE (panel().voiceButtons.getBounds().isEmpty());
    EXPECT_FALSE (panel().activeFiltersLabel.getBounds().isEmpty());
    EXPECT_EQ (panel().activeTagsLabel.getText(), "Favourite");
    EXPECT_EQ (panel().table.getY(), 28 + 8);
    EXPECT_EQ (table().getNumRows(), 2);

    click (panel().hideButton);
    EXPECT_FALSE (panel().filtersHidden());
    EXPECT_TRUE (panel().activeFiltersLabel.getBounds().isEmpty());
    EXPECT_EQ (panel().table.getY(), 28 + 28 + 92 + 28 + 8);
}

TEST_F (SoundBrowserTest, SectionLayoutFollowsTheWidth)
{
    EXPECT_EQ (browser->trackPanel.getBounds(), juce::Rectangle<int> (3, 26, 480, 174));
    EXPECT_EQ (browser->poolPanel.getBounds(), juce::Rectangle<int> (3, 236, 480, 298));
    EXPECT_EQ (browser->libraryPanel.getBounds(), juce::Rectangle<int> (499, 26, 698, 508));
    EXPECT_EQ (browser->libraryCaption.getBounds(), juce::Rectangle<int> (503, 2, 694, 24));

    browser->setBounds (0, 0, 4, 100);   // narrower than the margins: nothing negative
    for (auto* c : browser->getChildren())
        EXPECT_GE (c->getWidth(), 0);
}
} // namespace
