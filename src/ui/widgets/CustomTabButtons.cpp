#include "ui/widgets/CustomTabButtons.h"

void CustomTabButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
        methods->drawCustomTabButton (g, *this, isHighlighted, isDown);
}

void CustomSectionTabButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
        methods->drawCustomSectionTabButton (g, *this, isHighlighted, isDown);
}
