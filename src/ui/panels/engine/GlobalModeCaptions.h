#pragma once

#include "model/MachineDataListener.h"
#include "processor/PanelContextIfc.h"
#include "ui/widgets/Labels.h"

#include <vector>

// The global-mode look of a panel of the effects block or the effects: it
// watches "Settings_GlobalModeMask" on the project settings and, while the
// panel's bit is set, draws the panel's captions dark on a light strip;
// otherwise light on a transparent background. The mask is a plain bit mask.
// The captions are not owned and must outlive this object. Message thread only.
class GlobalModeCaptions : public MachineDataObject::Listener<int, Vantu::Settings>
{
public:
    static constexpr juce::uint32 onBackground = 0xFFFAFAFA;
    static constexpr juce::uint32 onText = 0xFF1E1E1E;
    static constexpr juce::uint32 offBackground = 0x00000000;
    static constexpr juce::uint32 offText = 0xFFFAFAFA;

    // bit: the panel's bit of the mask (0..7). Reports on the next poll.
    GlobalModeCaptions (PanelContextIfc& context, int bit, std::vector<SmallLabel*> captions);

    // Gives one caption the global-mode look (global) or the normal one.
    static void colourCaption (SmallLabel& caption, bool global);

    bool isGlobal() const { return global; }
    int getBit() const { return bit; }

    // Message thread, from the data-update timer's poll.
    void valueChanged (Vantu::Settings* owner, const juce::Identifier& id, int value) override;

private:
    void paintCaptions();

    const int bit;
    const std::vector<SmallLabel*> captions;
    bool global = false;
};
