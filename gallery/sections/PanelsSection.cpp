#include "GallerySection.h"

#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/StaticPanel.h"

namespace gallery
{
namespace
{
// A static panel whose content takes the cell's hue.
class TintedStaticPanel : public corvanel::Panel
{
public:
    TintedStaticPanel()
    {
        frame.setHeading ("FILTER");
        auto content = std::make_unique<corvanel::Panel>();
        content->addAndMakeVisible (caption);
        content->addAndMakeVisible (toggle);
        toggle.setToggleState (true, juce::dontSendNotification);
        frame.setContent (content.release());
        addAndMakeVisible (frame);
    }

    void setHue (int newHue) override
    {
        corvanel::Panel::setHue (newHue);
        frame.getContent()->setHue (newHue);
    }

    void resized() override
    {
        frame.setBounds (getLocalBounds());
        caption.setBounds (4, 4, getWidth() - 8, 14);
        toggle.setBounds (4, 20, getWidth() - 8, 20);
    }

private:
    Corvanel::StaticPanel frame;
    SmallLabel caption { "Content" };
    LabeledOnOffButton toggle { "Sync" };
};

const GallerySection::Registrar panels { GallerySection {
    "Panels",
    30,
    {
        { "StaticPanel with a tinted content panel", 70, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<TintedStaticPanel>());
          } },
    } } };
} // namespace
} // namespace gallery
