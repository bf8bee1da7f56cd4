#pragma once

#include "ui/widgets/ActionButton.h"

class VantuAudioProcessor;

// The header's "Total Recall" button (plug-in wrappers only). The panel it
// opens comes with the header tools; until then a click opens nothing.
class TotalRecallButton : public ActionButton
{
public:
    explicit TotalRecallButton (VantuAudioProcessor& processor);

private:
    VantuAudioProcessor& processor;
};
