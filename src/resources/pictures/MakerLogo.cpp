#include "resources/pictures/MakerLogo.h"

namespace MakerLogo
{
const char svg[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 64 64" width="64" height="64">
  <path fill="#cb555d" d="M53.45 14.0 A28 28 0 1 0 53.45 50.0 L45.79 43.57 A18 18 0 1 1 45.79 20.43 Z"/>
  <path fill="#cb555d" d="M22 26.5 L46 32 L22 37.5 Z"/>
</svg>)svg";

const size_t svgSize = sizeof (svg) - 1;

std::unique_ptr<juce::Drawable> createDrawable()
{
    return juce::Drawable::createFromImageData (svg, svgSize);
}
} // namespace MakerLogo
