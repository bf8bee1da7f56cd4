#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/editor/CorvanelImageLogoComponent.h"
#include "ui/editor/FooterNotificationComponent.h"
#include "ui/editor/ShowNotificationButton.h"
#include "ui/widgets/Labels.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

class NotificationManager;

// The strip at the bottom of the editor: a severity button per active
// notification (most severe first) with the selected one's text and answer
// buttons, or, while no notification is active, the tooltip of what the mouse
// is over; the program version and the maker's logo on the right. Message thread.
class FooterBar : public juce::Component, private SafeChangeListener, private juce::Timer
{
public:
    explicit FooterBar (NotificationManager& manager);
    ~FooterBar() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // juce::Timer (message thread, every second): the help text. Public for tests.
    void timerCallback() override;

    // Makes the buttons again from the manager's active notifications; the
    // selection stays on the same index while the list is long enough.
    void rebuildButtons();

    const std::vector<std::unique_ptr<ShowNotificationButton>>& getButtons() const { return buttons; }
    FooterNotificationComponent& getNotificationView() { return view; }
    SmallLabel& getHelpLabel() { return helpLabel; }
    SmallLabel& getVersionLabel() { return versionLabel; }
    CorvanelImageLogoComponent& getLogo() { return *logo; }

private:
    // SafeChangeListener (message thread): the notification manager's messages.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    SmallLabel helpLabel;
    std::vector<std::unique_ptr<ShowNotificationButton>> buttons;
    std::unique_ptr<CorvanelImageLogoComponent> logo;
    NotificationManager& manager;
    FooterNotificationComponent view;
    SmallLabel versionLabel;
};
