#pragma once

#include "ui/lookandfeel/HueColours.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/CustomTabButtons.h"
#include "ui/widgets/StaticPanel.h"
#include "ui/widgets/knobs/BaseKnob.h"
#include "ui/widgets/knobs/FadeSlider.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class FontButton;

// The single look and feel of the GUI: flat fills, square corners, 1-pixel
// outlines on a near-black ground. Holds the hue palette, the colour scheme
// and the colour table, resolves every font to the built-in faces, and
// implements the drawing interfaces of the program's own widgets.
// Message thread only.
class LookAndFeelCorvanel : public juce::LookAndFeel_V4,
                            public ActionButton::LookAndFeelMethods,
                            public CustomTabButton::LookAndFeelMethods,
                            public CustomSectionTabButton::LookAndFeelMethods,
                            public Corvanel::StaticPanel::LookAndFeelMethods,
                            public BaseKnob::LookAndFeelMethods,
                            public FadeSlider::LookAndFeelMethods
{
public:
    static constexpr int numHues = 17;

    LookAndFeelCorvanel();
    ~LookAndFeelCorvanel() override;

    // The palette entry of a hue 0 .. 16; any other value (negative ones
    // included) gives entry 15, which is fully transparent.
    const HueColours& getHueColours (int hue) const
    {
        return palette[static_cast<unsigned int> (hue) < static_cast<unsigned int> (numHues) ? static_cast<size_t> (hue) : 15u];
    }

    const juce::LookAndFeel_V4::ColourScheme& getCorvanelColourScheme() const { return colourScheme; }
    float getStandardTextSize() const { return standardTextSize; }

    // Fonts
    juce::Typeface::Ptr getTypefaceForFont (const juce::Font& font) override;
    juce::Font getAlertWindowTitleFont() override;
    juce::Font getAlertWindowMessageFont() override;
    juce::Font getAlertWindowFont() override;
    juce::Font getPopupMenuFont() override;
    juce::Font getMenuBarFont (juce::MenuBarComponent&, int itemIndex, const juce::String& itemText) override;
    juce::Font getComboBoxFont (juce::ComboBox&) override;

    // Drawing interfaces of the program's widgets
    void drawActionButton (juce::Graphics& g, ActionButton& button, bool isHighlighted, bool isDown) override;
    void drawCustomTabButton (juce::Graphics& g, CustomTabButton& button, bool isHighlighted, bool isDown) override;
    void drawCustomSectionTabButton (juce::Graphics& g, CustomSectionTabButton& button, bool isHighlighted,
                                     bool isDown) override;
    void drawStaticPanel (juce::Graphics& g, Corvanel::StaticPanel& panel, bool isMouseOver) override;

    // Knobs, the fade slider and the linear (vertical) sliders: KnobDrawing.cpp
    void drawKnobBody (juce::Graphics& g, BaseKnob& knob, bool isMouseOver, bool isMouseButtonDown) override;
    void drawUnipolarValueArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver, bool isMouseButtonDown) override;
    void drawBipolarValueArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver, bool isMouseButtonDown) override;
    void drawModulationAmountArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver) override;
    void drawModulationRangeArc (juce::Graphics& g, BaseKnob& knob, bool isMouseOver) override;
    void drawFadeSlider (juce::Graphics& g, FadeSlider& slider, bool isMouseOver, bool isMouseButtonDown) override;
    void drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos, float minSliderPos,
                           float maxSliderPos, juce::Slider::SliderStyle style, juce::Slider& slider) override;

    // Shared drawing operations, called by widgets that find this look and feel.
    void drawPlainLabel (juce::Graphics& g, juce::Label& label, juce::Colour background, juce::Colour textColour);
    void drawFontButton (juce::Graphics& g, FontButton& button, bool isHighlighted, bool isDown, int backgroundColourId,
                         int textColourId);
    void fillButtonRect (juce::Graphics& g, juce::Rectangle<int> area, juce::Colour colour, bool isHighlighted,
                         bool isDown);
    void drawButtonText (juce::Graphics& g, juce::Button& button, const juce::Font& font, juce::Colour colour,
                         bool isHighlighted, bool isDown, juce::Justification justification);

    // Colour helpers shared by the widget drawings: every channel moved 2/7 of
    // the way to white (lighten) or to black (darken), alpha kept.
    static juce::Colour lighten (juce::Colour c) { return c.brighter (0.4f); }
    static juce::Colour darken (juce::Colour c) { return c.darker (0.4f); }

private:
    void makeHuePalette();
    void makeColourScheme();
    void initialiseColours();

    float standardTextSize = 10.0f;
    std::vector<HueColours> palette;
    juce::LookAndFeel_V4::ColourScheme colourScheme { juce::LookAndFeel_V4::getDarkColourScheme() };
};

// The program's look and feel when it is the given component's, else null.
inline LookAndFeelCorvanel* findLookAndFeelCorvanel (juce::Component& component)
{
    return dynamic_cast<LookAndFeelCorvanel*> (&component.getLookAndFeel());
}
