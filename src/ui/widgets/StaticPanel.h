#pragma once

#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace Corvanel
{
// A titled frame: a heading strip above one content panel. The look and feel
// draws the frame through StaticPanel::LookAndFeelMethods.
class StaticPanel : public juce::Component
{
public:
    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawStaticPanel (juce::Graphics& g, StaticPanel& panel, bool isMouseOver) = 0;
    };

    StaticPanel();
    ~StaticPanel() override;

    // Sets the heading's text (no notification) and the component's name.
    void setHeading (juce::String text);

    // Deletes the current content and takes ownership of the new one (may be
    // null), adding it as a visible child. The next resized() lays it out.
    void setContent (corvanel::Panel* newContent);

    PanelHeadingLabel* getHeading() const { return heading.get(); }
    corvanel::Panel* getContent() const { return content.get(); }

    void paint (juce::Graphics& g) override;
    void resized() override;

    int headingHeight = 24;

protected:
    std::unique_ptr<PanelHeadingLabel> heading;
    std::unique_ptr<corvanel::Panel> content;
};
} // namespace Corvanel
