#include "GallerySection.h"

#include "ui/widgets/formatters/ValueFormatters.h"
#include "ui/widgets/sliders/DialSliders.h"
#include "ui/widgets/sliders/TextBoxSlider.h"
#include "ui/widgets/sliders/VerticalSlider.h"

namespace gallery
{
namespace
{
double spread (int hue, double lo, double hi)
{
    return lo + (hue / 16.0) * (hi - lo);
}

template <typename Dial>
std::unique_ptr<juce::Component> dial (int hue, std::unique_ptr<Dial> d, double value)
{
    d->setKnobValue (value);
    d->highlightLevel = hue % 2 == 0 ? 0.0f : 0.6f;
    return d;
}

const GallerySection::Registrar sliders { GallerySection {
    "Sliders",
    51,
    {
        { "CircleSlider", 80, [] (int hue) {
              auto d = std::make_unique<CircleSlider> (true);
              d->setRange (0, 32512, 1);
              return dial (hue, std::move (d), std::round (spread (hue, 0, 32512)));
          } },
        { "CubeSlider", 80, [] (int hue) {
              auto d = std::make_unique<CubeSlider> (true);
              d->setRange (0, 32512, 1);
              return dial (hue, std::move (d), std::round (spread (hue, 0, 32512)));
          } },
        { "OverdriveSlider", 90, [] (int hue) { return dial (hue, std::make_unique<OverdriveSlider>(), spread (hue, 0, 127)); } },
        { "ReverbDecayKnob (Inf at 128)", 90, [] (int hue) {
              auto d = std::make_unique<ReverbDecayKnob>();
              d->setRange (1, 128, 1);
              d->setKnobValue (std::round (spread (hue, 1, 128)));
              d->highlightLevel = 0.0f;
              return std::unique_ptr<juce::Component> (std::move (d));
          } },
        { "TextBoxSlider / bipolar / icon / HighResultion", 22, [] (int hue) {
              auto strip = std::make_unique<Strip>();
              auto plain = std::make_unique<TextBoxSlider>();
              plain->setValue (hue * 7, juce::dontSendNotification);
              auto bipolar = std::make_unique<TextBoxSlider>();
              bipolar->setRange (-64, 63, 1);
              bipolar->setValue (hue * 8 - 64, juce::dontSendNotification);
              if (hue == 16)
              {
                  bipolar->setDisabledText ("OFF");
                  bipolar->setEnabled (false);
              }
              auto icon = std::make_unique<TextBoxSlider> (multiplierIconFormatter);
              icon->setRange (0, 23, 1);
              icon->setValue (hue, juce::dontSendNotification);
              icon->textFromValueFunction = [] (double v) { return multiplierFormatter (v); };
              icon->boxWidthMode = 1;
              auto fine = std::make_unique<HighResultionTextBoxSlider>();
              fine->boxWidthMode = 2;
              fine->setValue (hue * 2000, juce::dontSendNotification);
              strip->add (std::move (plain), 24);
              strip->add (std::move (bipolar), 24);
              strip->add (std::move (icon), 32);
              strip->add (std::move (fine));
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "ModulationSlider", 16, [] (int hue) {
              auto m = std::make_unique<ModulationSlider>();
              m->dotColour = juce::Colour (0xFFF0F0F0);
              m->setValue (spread (hue, 0, 127));
              return std::unique_ptr<juce::Component> (std::move (m));
          } },
        { "VerticalSlider", 100, [] (int hue) {
              auto strip = std::make_unique<Strip>();
              for (int i = 0; i < 2; ++i)
              {
                  auto* inner = new VerticalSlider::ExtendedSlider();
                  inner->setHue (hue);
                  auto v = std::make_unique<VerticalSlider> (i == 0 ? "Level" : "Tick", 0, inner);
                  if (i == 1)
                      inner->setRange (0, 4, 1);
                  v->setValue (i == 0 ? hue * 8 : hue % 5, juce::dontSendNotification);
                  inner->highlightLevel = (i == 1 && hue % 2 == 0) ? 1.0f : 0.0f;
                  strip->add (std::move (v));
              }
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
    },
} };
} // namespace
} // namespace gallery
