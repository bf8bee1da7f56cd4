#include "ui/editor/FooterNotificationComponent.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"

#include <cmath>

namespace
{
constexpr Notification::Response allResponses[] = { Notification::Ok,          Notification::Cancel,
                                                    Notification::Yes,         Notification::No,
                                                    Notification::Close,       Notification::Dismiss,
                                                    Notification::PluginState, Notification::DeviceState };
}   // namespace

FooterNotificationComponent::FooterNotificationComponent()
{
    messageLabel.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
    addAndMakeVisible (messageLabel);
    for (const auto response : allResponses)
    {
        auto button = std::make_unique<ActionButton> (Notification::responseCaption (response), juce::String());
        button->setColour (CorvanelColourIds::actionButtonFillOff, juce::Colour (0x00000000));
        button->setColour (CorvanelColourIds::actionButtonFillOn, juce::Colour (0x00000000));
        addChildComponent (*button);
        button->addListener (this);
        answerButtons[response] = std::move (button);
    }
}

FooterNotificationComponent::~FooterNotificationComponent()
{
    for (auto& [response, button] : answerButtons)
        button->removeListener (this);
}

juce::String FooterNotificationComponent::textOf (const Notification& notification)
{
    return notification.textFunction ? notification.textFunction() : juce::String ("ERROR");
}

void FooterNotificationComponent::setNotification (std::shared_ptr<Notification> notification)
{
    if (notification == shown && notification != nullptr)
        return;

    shown = std::move (notification);
    messageLabel.setText ({}, juce::dontSendNotification);
    for (auto& [response, button] : answerButtons)
        button->setVisible (false);
    if (shown == nullptr)
        return;

    messageLabel.setText (textOf (*shown), juce::dontSendNotification);
    for (const auto response : shown->responses)
        if (auto it = answerButtons.find (response); it != answerButtons.end())
            it->second->setVisible (true);
    messageLabel.setColour (CorvanelColourIds::smallLabelText,
                            juce::Colour (shown->severity == Notification::Error ? 0xffdf575d : 0xfff0f0f0));
    resized();
    repaint();
}

void FooterNotificationComponent::refreshText()
{
    if (shown == nullptr)
        return;
    messageLabel.setText (textOf (*shown), juce::dontSendNotification);
    resized();
    repaint();
}

void FooterNotificationComponent::resized()
{
    messageLabel.setBounds (getLocalBounds().removeFromBottom (juce::jmin (getHeight(), 24)));
    const int x0 = static_cast<int> (std::ceil (messageLabel.getFont().getStringWidthFloat (messageLabel.getText())))
        + 10;
    auto area = juce::Rectangle<int> (x0, 6, juce::jmax (0, getWidth() - x0), getHeight() - 12);
    if (shown == nullptr)
        return;

    const auto buttonFont = getLookAndFeel().getTextButtonFont (*answerButtons.begin()->second, area.getHeight());
    int widest = 0;
    for (auto& [response, button] : answerButtons)
        if (button->isVisible())
            widest = juce::jmax (
                widest, static_cast<int> (std::ceil (buttonFont.getStringWidthFloat (button->getButtonText()))));

    for (const auto response : shown->responses)
    {
        auto it = answerButtons.find (response);
        if (it == answerButtons.end())
            continue;
        const auto slot = area.removeFromLeft (juce::jmin (widest + 20, area.getWidth()));
        it->second->setBounds (slot.getX() + 4, 6, juce::jmax (0, slot.getWidth() - 8), area.getHeight());
    }
}

void FooterNotificationComponent::buttonClicked (juce::Button* button)
{
    if (shown == nullptr || ! shown->isActive())
        return;
    for (auto& [response, answer] : answerButtons)
        if (answer.get() == button)
        {
            auto notification = shown;   // the answer may replace the shown one
            notification->setResponse (response);
            notification->deactivate();
            return;
        }
}
