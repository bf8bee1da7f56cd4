#include "ui/editor/SoundExplorerPanel.h"

#include "model/tables/MachineTables.h"
#include "ui/editor/BrowserRule.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int libraryHue = 9;
constexpr int hideButtonWidth = 116;
const juce::Colour lineColour (0xff24604e);
} // namespace

SoundExplorerPanel::HideFilterButton::HideFilterButton() : juce::Button ("Hide Filters")
{
    setButtonText ("HIDE FILTERS");
    setClickingTogglesState (true);
}

void SoundExplorerPanel::HideFilterButton::paintButton (juce::Graphics& g, bool, bool)
{
    const bool hidden = getToggleState();
    const juce::String text = hidden ? "SHOW FILTERS" : "HIDE FILTERS";
    const auto font = CorvanelFonts::atPoints (CorvanelFonts::text75, 11.0f);
    const int room = juce::jmax (getWidth() - 8, 0);
    const int textWidth = juce::jmin ((int) std::ceil (font.getStringWidthFloat (text)), room);

    g.setColour (juce::Colour (0xfff0f0f0));
    g.setFont (font);
    g.drawText (text, 4, 0, textWidth, juce::jmax (getHeight(), 0), juce::Justification::centredLeft, true);
    g.setFont (getFontAwesome (12.0f));
    g.drawText (juce::String::charToString ((juce::juce_wchar) (hidden ? 0xF106 : 0xF107)), textWidth + 4, 0,
                juce::jmin (room - textWidth, 16), getHeight(), juce::Justification::centred, false);
}

SoundExplorerPanel::SoundExplorerPanel (VantuAudioProcessor& processor) : table (processor)
{
    addAndMakeVisible (tagButtons);
    addAndMakeVisible (bankButtons);
    addAndMakeVisible (table);
    addAndMakeVisible (voiceButtons);

    // Bank A is listed once this message is delivered.
    bankButtons.setSelectedBank (0);
    bankButtons.sendChangeMessage ({});

    tagButtons.setHue (libraryHue);
    bankButtons.setHue (libraryHue);
    voiceButtons.setHue (libraryHue);
    voiceButtons.addChangeListener (this);
    bankButtons.addChangeListener (this);
    tagButtons.addChangeListener (this);
    tagButtons.wideLayout = true;

    for (auto* c : std::initializer_list<juce::Component*> { &hideButton, &clearButton, &activeFiltersLabel, &activeTagsLabel })
        addAndMakeVisible (c);
    hideButton.addListener (this);
    clearButton.addListener (this);
    activeFiltersLabel.setColour (CorvanelColourIds::smallLabelText, juce::Colour (0xff646464));

    auto& scrollBar = table.getVerticalScrollBar();
    scrollBar.setColour (juce::ScrollBar::backgroundColourId, juce::Colour (0x00000000));
    scrollBar.setColour (juce::ScrollBar::thumbColourId, lineColour);
    scrollBar.setColour (juce::ScrollBar::trackColourId, lineColour);

    table.addLoadItems = &SoundExplorerPanel::addLoadIntoTrackItems;
    table.filterEntries = &SoundExplorerPanel::filterEntriesForTrack;
}

SoundExplorerPanel::~SoundExplorerPanel()
{
    voiceButtons.removeChangeListener (this);
    bankButtons.removeChangeListener (this);
    tagButtons.removeChangeListener (this);
}

void SoundExplorerPanel::addLoadIntoTrackItems (juce::PopupMenu& menu, const SoundLibraryEntry& entry)
{
    SoundExplorerTable::addTrackItems (menu, [&entry] (int track) { return machineAllowedOnTrack (entry.machineType, track); });
}

void SoundExplorerPanel::filterEntriesForTrack (int track, std::vector<SoundLibraryEntry>& entries)
{
    if (track < 0)
        return;
    entries.erase (std::remove_if (entries.begin(), entries.end(),
                                   [track] (const SoundLibraryEntry& e) { return ! machineAllowedOnTrack (e.machineType, track); }),
                   entries.end());
}

void SoundExplorerPanel::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == &bankButtons)
    {
        table.bankFilter = juce::jlimit (-1, 7, bankButtons.getSelectedBank());
        table.updateRows();
        table.repaint();
    }
    else if (source == &tagButtons)
    {
        table.tagMask = tagButtons.tagMask;
        table.updateRows();
        table.repaint();
        activeTagsLabel.setText (tagNamesFromMask (tagButtons.tagMask).joinIntoString (", "), juce::dontSendNotification);
    }
    else if (source == &voiceButtons)
    {
        table.trackFilter = voiceButtons.selectedVoice;
        table.updateRows();
    }
}

void SoundExplorerPanel::buttonClicked (juce::Button* button)
{
    if (button == &clearButton)
    {
        tagButtons.setSelectedTags (0);
        table.tagMask = 0;
        table.updateRows();
        table.repaint();
        voiceButtons.clearSelection();
        voiceButtons.sendChangeMessage ({});
        activeTagsLabel.setText ({}, juce::dontSendNotification);
    }
    resized();
    repaint();
}

void SoundExplorerPanel::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    const int top = juce::jmin (h, 28);
    int rest = h - top;
    const int innerWidth = juce::jmax (w - 4, 0);
    const int barHeight = juce::jmax (top - 4, 0);

    // Wide enough for "SHOW FILTERS" and its arrow in the program's bold face.
    const int hideWidth = juce::jmin (innerWidth, hideButtonWidth);
    hideButton.setBounds (2, 2, hideWidth, barHeight);
    const int right = innerWidth - hideWidth;
    const int clearWidth = juce::jmin (right, 100);
    clearButton.setBounds (hideWidth + 2 + right - clearWidth, 2, juce::jmax (clearWidth - 4, 0), barHeight);

    if (filtersHidden())
    {
        const int between = right - clearWidth;
        const int a = juce::jmin (between, 120);
        const int b = juce::jmin (between - a, 80);
        activeFiltersLabel.setBounds (hideWidth + 2 + a, 2, b, barHeight);
        activeTagsLabel.setBounds (hideWidth + 2 + a + b, 2, juce::jmax (between - a - b, 0), barHeight);
        bankButtons.setBounds ({});
        tagButtons.setBounds ({});
        voiceButtons.setBounds ({});
        const int gap = juce::jmin (rest, 8);
        table.setBounds (0, top + gap, w, juce::jmax (rest - gap, 0));
        return;
    }

    activeFiltersLabel.setBounds ({});
    activeTagsLabel.setBounds ({});
    int y = top;
    const auto placeRow = [&] (juce::Component& c, int height) {
        const int row = juce::jmax (juce::jmin (rest, height), 0);
        c.setBounds (2, y + 2, innerWidth, juce::jmax (row - 4, 0));
        y += row;
        rest -= row;
    };
    placeRow (bankButtons, 28);
    placeRow (tagButtons, 92);
    placeRow (voiceButtons, 28);
    const int gap = juce::jmax (juce::jmin (rest, 8), 0);
    y += gap;
    rest -= gap;
    table.setBounds (0, y, w, juce::jmax (rest, 0));
}

void SoundExplorerPanel::paint (juce::Graphics& g)
{
    if (filtersHidden())
        return;
    g.setColour (lineColour);
    drawBrowserRule (g, getWidth(), bankButtons.getY() - 2 - 1);
    drawBrowserRule (g, getWidth(), bankButtons.getBottom() + 2);
    drawBrowserRule (g, getWidth(), voiceButtons.getY() - 2);
    drawBrowserRule (g, getWidth(), voiceButtons.getBottom() + 2);
}

void SoundExplorerPanel::paintOverChildren (juce::Graphics& g)
{
    g.setColour (lineColour);
    drawBrowserRule (g, getWidth(), table.getY() + 24);
}
