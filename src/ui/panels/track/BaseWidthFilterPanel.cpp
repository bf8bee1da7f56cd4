#include "ui/panels/track/BaseWidthFilterPanel.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/panels/track/FilterEnvelopeRow.h"

BaseWidthFilterPanel::BaseWidthFilterPanel (PanelContextIfc& context, MachineDataObject* sound, int trackIndex)
    : ParameterPanel (context, sound, trackIndex)
{
    addAndMakeVisible (drawing);
    drawing.addChangeListener (this);

    const struct
    {
        SmallLabel& caption;
        TextBoxSlider& box;
        ModulationSlider& bar;
        const char* help;
    } columns[] = {
        { baseCaption, baseBox, baseBar, "Sets the base cutoff frequency for the filter." },
        { widthCaption, widthBox, widthBar, "Sets the higher cutoff frequency for the filter based on filter width." },
    };
    for (const auto& column : columns)
    {
        const auto help = juce::translate (column.help);
        column.caption.setTooltip (help);
        column.box.setTooltip (help);
        column.bar.setTooltip (help);
        column.caption.setJustificationType (juce::Justification::centredTop);
        addAndMakeVisible (column.caption);
        column.box.addListener (this);
        addAndMakeVisible (column.box);
        addAndMakeVisible (column.bar);
    }
    title.setJustificationType (juce::Justification::centredBottom);
    title.setColour (CorvanelColourIds::smallLabelText, HuePalette::shades (11).bright);
    addAndMakeVisible (title);
}

BaseWidthFilterPanel::~BaseWidthFilterPanel()
{
    releaseBindings();
    drawing.removeChangeListener (this);
    baseBox.removeListener (this);
    widthBox.removeListener (this);
}

void BaseWidthFilterPanel::setParameterIds (const juce::Identifier& base, const juce::Identifier& width)
{
    baseId = base;
    widthId = width;
    releaseBindings();
    addBinding (std::make_unique<PanelFunctionBinding> (
        baseId, std::vector<juce::Component*> { &baseBox }, [this] (int v) { showBase (v >> 8); },
        [this] (int d) { baseBox.setDoubleClickReturnValue (true, d >> 8, juce::ModifierKeys::altModifier); }, *this));
    addBinding (std::make_unique<PanelFunctionBinding> (
        widthId, std::vector<juce::Component*> { &widthBox }, [this] (int v) { showWidth (v >> 8); },
        [this] (int d) { widthBox.setDoubleClickReturnValue (true, d >> 8, juce::ModifierKeys::altModifier); }, *this));
    watch ({ baseId, widthId });
    applyDefaults();
    start();
}

void BaseWidthFilterPanel::showBase (int n)
{
    baseBox.setValue (n, juce::dontSendNotification);
    baseBar.setValue (n);
    drawing.setBreakpointPosition (0, n);
    drawing.updateUpperEdge();
}

void BaseWidthFilterPanel::showWidth (int n)
{
    widthBox.setValue (n, juce::dontSendNotification);
    widthBar.setValue (n);
    drawing.bandwidth = n;
    drawing.updateUpperEdge();
}

void BaseWidthFilterPanel::sliderValueChanged (juce::Slider* slider)
{
    const int k = static_cast<int> (slider->getValue());
    if (slider == &baseBox)
    {
        baseBar.setValue (k);
        drawing.setBreakpointPosition (0, k);
        drawing.updateUpperEdge();
        writeFromGui (baseId, k << 8);
    }
    else if (slider == &widthBox)
    {
        widthBar.setValue (k);
        drawing.bandwidth = k;
        drawing.updateUpperEdge();
        writeFromGui (widthId, k << 8);
    }
}

void BaseWidthFilterPanel::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source != &drawing || drawing.breakpoints.empty())
        return;
    const int base = drawing.breakpoints[0].x;
    const int width = juce::jlimit (0, 127, drawing.bandwidth);
    baseBox.setValue (base, juce::dontSendNotification);
    widthBox.setValue (width, juce::dontSendNotification);
    writeFromGui (baseId, base << 8);
    writeFromGui (widthId, width << 8);
}

void BaseWidthFilterPanel::paint (juce::Graphics& g)
{
    g.setColour (FilterEnvelopeRow::boxColour (hue));
    g.fillRect (8, 8, getWidth() - 16, getHeight() - 16);
}

void BaseWidthFilterPanel::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    const int g = (w - 156) / 2;
    title.setBounds (8, 8, w - 16, 20);
    drawing.setBounds (16, 18, w - 32, juce::jmax (0, h - 78));
    const struct
    {
        SmallLabel& caption;
        TextBoxSlider& box;
        ModulationSlider& bar;
        int x;
    } columns[] = { { baseCaption, baseBox, baseBar, g + 8 }, { widthCaption, widthBox, widthBar, g + 80 } };
    for (const auto& column : columns)
    {
        column.caption.setBounds (column.x, h - 56, 68, 12);
        column.box.setBounds (column.x, h - 44, 68, 28);
        column.bar.setBounds (column.x + 21, h - 22, 26, 8);
    }
}
