#include "ui/editor/FxTab.h"

#include "model/tables/ParameterIds.h"
#include "ui/lookandfeel/ColourIds.h"
#include "model/Kit.h"
#include "ui/panels/effects/DelayPanel.h"
#include "ui/panels/effects/MasterInputPanel.h"
#include "ui/panels/effects/MixerPanel.h"
#include "ui/panels/effects/ReverbPanel.h"

namespace
{
constexpr int switchHue = 16;
constexpr int rowHeight = 246;
constexpr int delayWidth = 522;
constexpr int inputWidth = 216;
constexpr int mixerWidth = 979;
constexpr int switchRoom = 97;
constexpr int effectsTrack = Vantu::Kit::numTracks;

struct SectionSpec
{
    const char* heading;
    int bit;
    int hue;
    const char* tooltip;
};

// In construction order (the order of FxTab::Section).
const SectionSpec sectionSpecs[] = {
    { "MIXER", 0, 9, "Switch between Pattern Mix Levels or Global Mix Levels" },
    { "DELAY", 6, 11, "Switch between Pattern Delay Settings or Global Delay Settings" },
    { "REVERB", 7, 14, "Switch between Pattern Reverb Settings or Global Reverb Settings" },
    { "EXT-IN MIXER", 1, 14, "Switch between Pattern External Input Settings or Global External Input Settings" },
};

corvanel::Panel* makeContent (FxTab::Section section, PanelContextIfc& context, SamplePublisher* publisher)
{
    switch (section)
    {
        case FxTab::mixer: return new MixerPanel (context, publisher);
        case FxTab::delay:
        {
            auto* panel = new DelayPanel (context, effectsTrack);
            panel->setParameterIds (FX_DelayTime, FX_DelayFeedback, FX_DelayHpFilter, FX_DelayLpFilter, FX_DelayWidth,
                                    FX_DelayPingPong, FX_DelayReverbSend, FX_DelayVolume, FX_None);
            return panel;
        }
        case FxTab::reverb:
        {
            auto* panel = new ReverbPanel (context, effectsTrack);
            panel->setParameterIds (FX_ReverbPreDelay, FX_ReverbDecayTime, FX_ReverbShelvingFrequency, FX_ReverbShelvingGain,
                                    FX_ReverbLpFilter, FX_ReverbHpFilter, FX_ReverbVolume);
            return panel;
        }
        case FxTab::externalInput:
        {
            auto* panel = new MasterInputPanel (context, effectsTrack);
            panel->setParameterIds();
            return panel;
        }
        case FxTab::sectionCount:
        default: return new corvanel::Panel();
    }
}

juce::Rectangle<int> reduced (juce::Rectangle<int> r)
{
    return { r.getX() + 2, r.getY() + 2, juce::jmax (0, r.getWidth() - 4), juce::jmax (0, r.getHeight() - 4) };
}
} // namespace

int FxTab::maskBit (Section section)
{
    return 1 << sectionSpecs[static_cast<size_t> (section)].bit;
}

FxTab::FxTab (PanelContextIfc& context, SamplePublisher* publisher)
    : maskId (Settings_GlobalModeMask),
      settingsWatch (context, &context.getSettings(), [this] (const juce::Identifier& id, int v) { maskChanged (id, v); })
{
    for (int s = 0; s < sectionCount; ++s)
    {
        const auto& spec = sectionSpecs[s];
        auto& section = sections[static_cast<size_t> (s)];
        addAndMakeVisible (section);
        section.setHeading (juce::translate (spec.heading));
        auto* content = makeContent (static_cast<Section> (s), context, publisher);
        content->setHue (spec.hue);
        section.setContent (content);
    }

    for (int s = 0; s < sectionCount; ++s)
    {
        auto& button = switches[static_cast<size_t> (s)];
        button.setButtonText ("Global Mode");
        addAndMakeVisible (button);
        button.setHue (switchHue);
        button.vertical = false;
        button.addListener (this);
        button.setOpaque (false);
        button.setColour (CorvanelColourIds::onOffBackground, juce::Colour (0x00000000));
        button.setTooltip (juce::translate (sectionSpecs[s].tooltip));
    }

    setOpaque (true);
    settingsWatch.addIdentifiers ({ maskId });
}

FxTab::~FxTab()
{
    for (auto& button : switches)
        button.removeListener (this);
}

void FxTab::buttonClicked (juce::Button* button)
{
    for (int s = 0; s < sectionCount; ++s)
    {
        if (button != &switches[static_cast<size_t> (s)])
            continue;
        const int bit = maskBit (static_cast<Section> (s));
        maskCopy = button->getToggleState() ? (maskCopy | bit) : (maskCopy & ~bit);
        settingsWatch.write (maskId, maskCopy);
    }
}

void FxTab::maskChanged (const juce::Identifier& id, int value)
{
    if (id != maskId)
        return;
    maskCopy = value;
    for (int s = 0; s < sectionCount; ++s)
        switches[static_cast<size_t> (s)].setToggleState ((value & maskBit (static_cast<Section> (s))) != 0,
                                                          juce::dontSendNotification);
}

void FxTab::paint (juce::Graphics& g)
{
    g.fillAll (findColour (CorvanelColourIds::staticPanelBody));
}

void FxTab::resized()
{
    const int width = juce::jmax (0, getWidth() - 4) + 2;
    const int height = juce::jmax (0, getHeight() - 8);
    constexpr int left = 2;
    constexpr int top = 4;

    const int r1 = juce::jmin (height, rowHeight);
    const int delayW = juce::jmin (width, delayWidth);
    const int r2 = juce::jmin (height - r1, rowHeight);
    const int inputW = juce::jmin (width, inputWidth);

    const juce::Rectangle<int> rects[sectionCount] = {
        reduced ({ left + inputW, top + r1, juce::jmin (width - inputWidth, mixerWidth), r2 }),   // mixer
        reduced ({ left, top, delayW, r1 }),                                                     // delay
        reduced ({ left + delayW, top, width - delayW, r1 }),                                     // reverb
        reduced ({ left, top + r1, inputW, r2 }),                                                 // external input
    };

    for (int s = 0; s < sectionCount; ++s)
    {
        const auto r = rects[s];
        sections[static_cast<size_t> (s)].setBounds (r);
        const int b = juce::jmin (r.getWidth(), switchRoom);
        switches[static_cast<size_t> (s)].setBounds (r.getRight() - b, r.getY(), juce::jmax (0, b - 8),
                                                     juce::jmin (r.getHeight(), 24));
    }
}
