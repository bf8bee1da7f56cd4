#pragma once

#include "ui/widgets/ActionButton.h"

class VantuAudioProcessor;

// The header's "Total Recall" button (plug-in wrappers only): a click opens the
// total-recall panel (TotalRecallComponent) in a pop-up whose tab lies over
// this button. Message thread.
class TotalRecallButton : public ActionButton
{
public:
    explicit TotalRecallButton (VantuAudioProcessor& processor);

    // Opens the panel: 292 x 266 content units, its pop-up 236 units left of
    // and 4 above the button, 302 x 276 units.
    void clicked() override;

private:
    VantuAudioProcessor& processor;
};
