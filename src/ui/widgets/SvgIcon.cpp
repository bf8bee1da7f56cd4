#include "ui/widgets/SvgIcon.h"

SvgIcon::SvgIcon (const void* svgData, size_t numBytes)
    : drawable (juce::Drawable::createFromImageData (svgData, numBytes))
{
}

void SvgIcon::paint (juce::Graphics& g)
{
    if (drawable != nullptr)
        drawable->drawWithin (g, getLocalBounds().toFloat(), juce::RectanglePlacement (placement), 1.0f);
}
