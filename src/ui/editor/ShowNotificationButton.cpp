#include "ui/editor/ShowNotificationButton.h"

#include "ui/editor/FooterBar.h"

namespace
{
const juce::Colour errorColour (0xffdf575d);
const juce::Colour white (0xfff0f0f0);
const juce::Colour grey (0xff646464);

// Each of red, green and blue moved 2/7 of the way to 255; alpha kept.
juce::Colour lightened (juce::Colour c)
{
    const auto lift = [] (juce::uint8 v) {
        return static_cast<juce::uint8> (255.0f - (255.0f - static_cast<float> (v)) * 0.71428573f);
    };
    return juce::Colour (lift (c.getRed()), lift (c.getGreen()), lift (c.getBlue()), c.getAlpha());
}
}   // namespace

ShowNotificationButton::ShowNotificationButton (std::shared_ptr<Notification> n, FooterBar& footerToUse)
    : juce::Button ("Notification"),
      notification (std::move (n)),
      footer (footerToUse),
      colour (severityColour (notification != nullptr ? notification->severity : -1))
{
    setClickingTogglesState (true);
    setRadioGroupId (1);
}

juce::String ShowNotificationButton::severityWord (int severity)
{
    switch (severity)
    {
        case Notification::Error: return "Error";
        case Notification::Question: return "Question";
        case Notification::Warning: return "Warning";
        case Notification::Info: return "Info";
        default: return {};
    }
}

juce::Colour ShowNotificationButton::severityColour (int severity)
{
    switch (severity)
    {
        case Notification::Error: return errorColour;
        case Notification::Question: return white;
        default: return grey;
    }
}

void ShowNotificationButton::paintButton (juce::Graphics& g, bool isMouseOver, bool)
{
    const bool isError = notification != nullptr && notification->severity == Notification::Error;
    const auto on = getToggleState();
    if (on)
    {
        g.fillAll (isError ? errorColour : white);
    }
    else if (isMouseOver)
    {
        g.fillAll (lightened (colour));
    }
    else
    {
        g.setColour (isError ? errorColour : grey);
        g.drawRect (getLocalBounds(), 1);
    }
    g.setColour (on ? juce::Colour (0xff202020) : white);
    g.setFont (8.0f);
    g.drawText (severityWord (notification != nullptr ? notification->severity : -1), getLocalBounds(),
                juce::Justification::centred, false);
}

void ShowNotificationButton::clicked()
{
    footer.getNotificationView().setNotification (notification);
}
