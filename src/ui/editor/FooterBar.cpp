#include "ui/editor/FooterBar.h"

#include "foundation/NotificationManager.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"

#include <algorithm>

namespace
{
const juce::Colour footerColour (0xff2b2b2b);
const juce::Colour lineColour (0xff646464);
constexpr int tooltipIntervalMs = 1000;
}   // namespace

FooterBar::FooterBar (NotificationManager& managerToUse)
    : logo (std::make_unique<CorvanelImageLogoComponent>()), manager (managerToUse)
{
    addAndMakeVisible (*logo);
    addAndMakeVisible (view);
    manager.addChangeListener (this);

    helpLabel.setInterceptsMouseClicks (false, false);
    helpLabel.setColour (CorvanelColourIds::smallLabelBackground, footerColour);
    helpLabel.setColour (CorvanelColourIds::smallLabelText, juce::Colour (0xffc8c8c8));
    helpLabel.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
    addAndMakeVisible (helpLabel);

    versionLabel.setFont (CorvanelFonts::atPoints (CorvanelFonts::text45, 12.0f));
    versionLabel.setJustificationType (juce::Justification::centred);
    versionLabel.setColour (CorvanelColourIds::smallLabelText, lineColour);
    versionLabel.setText ("Version " + juce::String (FH_VERSION_STRING), juce::dontSendNotification);
    addAndMakeVisible (versionLabel);

    startTimer (tooltipIntervalMs);
    rebuildButtons();
}

FooterBar::~FooterBar()
{
    stopTimer();
    manager.removeChangeListener (this);
}

void FooterBar::paint (juce::Graphics& g)
{
    g.fillAll (footerColour);
    g.setColour (lineColour);
    g.fillRect (0, 0, getWidth(), 1);
}

void FooterBar::resized()
{
    const int w = getWidth();
    logo->setBounds (w - 136, 0, 112, 40);
    versionLabel.setBounds (w - 236, 0, 100, 40);
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setBounds (12 + 56 * static_cast<int> (i), 4, 52, 12);
    view.setBounds (12, 0, juce::jmax (0, w - 436), 40);
    helpLabel.setBounds (12, 4, juce::jmax (0, w - 436), 36);
}

void FooterBar::rebuildButtons()
{
    auto active = manager.getActiveNotifications();
    std::stable_sort (active.begin(), active.end(),
                      [] (const auto& a, const auto& b) { return a->severity < b->severity; });

    int selected = -1;
    for (size_t i = 0; i < buttons.size() && selected < 0; ++i)
        if (buttons[i]->getToggleState())
            selected = static_cast<int> (i);
    buttons.clear();

    for (const auto& notification : active)
    {
        buttons.push_back (std::make_unique<ShowNotificationButton> (notification, *this));
        addAndMakeVisible (*buttons.back());
        resized();
    }

    // The help label lies over the view: with buttons it turns transparent now,
    // not only at the next tick.
    timerCallback();
    if (buttons.empty())
    {
        view.setNotification (nullptr);
        return;
    }
    const auto index = selected >= 0 && selected < static_cast<int> (buttons.size()) ? static_cast<size_t> (selected)
                                                                                     : 0;
    buttons[index]->setToggleState (true, juce::dontSendNotification);
    view.setNotification (buttons[index]->notification);
}

void FooterBar::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source != &manager)
        return;
    if (source->lastMessage == NotificationMessages::update.toString())
        view.refreshText();
    else
        rebuildButtons();
}

void FooterBar::timerCallback()
{
    if (buttons.empty())
        if (auto* under = juce::Desktop::getInstance().getMainMouseSource().getComponentUnderMouse())
            if (auto* client = dynamic_cast<juce::TooltipClient*> (under))
                if (const auto tip = client->getTooltip(); tip.isNotEmpty())
                {
                    helpLabel.setText (tip, juce::dontSendNotification);
                    helpLabel.setColour (CorvanelColourIds::smallLabelBackground, footerColour);
                    return;
                }
    helpLabel.setText ({}, juce::dontSendNotification);
    helpLabel.setColour (CorvanelColourIds::smallLabelBackground, juce::Colour (0x00000000));
}
