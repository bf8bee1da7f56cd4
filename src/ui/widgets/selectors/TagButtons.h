#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/ActionButton.h"

#include <cstdint>
#include <memory>
#include <vector>

// The names of the sound tags set in a 32-bit tag mask, in bit order ("Kick"
// for bit 0 .. "Favourite" for bit 31). Callers join them with ", ".
juce::StringArray tagNamesFromMask (std::uint32_t mask);

// 32 toggle buttons, one per sound tag, editing a tag mask. A click posts an
// empty change message after which tagMask holds every button that is on.
// Message thread only.
class TagButtons : public juce::Component,
                   public SafeChangeBroadcaster,
                   public juce::Button::Listener,
                   public HasHue
{
public:
    static constexpr int numTags = 32;

    TagButtons();
    ~TagButtons() override;

    // Shows a mask: button i on exactly when bit i is set; no change message.
    void setSelectedTags (std::uint32_t mask);

    void paint (juce::Graphics& g) override;
    void resized() override;
    // Message thread: a tag button was clicked.
    void buttonClicked (juce::Button* button) override;
    void setHue (int newHue) override;

    std::vector<std::unique_ptr<ColorfulActionButton>> buttons;
    std::uint32_t tagMask = 0;
    // false: 4 columns x 8 rows; true: 8 columns x 4 rows. Set before the first layout.
    bool wideLayout = false;
};
