#include "GallerySection.h"

#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/StaticPanel.h"
#include "ui/widgets/StaticTabSet.h"

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

// A tab set with three pages, the second one shown.
class TintedTabSet : public corvanel::Panel
{
public:
    TintedTabSet()
    {
        tabs.setHeading ("LFO");
        for (auto name : { "1", "2", "3" })
        {
            auto page = std::make_unique<corvanel::Panel>();
            auto caption = std::make_unique<SmallLabel> (juce::String ("Page ") + name);
            caption->setBounds (4, 4, 90, 14);
            page->addAndMakeVisible (*caption);
            captions.push_back (std::move (caption));
            tabs.addTab (name, page.release());
        }
        tabs.currentIndex = 1;
        tabs.getButtons().buttons[1]->setToggleState (true, juce::dontSendNotification);
        addAndMakeVisible (tabs);
    }

    void resized() override { tabs.setBounds (getLocalBounds()); }

private:
    std::vector<std::unique_ptr<SmallLabel>> captions;   // outlive the pages
    Corvanel::StaticTabSet tabs;
};

const GallerySection::Registrar panels { GallerySection {
    "Panels",
    30,
    {
        { "StaticPanel with a tinted content panel", 70, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<TintedStaticPanel>());
          } },
        { "StaticTabSet (page 2 shown)", 50, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<TintedTabSet>());
          } },
    } } };
} // namespace
} // namespace gallery
