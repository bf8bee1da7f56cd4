#include "GallerySection.h"
#include "MenuDrawing.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/combobox/CustomComboBox.h"
#include "ui/widgets/meters/PlainLevelMeter.h"
#include "ui/widgets/modal/CustomCallOutBox.h"
#include "ui/widgets/tabs/MyTabbedComponent.h"

namespace gallery
{
namespace
{
// Level meters fed once with a fixed peak (the hold line sits at the peak).
template <typename Meter>
class FedMeter : public juce::Component
{
public:
    FedMeter (float peak, bool db, bool label, juce::Colour top = {})
    {
        meter.dbScale = db;
        meter.showPeakLabel = label;
        meter.topColour = top;
        meter.markColour = top.isTransparent() ? juce::Colour() : juce::Colour (0xffffa500);
        addAndMakeVisible (meter);
        peakValue = peak;
    }

    void resized() override
    {
        meter.setBounds (getLocalBounds());
        float block[4] = { peakValue, -peakValue, 0.0f, 0.0f };
        meter.newSamples (block, 4);
        meter.timerCallback();
    }

private:
    Meter meter;
    float peakValue;
};

class MetersRow : public Strip
{
public:
    MetersRow()
    {
        add (captioned ("vertical 0.5", std::make_unique<FedMeter<PlainVerticalLevelMeter>> (0.5f, false, false)), 70);
        add (captioned ("dB -12", std::make_unique<FedMeter<PlainVerticalLevelMeter>> (0.25f, true, true)), 70);
        add (captioned ("dB -1, mark", std::make_unique<FedMeter<PlainVerticalLevelMeter>> (0.89f, true, true, juce::Colour (0xffff3030))), 70);
        add (captioned ("over 0 dB", std::make_unique<FedMeter<PlainVerticalLevelMeter>> (1.3f, true, true, juce::Colour (0xffff3030))), 70);
        add (captioned ("horizontal dB -6", std::make_unique<FedMeter<PlainHorizontalLevelMeter>> (0.5f, true, true)), 220);
        add (captioned ("horizontal silence", std::make_unique<FedMeter<PlainHorizontalLevelMeter>> (0.0f, false, false)), 220);
    }
};

// A custom combo box of the cell's hue with a chosen item.
class ComboCell : public corvanel::Panel
{
public:
    explicit ComboCell (int cellHue)
    {
        auto* menu = box.getRootMenu();
        menu->addItem (1, "Bus 1-2");
        menu->addItem (2, "Bus 3-4");
        box.setSelectedId (cellHue % 2 == 0 ? 1 : 0, juce::dontSendNotification);
        box.setTextWhenNothingSelected ("Choose");
        addAndMakeVisible (box);
        setHue (cellHue);
    }

    void setHue (int newHue) override
    {
        corvanel::Panel::setHue (newHue);
        box.setHue (newHue);
    }

    void resized() override { box.setBounds (getLocalBounds().reduced (0, 2)); }

private:
    juce::CustomComboBox box { "combo" };
};

class TabsRow : public juce::Component
{
public:
    TabsRow()
    {
        for (auto name : { "Kick", "Snare", "Hat", "Perc 1" })
        {
            auto* page = new juce::Label ({}, juce::String ("Page ") + name);
            tabs.addTab (name, juce::Colour (0xff2b2b2b), page);
        }
        tabs.setCurrentTabIndex (1);
        addAndMakeVisible (tabs);
    }

    void resized() override { tabs.setBounds (getLocalBounds()); }

private:
    MyTabbedComponent tabs;
};

// The framework widgets as the look and feel draws them.
class FrameworkWidgetsRow : public Strip
{
public:
    FrameworkWidgetsRow()
    {
        auto combo = std::make_unique<juce::ComboBox>();
        combo->addItem ("Framework combo", 1);
        combo->setSelectedId (1, juce::dontSendNotification);
        add (std::move (combo), 150);

        add (std::make_unique<juce::TextButton> ("Text button"), 100);
        auto toggle = std::make_unique<juce::ToggleButton> ("Toggle");
        toggle->setToggleState (true, juce::dontSendNotification);
        add (std::move (toggle), 90);

        auto editor = std::make_unique<juce::TextEditor>();
        editor->setText ("Text editor");
        add (std::move (editor), 120);

        auto scroll = std::make_unique<juce::ScrollBar> (false);
        scroll->setRangeLimits (0.0, 100.0);
        scroll->setCurrentRange (30.0, 25.0);
        add (std::move (scroll), 140);

        auto header = std::make_unique<juce::TableHeaderComponent>();
        header->addColumn ("Name", 1, 90);
        header->addColumn ("Size", 2, 70);
        header->setSortColumnId (1, true);
        add (std::move (header), 170);

        auto bar = std::make_unique<juce::TabbedComponent> (juce::TabbedButtonBar::TabsAtTop);
        bar->addTab ("One", juce::Colour (0xff2b2b2b), nullptr, false);
        bar->addTab ("Two", juce::Colour (0xff2b2b2b), nullptr, false);
        add (std::move (bar), 140);
    }
};

// An open pop-up menu, an open combo box pop-up, a tooltip and a call-out box,
// drawn in place (the real ones are windows of their own, which a picture of
// the gallery does not show).
class MenuPicture : public juce::Component
{
public:
    MenuPicture()
    {
        menu.addItem (1, "Bus 1-2", true, true);
        menu.addItem (2, "Bus 3-4");
        menu.addSeparator();
        menu.addItem (3, "Disabled", false);
        juce::PopupMenu more;
        more.addItem (4, "Bus 5-6");
        menu.addSubMenu ("More", more);
    }

    void paint (juce::Graphics& g) override { drawMenuInPlace (g, getLookAndFeel(), menu, getWidth(), getHeight(), 1); }

private:
    juce::PopupMenu menu;
};

// A custom combo box with its pop-up open below it: the menu the box itself
// builds (the chosen item ticked).
class ComboPopupPicture : public juce::Component
{
public:
    ComboPopupPicture()
    {
        auto* items = box.getRootMenu();
        items->addItem (1, "Main L/R");
        items->addItem (2, "Bus 1-2");
        items->addItem (3, "Bus 3-4");
        items->addItem (4, "Bus 5-6", false);
        box.setSelectedId (2, juce::dontSendNotification);
        box.setHue (3);
        addAndMakeVisible (box);
    }

    void resized() override { box.setBounds (0, 0, getWidth(), 20); }

    void paint (juce::Graphics& g) override
    {
        const auto menu = box.createMenuToShow();
        g.saveState();
        g.setOrigin (0, 21);
        drawMenuInPlace (g, getLookAndFeel(), menu, getWidth(), getHeight() - 21, 2);
        g.restoreState();
    }

private:
    juce::CustomComboBox box { "combo" };
};

class TooltipPicture : public juce::Component
{
public:
    void paint (juce::Graphics& g) override
    {
        const juce::String tip ("This label displays the peak signal level attained (in dB).");
        const auto bounds = getLookAndFeel().getTooltipBounds (tip, {}, { 0, 0, 10000, 10000 });
        g.setOrigin (0, 4);
        getLookAndFeel().drawTooltip (g, tip, bounds.getWidth(), bounds.getHeight());
    }
};

class CallOutPicture : public juce::Component
{
public:
    CallOutPicture()
    {
        content.setSize (110, 40);
        content.setText ("Call-out content", juce::dontSendNotification);
        anchor.setButtonText ("Target");
        addAndMakeVisible (anchor);
    }

    void resized() override
    {
        anchor.setBounds (10, 4, 60, 18);
        if (box == nullptr)
            box = std::make_unique<CustomCallOutBox> (content, anchor.getBounds(), this);
        else
            box->updatePosition (anchor.getBounds(), getLocalBounds());
    }

private:
    juce::TextButton anchor;
    juce::Label content;
    std::unique_ptr<CustomCallOutBox> box;
};

class PopupsRow : public Strip
{
public:
    PopupsRow()
    {
        add (captioned ("open pop-up menu", std::make_unique<MenuPicture>()), 140);
        add (captioned ("open combo box pop-up", std::make_unique<ComboPopupPicture>()), 140);
        add (captioned ("tooltip", std::make_unique<TooltipPicture>()), 260);
        add (captioned ("call-out box", std::make_unique<CallOutPicture>()), 200);
    }
};

const GallerySection::Registrar framework { GallerySection {
    "Meters, combo boxes, tabs, pop-ups and framework widgets",
    60,
    {
        { "PlainVerticalLevelMeter / PlainHorizontalLevelMeter", 90, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<MetersRow>());
          }, true },
        { "CustomComboBox (even hues: item chosen)", 26, [] (int hue) {
              return std::unique_ptr<juce::Component> (std::make_unique<ComboCell> (hue));
          } },
        { "MyTabbedComponent (second tab in front)", 80, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<TabsRow>());
          }, true },
        { "Framework widgets", 40, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<FrameworkWidgetsRow>());
          }, true },
        { "Pop-ups drawn in place", 200, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<PopupsRow>());
          }, true },
    } } };
} // namespace
} // namespace gallery
