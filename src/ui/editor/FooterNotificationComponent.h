#pragma once

#include "foundation/Notification.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/Labels.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <memory>

// The footer's view of one notification: its text and, right of the text, an
// answer button for each response it offers, in its order. An answer goes to
// the notification once, and only while it is active; the notification is then
// deactivated. Message thread.
class FooterNotificationComponent : public juce::Component, private juce::Button::Listener
{
public:
    FooterNotificationComponent();
    ~FooterNotificationComponent() override;

    // Shows the notification (empty: nothing). The one already shown is left as it is.
    void setNotification (std::shared_ptr<Notification> notification);
    const std::shared_ptr<Notification>& getNotification() const { return shown; }

    // Re-reads the shown notification's text.
    void refreshText();

    void resized() override;

    // The text shown for a notification: its text function's, or "ERROR" without one.
    static juce::String textOf (const Notification& notification);

    SmallLabel& getMessageLabel() { return messageLabel; }
    ActionButton& getAnswerButton (Notification::Response response) { return *answerButtons.at (response); }

private:
    // juce::Button::Listener (message thread): an answer button.
    void buttonClicked (juce::Button* button) override;

    std::shared_ptr<Notification> shown;
    SmallLabel messageLabel;
    std::map<Notification::Response, std::unique_ptr<ActionButton>> answerButtons;
};
