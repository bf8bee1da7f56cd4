#include "GallerySection.h"

#include "resources/pictures/MakerLogo.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/LabelNameEditor.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Led.h"
#include "ui/widgets/SvgIcon.h"
#include "ui/widgets/TextBox.h"

namespace gallery
{
namespace
{
template <typename LabelType>
std::unique_ptr<juce::Component> labelWithText (const juce::String& text)
{
    return std::make_unique<LabelType> (text);
}

const GallerySection::Registrar labels { GallerySection {
    "Labels and text fields",
    10,
    {
        { "SmallLabel", 20, [] (int) { return labelWithText<SmallLabel> ("Decay Time"); } },
        { "PanelHeadingLabel", 24, [] (int) { return labelWithText<PanelHeadingLabel> ("FILTER"); } },
        { "LargeLabel", 54, [] (int) { return labelWithText<LargeLabel> ("Kit 1"); } },
        { "SneakyLabel (knob value)", 20, [] (int) {
              auto label = std::make_unique<SneakyLabel>();
              label->setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
              label->setJustificationType (juce::Justification::centred);
              label->setText ("64.00", juce::dontSendNotification);
              return std::unique_ptr<juce::Component> (std::move (label));
          } },
        { "LabelNameEditor", 26, [] (int) {
              auto name = std::make_unique<LabelNameEditor>();
              name->setText ("BD HARD", juce::dontSendNotification);
              return std::unique_ptr<juce::Component> (std::move (name));
          } },
        { "TextBox", 28, [] (int) {
              auto box = std::make_unique<TextBox>();
              box->setText ("Take 1", false);
              return std::unique_ptr<juce::Component> (std::move (box));
          } },
        { "Led states 0 .. 5", 20, [] (int) {
              auto strip = std::make_unique<Strip>();
              for (int state = 0; state <= 5; ++state)
              {
                  auto lamp = std::make_unique<Led>();
                  lamp->state = state;
                  strip->add (std::move (lamp), 14);
              }
              return std::unique_ptr<juce::Component> (std::move (strip));
          } },
        { "SvgIcon (maker logo)", 30, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<SvgIcon> (MakerLogo::svg, MakerLogo::svgSize));
          } },
    } } };
} // namespace
} // namespace gallery
