#pragma once

#include "foundation/Notification.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class FooterBar;

// One notification's small severity button in the footer ("Error",
// "Question", "Warning", "Info"). A click selects it (radio group 1) and shows
// its notification in the footer. Message thread.
class ShowNotificationButton : public juce::Button
{
public:
    ShowNotificationButton (std::shared_ptr<Notification> notification, FooterBar& footer);

    void paintButton (juce::Graphics& g, bool isMouseOver, bool isDown) override;
    void clicked() override;

    // The word drawn for a severity; empty for an unknown one.
    static juce::String severityWord (int severity);
    // The colour of a severity: errors red, questions white, the rest grey.
    static juce::Colour severityColour (int severity);

    const std::shared_ptr<Notification> notification;

private:
    FooterBar& footer;
    const juce::Colour colour;
};
