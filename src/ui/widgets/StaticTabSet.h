#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/widgets/CustomTabButtons.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/StaticPanel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// A row of tab buttons packed against the right edge, each as wide as its
// text plus 12 pixels. A click on a button other than the selected one
// selects it and posts an empty change message. Message thread only.
class StaticPanelButtons : public juce::Component,
                           public juce::Button::Listener,
                           public SafeChangeBroadcaster
{
public:
    StaticPanelButtons() = default;
    ~StaticPanelButtons() override;

    void addButton (juce::String text);

    void resized() override;
    void buttonClicked (juce::Button* button) override;

    juce::OwnedArray<CustomTabButton> buttons;
    int selectedIndex = 0;
};

namespace Corvanel
{
// A titled frame with a row of small tab buttons on its heading's line, above
// one page out of several. Page changes leave as an empty change message;
// currentIndex tells which page shows. Message thread only.
class StaticTabSet : public StaticPanel, public SafeChangeListener, public SafeChangeBroadcaster
{
public:
    StaticTabSet();
    ~StaticTabSet() override;

    // Adds a tab button named name and its page (ownership taken).
    void addTab (juce::String name, corvanel::Panel* page);

    // Selects the first page (when there is one) and sends the change message.
    void selectFirstTab();

    void paint (juce::Graphics& g) override;
    void resized() override;
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    StaticPanelButtons& getButtons() { return *buttons; }
    const std::vector<std::unique_ptr<corvanel::Panel>>& getPages() const { return pages; }

    int currentIndex = 0;

private:
    std::vector<std::unique_ptr<corvanel::Panel>> pages;
    std::unique_ptr<StaticPanelButtons> buttons;
};
} // namespace Corvanel
