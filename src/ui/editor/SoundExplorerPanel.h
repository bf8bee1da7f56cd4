#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/editor/SoundExplorerTable.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/selectors/Selectors.h"
#include "ui/widgets/selectors/TagButtons.h"
#include "ui/widgets/selectors/VoiceButtons.h"

class VantuAudioProcessor;

// The sound browser's library area: the library table under its bank, tag and
// voice filters, which a top-bar button hides (the filters stay in force; the
// bar then shows the active tags). Message thread only.
class SoundExplorerPanel : public corvanel::Panel,
                           public SafeChangeListener,
                           public juce::Button::Listener
{
public:
    // "HIDE FILTERS" / "SHOW FILTERS" with an arrow; on means the filters are hidden.
    class HideFilterButton : public juce::Button
    {
    public:
        HideFilterButton();
        void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;
    };

    explicit SoundExplorerPanel (VantuAudioProcessor& processor);
    ~SoundExplorerPanel() override;

    void paint (juce::Graphics& g) override;
    void paintOverChildren (juce::Graphics& g) override;
    void resized() override;
    // SafeChangeListener (message thread): the bank, tag and voice filters.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;
    // Message thread: "HIDE FILTERS" and "Clear filters".
    void buttonClicked (juce::Button* button) override;

    // The table's hooks: load items for the tracks the entry's machine may run
    // on, and the entries whose machine may run on a track (-1: all).
    static void addLoadIntoTrackItems (juce::PopupMenu& menu, const SoundLibraryEntry& entry);
    static void filterEntriesForTrack (int track, std::vector<SoundLibraryEntry>& entries);

    bool filtersHidden() const { return hideButton.getToggleState(); }

    SoundExplorerTable table;
    TagButtons tagButtons;
    BankButtons bankButtons;
    VoiceButtons voiceButtons;
    HideFilterButton hideButton;
    ActionButton clearButton { "Clear filters", {} };
    SmallLabel activeFiltersLabel { "Active Filters" };
    SmallLabel activeTagsLabel;
};
