#pragma once

#include "ui/panels/engine/GlobalModeCaptions.h"
#include "ui/panels/engine/ParameterPanel.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/knobs/ListKnob.h"

// The content of the effects block's "DRIVE" section: one "Overdrive" knob
// over the 128 overdrive steps (shown as "0.00" .. "11.0") under the caption
// "Drive", which follows the section's global-mode bit. It draws nothing of
// its own: the section behind it paints. Message thread only.
class MasterOverdrivePanel : public ParameterPanel
{
public:
    static constexpr int globalModeBit = 2;

    explicit MasterOverdrivePanel (PanelContextIfc& context);
    ~MasterOverdrivePanel() override;

    ListKnob& getKnob() { return knob; }
    SmallLabel& getCaption() { return caption; }
    const GlobalModeCaptions& getGlobalMode() const { return globalMode; }

    void paint (juce::Graphics&) override {}
    void resized() override;

private:
    SmallLabel caption { "Drive" };
    ListKnob knob;
    GlobalModeCaptions globalMode;
};
