#pragma once

#include "ui/editor/MainTabComponent.h"
#include "ui/editor/SoundExplorerPanel.h"
#include "ui/editor/SoundSlotsPanel.h"
#include "ui/editor/TrackOverviewPanel.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"

class VantuAudioProcessor;

// The "Sound Browser" section: the kit's track rows, the project's sound pool
// and the library side by side under their captions; the drag-and-drop
// container inside which sounds move between the three. The main content's
// second section; its wheel flag follows "SliderMouseWheel". Message thread only.
class SoundBrowser : public MainTabComponent,
                     public juce::DragAndDropContainer
{
public:
    explicit SoundBrowser (VantuAudioProcessor& processor);
    ~SoundBrowser() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    SmallLabel trackCaption { "KIT TRACK SOUNDS" };
    SmallLabel poolCaption { "PROJECT SOUND POOL" };
    SmallLabel libraryCaption { "+TRUNX SOUND LIBRARY" };
    SoundExplorerPanel libraryPanel;
    SoundSlotsPanel poolPanel;
    TrackOverviewPanel trackPanel;
};
