#include "ui/editor/SidechainBtn.h"

#include "processor/CommonAudioProcessor.h"
#include "ui/editor/HeaderPopup.h"
#include "ui/editor/PluginRoutingComponent.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"

namespace
{
const juce::String glyph = juce::String::charToString (static_cast<juce::juce_wchar> (0xF126));

juce::Font glyphFont (int size)
{
    return getFontAwesome (static_cast<float> (size));
}
} // namespace

SidechainBtn::SidechainBtn (juce::WeakReference<CommonAudioProcessor> processorToUse)
    : FontButton (glyph, glyphFont),
      processor (std::move (processorToUse))
{
    setColour (CorvanelColourIds::fontButtonBackgroundOff, juce::Colour (0x00000000));
    setTooltip (TRANS ("Show sidechain routing setup"));
}

SidechainBtn::~SidechainBtn()
{
    processor = nullptr;
}

void SidechainBtn::clicked()
{
    auto close = std::make_unique<FontButton> (glyph, glyphFont);
    close->setBounds (0, 0, getWidth(), getHeight());
    close->setColour (CorvanelColourIds::fontButtonBackgroundOff, juce::Colours::transparentBlack);
    close->margin = 4;
    HeaderPopup::show (*this, std::make_unique<PluginRoutingComponent> (processor, std::move (close)), { 332, 210 }, 308,
                       4, 342, 220);
}
