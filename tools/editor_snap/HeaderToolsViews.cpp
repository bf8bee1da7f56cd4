#include "HeaderToolsViews.h"

#include "processor/SynthPluginState.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/MainContentComponent.h"
#include "ui/editor/PluginRoutingComponent.h"
#include "ui/editor/PluginAudioProcessorEditor.h"
#include "ui/editor/TotalRecallComponent.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/modal/QuickModal.h"

namespace editorsnap
{
namespace
{
    using namespace std::chrono_literals;

    void openBand (fhtest::EditorHarness::Options& o, const juce::Identifier& band)
    {
        o.pluginState = [previous = o.pluginState, band] (SynthPluginState& s) {
            if (previous)
                previous (s);
            s.setBoolProperty (PluginStateIds::openedKeyboard, band == PluginStateIds::openedKeyboard);
            s.setBoolProperty (PluginStateIds::openedPads, band == PluginStateIds::openedPads);
        };
    }
}   // namespace

void openPadsBand (fhtest::EditorHarness::Options& o)
{
    openBand (o, PluginStateIds::openedPads);
}

void openKeyboardBand (fhtest::EditorHarness::Options& o)
{
    openBand (o, PluginStateIds::openedKeyboard);
}

void showPadsBand (fhtest::EditorHarness& h)
{
    h.tick();
    h.content().getPads().getPad (2).setState (juce::Button::buttonDown);
}

void showKeyboardBand (fhtest::EditorHarness& h)
{
    h.processor().getVolatileState().setSelectedTab (2);
    h.processor().getKeyboardState().noteOn (3, 48, 1.0f);
    h.processor().getKeyboardState().noteOn (3, 51, 1.0f);
    h.pumpFor (150ms);
}
void openInPlugin (fhtest::EditorHarness::Options& o)
{
    o.wrapper = juce::AudioProcessor::wrapperType_VST3;
}

namespace
{
    QuickModal* openPopup()
    {
        auto& desktop = juce::Desktop::getInstance();
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* box = dynamic_cast<QuickModal*> (desktop.getComponent (i)); box != nullptr && box->isVisible())
                return box;
        return nullptr;
    }

    void clickAndWait (fhtest::EditorHarness& h, juce::Component& button)
    {
        h.click (button);
        h.pumpUntil ([] { return openPopup() != nullptr; }, 2000ms);
        h.pumpFor (100ms);
    }
}   // namespace

void showSidechainWindow (fhtest::EditorHarness& h)
{
    clickAndWait (h, h.content().getSidechainButton());
}

void showTotalRecallPanel (fhtest::EditorHarness& h)
{
    clickAndWait (h, h.content().getTotalRecallButton());
}

void showTotalRecallPanelWithData (fhtest::EditorHarness& h)
{
    showTotalRecallPanel (h);
    auto* box = openPopup();
    if (box == nullptr)
        return;
    for (auto* child : box->getChildren())
        if (auto* panel = dynamic_cast<TotalRecallComponent*> (child))
        {
            h.click (panel->getSyncButton());
            h.pumpUntil ([panel] { return panel->isSessionActive() && panel->getDisableButton().isVisible(); }, 15000ms);
        }
    h.pumpFor (100ms);
}

std::unique_ptr<juce::Component> editorWithPopup (fhtest::EditorHarness& h)
{
    auto picture = h.snapshot();
    if (auto* box = openPopup())
    {
        const auto popup = box->createComponentSnapshot (box->getLocalBounds(), true, 1.0f);
        juce::Graphics g (picture);
        g.drawImageAt (popup, box->getScreenX() - h.editor().getScreenX(), box->getScreenY() - h.editor().getScreenY());
    }
    // Pictured at the editor's scale again: the component has the content's units.
    const float scale = (float) h.processor().getPluginState()->getIntProperty (PluginStateIds::uiScale, 100) / 100.0f;
    auto component = std::make_unique<juce::ImageComponent>();
    component->setImage (picture, juce::RectanglePlacement::stretchToFit);
    component->setSize (juce::roundToInt ((float) picture.getWidth() / scale),
                        juce::roundToInt ((float) picture.getHeight() / scale));
    h.closeModalPopups();
    return component;
}

std::unique_ptr<juce::Component> sidechainWindowWithoutBuses (fhtest::EditorHarness&)
{
    auto close = std::make_unique<FontButton> (juce::String::charToString ((juce::juce_wchar) 0xF126),
                                               [] (int size) { return getFontAwesome ((float) size); });
    close->setSize (32, 28);
    close->margin = 4;
    auto window = std::make_unique<PluginRoutingComponent> (juce::WeakReference<CommonAudioProcessor>(), std::move (close));
    window->setSize (332, 210);
    return window;
}
}   // namespace editorsnap
