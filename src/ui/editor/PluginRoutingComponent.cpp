#include "ui/editor/PluginRoutingComponent.h"

#include "processor/CommonAudioProcessor.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/editor/HeaderPopup.h"

namespace
{
const juce::Colour bodyColour (0xff303030);
const juce::Colour outlineColour (0xff646464);
const juce::Colour textColour (0xfff0f0f0);
constexpr int hue = 4;
} // namespace

PluginRoutingComponent::PluginRoutingComponent (juce::WeakReference<CommonAudioProcessor> processorToUse,
                                                std::unique_ptr<FontButton> close)
    : processor (std::move (processorToUse)),
      heading (TRANS ("Input Routing")),
      closeButton (std::move (close))
{
    if (auto* p = processor.get())
    {
        state = p->getPluginState();
        pairCount = juce::jmin (p->getBusCount (true), maxPairs);
        if (pairCount > 0)
            addAndMakeVisible (heading);

        for (int pair = 0; pair < pairCount; ++pair)
        {
            auto& caption = captions[static_cast<size_t> (pair)];
            const auto text = juce::String (2 * pair + 1) + "/" + juce::String (2 * pair + 2);
            caption.setText (text, juce::dontSendNotification);
            caption.setJustificationType (juce::Justification::centred);
            caption.setTooltip (TRANS ("Sidechain routing for input pair " + text));
            addAndMakeVisible (caption);
            addAndMakeVisible (combos[static_cast<size_t> (2 * pair)]);
            addAndMakeVisible (combos[static_cast<size_t> (2 * pair + 1)]);
        }

        const auto names = p->getMainChannelNames();
        for (auto& combo : combos)
        {
            combo.addItem (TRANS ("Disabled"), disabledItemId);
            for (int i = 0; i < names.size(); ++i)
                if (names[i].isNotEmpty())
                    combo.addItem (names[i], i + itemIdOffset);
            combo.setTooltip (TRANS ("Select which hardware channel each sidechain input shall be routed through."));
            combo.addListener (this);
        }

        state->addChangeListener (this);
        for (const auto& key : PluginStateIds::audioInputRouting)
            refreshRouting (key);
    }
    // Without a processor too: the window can still be closed.
    if (closeButton != nullptr)
    {
        addAndMakeVisible (*closeButton);
        closeButton->addListener (this);
        closeButton->setColour (CorvanelColourIds::fontButtonBackgroundOff, juce::Colours::transparentBlack);
        closeButton->setOpaque (false);
        closeButton->setTooltip (TRANS ("Click to close sidechain routing window."));
    }
    setHue (hue);
    setSize (250, 636);
}

PluginRoutingComponent::~PluginRoutingComponent()
{
    if (state != nullptr)
        state->removeChangeListener (this);
    for (auto& combo : combos)
        combo.removeListener (this);
    if (closeButton != nullptr)
        closeButton->removeListener (this);
}

void PluginRoutingComponent::refreshRouting (const juce::Identifier& key)
{
    if (processor.get() == nullptr || state == nullptr)
        return;
    for (int k = 0; k < numChannels; ++k)
        if (key == PluginStateIds::audioInputRouting[static_cast<size_t> (k)])
        {
            // A value without an item shows no selection (and stays stored).
            const int value = state->getAudioInputRouting (k);
            combos[static_cast<size_t> (k)].setSelectedId (value + itemIdOffset, juce::sendNotificationAsync);
            return;
        }
}

void PluginRoutingComponent::comboBoxChanged (juce::ComboBox* box)
{
    if (processor.get() == nullptr || state == nullptr || box->getSelectedItemIndex() < 0)
        return;
    for (int k = 0; k < numChannels; ++k)
        if (box == &combos[static_cast<size_t> (k)])
        {
            const int target = box->getSelectedId() - itemIdOffset;
            // What the selector shows after a refresh is what is stored: only a user's choice is written.
            if (target != state->getAudioInputRouting (k))
                state->setAudioInputRouting (k, target);
            return;
        }
}

void PluginRoutingComponent::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (state != nullptr && source == state.get())
        refreshRouting (juce::Identifier (source->lastMessage.isEmpty() ? juce::String ("-") : source->lastMessage));
}

void PluginRoutingComponent::buttonClicked (juce::Button* button)
{
    if (button != closeButton.get())
        return;
    HeaderPopup::closeEnclosing (*this, closeResult);
}

void PluginRoutingComponent::resized()
{
    const int W = getWidth(), H = getHeight();
    if (closeButton != nullptr)
        closeButton->setBounds (W - juce::jmin (W, 28), 0, juce::jmin (W, 28), juce::jmin (H, 28));

    const int c = juce::jmin (juce::jmax (0, H - 4), 28);
    const int w = juce::jmax (0, juce::jmax (0, W - 8) - 40);
    const int h = juce::jmax (0, juce::jmax (0, H - 4) - c - 40);
    const int headingTop = c + 20;
    heading.setBounds (24, headingTop, w, juce::jmin (h, 24));

    int y = headingTop + juce::jmin (h, 24) + juce::jmax (0, juce::jmin (h - 24, 8));
    int remaining = juce::jmax (0, h - juce::jmin (h, 24) - juce::jmax (0, juce::jmin (h - 24, 8)));
    const int cw = juce::jmin (w, 32);
    const int half = (w - cw) / 2;
    for (int pair = 0; pair < maxPairs; ++pair)
    {
        const int rowHeight = juce::jmin (remaining, 26);
        captions[static_cast<size_t> (pair)].setBounds (24, y, cw, 22);
        combos[static_cast<size_t> (2 * pair)].setBounds (24 + cw, y, juce::jmax (0, half - 2), 22);
        combos[static_cast<size_t> (2 * pair + 1)].setBounds (24 + cw + half + 2, y,
                                                              juce::jmax (0, w - cw - half - 2 - 6), 22);
        y += rowHeight;
        remaining -= rowHeight;
    }
}

void PluginRoutingComponent::paint (juce::Graphics& g)
{
    const int W = getWidth(), H = getHeight();
    const int t = juce::jmin (H, 28), r = juce::jmin (W, 28);
    const auto panel = [&g] (juce::Rectangle<int> area) {
        g.setColour (bodyColour);
        g.fillRect (area);
        g.setColour (outlineColour);
        g.drawRect (area, 1);
    };
    panel ({ W - r, 0, r, t + 1 });
    const juce::Rectangle<int> body (0, t, W, H - t);
    panel (body);
    g.setColour (bodyColour);
    g.fillRect (W - r + 1, 1, juce::jmax (0, r - 2), t + 1);

    if (pairCount == 0)
    {
        g.setColour (textColour);
        g.drawText (TRANS ("Sidechain not supported in your DAW."), body, juce::Justification::centred, true);
    }
}
