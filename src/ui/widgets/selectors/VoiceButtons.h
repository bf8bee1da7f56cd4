#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/ActionButton.h"

#include <memory>
#include <vector>

// The voice (track) filter: twelve radio buttons "TRK 1" .. "TRK 12". Clicking
// a voice selects it, clicking the selected voice again clears the selection;
// each click posts an empty change message. Message thread only.
class VoiceButtons : public juce::Component,
                     public juce::Button::Listener,
                     public SafeChangeBroadcaster,
                     public HasHue
{
public:
    static constexpr int numVoices = 12;

    VoiceButtons();
    ~VoiceButtons() override;

    void resized() override;
    // Message thread: a voice button was clicked.
    void buttonClicked (juce::Button* button) override;
    void setHue (int newHue) override;

    // Switches every button off without notification and selects no voice (no message).
    void clearSelection();

    // 0..11, or -1 for none.
    int selectedVoice = -1;
    std::vector<std::unique_ptr<ColorfulActionButton>> buttons;
};
