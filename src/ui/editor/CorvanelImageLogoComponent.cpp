#include "ui/editor/CorvanelImageLogoComponent.h"

#include "resources/pictures/MakerLogo.h"

CorvanelImageLogoComponent::CorvanelImageLogoComponent()
    : launcher ([] (const juce::URL& page) { page.launchInDefaultBrowser(); }),
      icon (std::make_unique<SvgIcon> (MakerLogo::svg, MakerLogo::svgSize))
{
    icon->placement = juce::RectanglePlacement::centred;
    icon->setInterceptsMouseClicks (false, false);
    addAndMakeVisible (*icon);
}

void CorvanelImageLogoComponent::resized()
{
    icon->setBounds (getLocalBounds());
}

void CorvanelImageLogoComponent::mouseUp (const juce::MouseEvent&)
{
    if (launcher)
        launcher (url);
}
