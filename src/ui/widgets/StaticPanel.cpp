#include "ui/widgets/StaticPanel.h"

namespace Corvanel
{
StaticPanel::StaticPanel()
    : heading (std::make_unique<PanelHeadingLabel> (juce::String()))
{
    setOpaque (true);
    setComponentID ("StaticPanel");
    addAndMakeVisible (*heading);
}

StaticPanel::~StaticPanel() = default;

void StaticPanel::setHeading (juce::String text)
{
    heading->setText (text, juce::dontSendNotification);
    setName (text);
}

void StaticPanel::setContent (corvanel::Panel* newContent)
{
    if (content != nullptr)
        removeChildComponent (content.get());

    content.reset (newContent);

    if (content != nullptr)
        addAndMakeVisible (*content);
}

void StaticPanel::paint (juce::Graphics& g)
{
    if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
        methods->drawStaticPanel (g, *this, isMouseOver (true));
}

void StaticPanel::resized()
{
    const auto h = juce::jmin (getHeight(), headingHeight);
    heading->setBounds (0, 1, getWidth(), juce::jmax (h - 1, 0));

    if (content != nullptr)
        content->setBounds (0, h, getWidth(), getHeight() - h);
}
} // namespace Corvanel
