#include "ui/editor/SidechainBtn.h"

#include "processor/CommonAudioProcessor.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"

SidechainBtn::SidechainBtn (juce::WeakReference<CommonAudioProcessor> processorToUse)
    : FontButton (juce::String::charToString (static_cast<juce::juce_wchar> (0xF126)),
                  [] (int size) { return getFontAwesome (static_cast<float> (size)); }),
      processor (std::move (processorToUse))
{
    setColour (CorvanelColourIds::fontButtonBackgroundOff, juce::Colour (0x00000000));
    setTooltip (TRANS ("Show sidechain routing setup"));
}

SidechainBtn::~SidechainBtn()
{
    processor = nullptr;
}
