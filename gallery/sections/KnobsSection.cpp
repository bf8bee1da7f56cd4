#include "GallerySection.h"

#include "ui/widgets/formatters/ValueFormatters.h"
#include "ui/widgets/knobs/FadeSlider.h"
#include "ui/widgets/knobs/HighResKnobs.h"
#include "ui/widgets/knobs/ListKnob.h"
#include "ui/widgets/knobs/OscillatorConfigComponent.h"

namespace gallery
{
namespace
{
// Two instances per cell at values that differ from hue to hue; the second
// one is lit (highlight 1) on even hues and disabled on hue 16.
template <typename Make>
std::unique_ptr<juce::Component> pair (int hue, Make make)
{
    auto strip = std::make_unique<Strip>();
    for (int i = 0; i < 2; ++i)
    {
        auto knob = make (hue, i);
        if (i == 1 && hue % 2 == 0)
            knob->highlightLevel = 1.0f;
        if (i == 1 && hue == 16)
            knob->setEnabled (false);
        strip->add (std::move (knob));
    }
    return strip;
}

double spread (int hue, int i, double lo, double hi)
{
    const double t = ((hue * 2 + i) % 17) / 16.0;
    return lo + t * (hi - lo);
}

const GallerySection::Registrar knobs { GallerySection {
    "Knobs",
    50,
    {
        { "UnidirectionalKnob (lit on even hues)", 60, [] (int hue) {
              return pair (hue, [] (int h, int i) {
                  auto k = std::make_unique<UnidirectionalKnob> ("Decay");
                  k->setKnobValue (std::round (spread (h, i, 0, 127)), juce::dontSendNotification);
                  k->highlightLevel = 0.0f;
                  return k;
              });
          } },
        { "DuodirectionalKnob", 60, [] (int hue) {
              return pair (hue, [] (int h, int i) {
                  auto k = std::make_unique<DuodirectionalKnob> ("Pan");
                  k->setKnobValue (std::round (spread (h, i, -64, 63)), juce::dontSendNotification);
                  k->highlightLevel = 0.0f;
                  return k;
              });
          } },
        { "BaseKnob label right / centred", 44, [] (int hue) {
              return pair (hue, [] (int h, int i) {
                  auto k = std::make_unique<UnidirectionalKnob> ("Level");
                  k->setLabelPosition (i == 0 ? BaseKnob::labelRight : BaseKnob::labelCentred);
                  k->setKnobValue (std::round (spread (h, i, 0, 127)), juce::dontSendNotification);
                  k->highlightLevel = 0.0f;
                  return k;
              });
          } },
        { "HighResKnob / UniHighResKnob", 60, [] (int hue) {
              auto strip = std::make_unique<Strip>();
              auto bi = std::make_unique<HighResKnob> ("Tune");
              bi->setHighResValue (std::round (spread (hue, 0, 0, 32766)));
              bi->highlightLevel = 0.0f;
              auto uni = std::make_unique<UniHighResKnob> ("Time");
              uni->setHighResValue (std::round (spread (hue, 1, 0, 32512)));
              uni->highlightLevel = hue % 2 == 0 ? 1.0f : 0.0f;
              strip->add (std::move (bi));
              strip->add (std::move (uni));
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "ListKnob multiplier / percent", 60, [] (int hue) {
              auto strip = std::make_unique<Strip>();
              auto mult = std::make_unique<ListKnob> ("Multiplier", 23, multiplierFormatter, multiplierIconFormatter);
              mult->setKnobValue (hue + 4, juce::dontSendNotification);
              mult->highlightLevel = 0.0f;
              auto percent = std::make_unique<ListKnob> ("Feedback", 127, percentOf64Formatter, nullptr);
              percent->setKnobValue (hue * 8, juce::dontSendNotification);
              percent->highlightLevel = 0.0f;
              strip->add (std::move (mult));
              strip->add (std::move (percent));
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "ListKnob overdrive / Inf / items", 60, [] (int hue) {
              auto strip = std::make_unique<Strip>();
              auto drive = std::make_unique<ListKnob> ("Overdrive", 127, overdriveFormatter, nullptr);
              drive->setKnobValue (hue * 8 - (hue == 16 ? 1 : 0), juce::dontSendNotification);
              drive->highlightLevel = 0.0f;
              auto inf = std::make_unique<ListKnob> ("Osc 1 Decay", 127, infAtMaxFormatter, nullptr);
              inf->setKnobValue (hue >= 15 ? 127 : hue * 8, juce::dontSendNotification);
              inf->highlightLevel = 0.0f;
              strip->add (std::move (drive));
              strip->add (std::move (inf));
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "FadeSlider", 60, [] (int hue) {
              auto fade = std::make_unique<FadeSlider> ("Fade");
              fade->setKnobValue (std::round (spread (hue, 0, -64, 63)), juce::dontSendNotification);
              fade->highlightLevel = 0.0f;
              if (hue == 16)
                  fade->setEnabled (false);
              return std::unique_ptr<juce::Component> (std::move (fade));
          } },
        { "OscillatorConfigComponent", 60, [] (int hue) {
              auto osc = std::make_unique<OscillatorConfigComponent>();
              osc->setRange (0, 79, 1);
              osc->setKnobValue (hue * 5, juce::dontSendNotification);
              return std::unique_ptr<juce::Component> (std::move (osc));
          } },
    },
} };
} // namespace
} // namespace gallery
