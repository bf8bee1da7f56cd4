#pragma once

#include "model/MachineDataListener.h"
#include "model/Sound.h"
#include "processor/PanelContextIfc.h"

#include <juce_gui_basics/juce_gui_basics.h>

// One track pad of the band ("pad0" .. "pad11"): triggered on mouse-down, it
// shows the track's name ("TRK 1" ...) until the first data-update tick, then
// the display name of the track's machine ("ERROR" for a type outside 0..39),
// with its caption "T1" .. "T12" in the lower left corner. Message thread.
class VantuPadButton : public juce::Button, public MachineDataObject::Listener<int, MachineDataObject>
{
public:
    VantuPadButton (int padIndex, PanelContextIfc& context);

    // Message thread, from the data-update timer's poll: the track's machine type.
    void valueChanged (MachineDataObject* owner, const juce::Identifier& id, int value) override;

    void paintButton (juce::Graphics& g, bool isMouseOver, bool isDown) override;

    const juce::String& getMainText() const { return mainText; }
    void setMainText (const juce::String& text);
    const juce::String& getCaption() const { return caption; }
    int getPadIndex() const { return padIndex; }

private:
    const int padIndex;
    juce::String mainText;
    const juce::String caption;
};
