#include "GallerySection.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/CustomTabButtons.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/RadioButtonSelector.h"

namespace gallery
{
namespace
{
// An off and an on instance side by side.
template <typename Make>
std::unique_ptr<juce::Component> offAndOn (Make make)
{
    auto strip = std::make_unique<Strip>();
    for (bool on : { false, true })
    {
        auto button = make (on);
        button->setToggleState (on, juce::dontSendNotification);
        strip->add (std::move (button));
    }
    return strip;
}

const GallerySection::Registrar buttons { GallerySection {
    "Buttons",
    20,
    {
        { "ActionButton off / on", 24, [] (int) {
              return offAndOn ([] (bool on) { return std::make_unique<ActionButton> (on ? "On" : "Off", ""); });
          } },
        { "ColorfulActionButton off / on", 24, [] (int) {
              return offAndOn ([] (bool on) { return std::make_unique<ColorfulActionButton> (on ? "TRIG" : "FREE", ""); });
          } },
        { "FontActionButton \"4\" / \"5\"", 28, [] (int) {
              return offAndOn ([] (bool on) {
                  auto button = std::make_unique<FontActionButton> (on ? "5" : "4");
                  button->font = getFontCorvanel (20.0f);
                  return button;
              });
          } },
        { "CustomTabButton off / on", 20, [] (int) {
              return offAndOn ([] (bool on) { return std::make_unique<CustomTabButton> (on ? "LFO 2" : "LFO 1"); });
          } },
        { "CustomSectionTabButton off / on", 28, [] (int) {
              return offAndOn ([] (bool on) { return std::make_unique<CustomSectionTabButton> (on ? "FX" : "AMP"); });
          } },
        { "FontButton A s r C (r on)", 24, [] (int) {
              auto strip = std::make_unique<Strip>();
              for (auto glyph : { "A", "s", "r", "C" })
              {
                  auto button = std::make_unique<FontButton> (glyph, getFontCorvanel);
                  button->margin = 2;
                  button->setToggleState (juce::String (glyph) == "r", juce::dontSendNotification);
                  strip->add (std::move (button), 24);
              }
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "ColourfulFontButton X y [ ~ (y on)", 24, [] (int) {
              auto strip = std::make_unique<Strip>();
              for (auto glyph : { "X", "y", "[", "~" })
              {
                  auto button = std::make_unique<ColourfulFontButton> (glyph, getFontCorvanel);
                  button->fixedFontSize = 20;
                  button->setToggleState (juce::String (glyph) == "y", juce::dontSendNotification);
                  strip->add (std::move (button), 24);
              }
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "FontButton FontAwesome", 24, [] (int) {
              auto strip = std::make_unique<Strip>();
              for (juce::juce_wchar glyph : { 0xF077, 0xF078, 0xF106, 0xF107, 0xF023 })
                  strip->add (std::make_unique<FontButton> (juce::String::charToString (glyph),
                                                            [] (int size) { return getFontAwesome (static_cast<float> (size) * 0.7f); }),
                              20);
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "LabeledOnOffButton off / on", 24, [] (int) {
              return offAndOn ([] (bool on) { return std::make_unique<LabeledOnOffButton> (on ? "On" : "Off"); });
          } },
        { "LabeledOnOffButton vertical", 44, [] (int) {
              return offAndOn ([] (bool on) {
                  auto button = std::make_unique<LabeledOnOffButton> (on ? "On" : "Off");
                  button->vertical = true;
                  return button;
              });
          } },
        { "RadioButtonSelector text (TRIG on)", 24, [] (int) {
              auto selector = std::make_unique<RadioButtonSelector> ("");
              selector->captionPlacement = RadioButtonSelector::captionHidden;
              selector->buttonArea = { 0, 0, 34, 20 };
              selector->gap = 0;
              for (auto text : { "FREE", "TRIG", "HOLD" })
                  selector->addTextButton (text);
              selector->selectedIndex = 1;
              selector->buttons[1]->setToggleState (true, juce::dontSendNotification);
              return std::unique_ptr<juce::Component> (std::move (selector));
          } },
        { "RadioButtonSelector glyphs with caption", 24, [] (int) {
              auto selector = std::make_unique<RadioButtonSelector> ("Amp");
              selector->buttonArea = { 0, 0, 24, 20 };
              for (auto glyph : { "E", "?", "<" })
              {
                  selector->addFontButton (glyph, getFontCorvanel);
                  dynamic_cast<FontButton*> (selector->buttons.getLast())->fixedFontSize = 17;
              }
              selector->buttons[2]->setToggleState (true, juce::dontSendNotification);
              return std::unique_ptr<juce::Component> (std::move (selector));
          } },
    } } };
} // namespace
} // namespace gallery
