#pragma once

#include "ui/editor/SoundExplorerPanel.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/MouseWheelValueChangeEnabler.h"
#include "ui/widgets/Panel.h"

class VantuAudioProcessor;

// The "Sound Browser" section: the kit's track rows, the project's sound pool
// and the library side by side under their captions; the drag-and-drop
// container inside which sounds move between the three. Message thread only.
class SoundBrowser : public juce::Component,
                     public juce::DragAndDropContainer,
                     public MouseWheelValueChangeEnabler
{
public:
    explicit SoundBrowser (VantuAudioProcessor& processor);
    ~SoundBrowser() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    // Message thread: the shared "SliderMouseWheel" value changed.
    void setScrollWheelEnabled (bool enabled) override;
    bool isScrollWheelEnabled() const noexcept { return scrollWheelEnabled; }

    SmallLabel trackCaption { "KIT TRACK SOUNDS" };
    SmallLabel poolCaption { "PROJECT SOUND POOL" };
    SmallLabel libraryCaption { "+TRUNX SOUND LIBRARY" };
    SoundExplorerPanel libraryPanel;
    corvanel::Panel poolPanel;     // the pool table's place
    corvanel::Panel trackPanel;    // the track rows' place

private:
    bool scrollWheelEnabled = false;
};
