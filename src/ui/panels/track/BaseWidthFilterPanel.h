#pragma once

#include "ui/panels/engine/ParameterPanel.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/graphs/FilterGraph.h"
#include "ui/widgets/sliders/TextBoxSlider.h"

// The "1. BASE-WIDTH FILTER" section of T1 to T8: the base and width value
// boxes with their bars and a band-pass drawing whose band can be dragged.
// Value boxes follow device values also while dragged. Message thread only.
class BaseWidthFilterPanel : public ParameterPanel, private juce::Slider::Listener, private SafeChangeListener
{
public:
    // sound: the track's sound, not owned (may be null); trackIndex 0..7.
    BaseWidthFilterPanel (PanelContextIfc& context, MachineDataObject* sound, int trackIndex);
    ~BaseWidthFilterPanel() override;

    // Watches both (reported on the next poll) and sets the boxes' defaults.
    void setParameterIds (const juce::Identifier& base, const juce::Identifier& width);

    TextBoxSlider& getBaseBox() { return baseBox; }
    TextBoxSlider& getWidthBox() { return widthBox; }
    ModulationSlider& getBaseBar() { return baseBar; }
    ModulationSlider& getWidthBar() { return widthBar; }
    BPFilter& getDrawing() { return drawing; }
    SmallLabel& getTitle() { return title; }
    SmallLabel& getBaseCaption() { return baseCaption; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    // Message thread: a value box moved by the user.
    void sliderValueChanged (juce::Slider* slider) override;
    // Message thread: the drawing's band dragged.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    void showBase (int n);
    void showWidth (int n);

    SmallLabel title { juce::translate ("Base-Width Filter") };
    juce::Identifier baseId, widthId;
    SmallLabel baseCaption { juce::translate ("Base") }, widthCaption { juce::translate ("Width") };
    TextBoxSlider baseBox, widthBox;
    ModulationSlider baseBar, widthBar;
    BPFilter drawing;
};
