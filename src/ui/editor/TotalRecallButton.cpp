#include "ui/editor/TotalRecallButton.h"

#include "foundation/Logger.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/HeaderPopup.h"
#include "ui/editor/TotalRecallComponent.h"

TotalRecallButton::TotalRecallButton (VantuAudioProcessor& processorToUse)
    : ActionButton (TRANS ("Total Recall"), {}), processor (processorToUse)
{
}

void TotalRecallButton::clicked()
{
    FH_LOG (spdlog::level::info, "User clicked total recall.");
    auto tab = std::make_unique<ActionButton> (TRANS ("Total Recall"), juce::String());
    tab->setBounds (0, 0, getWidth(), getHeight());
    HeaderPopup::show (*this, std::make_unique<TotalRecallComponent> (processor, std::move (tab)), { 292, 266 }, 236, 4,
                       302, 276);
}
