#include "GallerySection.h"

#include "ui/lookandfeel/CorvanelFonts.h"

#include <unistd.h>

namespace gallery
{
namespace
{
//==============================================================================
// A live alert window, kept at the size it chose for itself (it is taken off
// the desktop and shown inside the gallery).
class AlertHolder : public juce::Component
{
public:
    explicit AlertHolder (std::unique_ptr<juce::AlertWindow> window) : alert (std::move (window))
    {
        addAndMakeVisible (*alert);
    }

    int getAlertWidth() const { return alert->getWidth(); }
    void resized() override { alert->setTopLeftPosition (0, 0); }

private:
    std::unique_ptr<juce::AlertWindow> alert;
};

class AlertsRow : public Strip
{
public:
    AlertsRow()
    {
        auto warning = std::make_unique<juce::AlertWindow> ("Fernhollow Engine not found",
                                                            "Please start the engine, then press Retry.",
                                                            juce::MessageBoxIconType::WarningIcon);
        warning->addButton ("Retry", 1);
        warning->addButton ("Cancel", 0);
        addAlert (std::move (warning));

        auto question = std::make_unique<juce::AlertWindow> ("Save the kit", "Choose a name for the kit.",
                                                             juce::MessageBoxIconType::QuestionIcon);
        question->addTextEditor ("name", "Kit 01", "Name");
        question->addButton ("Save", 1);
        question->addButton ("Cancel", 0);
        addAlert (std::move (question));

        auto info = std::make_unique<juce::AlertWindow> (
            "Total recall",
            "The device's project was stored with the session. To put it back, open the total recall window and press "
            "Recall; the device asks before anything is overwritten.",
            juce::MessageBoxIconType::InfoIcon);
        info->addButton ("OK", 1);
        addAlert (std::move (info));
    }

private:
    void addAlert (std::unique_ptr<juce::AlertWindow> window)
    {
        auto holder = std::make_unique<AlertHolder> (std::move (window));
        const auto width = holder->getAlertWidth();
        add (std::move (holder), width);
    }
};

//==============================================================================
class MenuModel : public juce::MenuBarModel
{
public:
    juce::StringArray getMenuBarNames() override { return { "File", "Edit", "View", "Help" }; }
    juce::PopupMenu getMenuForIndex (int, const juce::String&) override { return {}; }
    void menuItemSelected (int, int) override {}
};

class LiveMenuBar : public juce::Component
{
public:
    LiveMenuBar() { addAndMakeVisible (bar); }
    void resized() override { bar.setBounds (getLocalBounds().withHeight (24)); }

private:
    MenuModel model;
    juce::MenuBarComponent bar { &model };
};

// A menu bar with its second menu open, drawn in place (an open menu needs
// the mouse, which a picture of the gallery does not have).
class MenuBarPicture : public juce::Component
{
public:
    void paint (juce::Graphics& g) override
    {
        auto& lf = getLookAndFeel();
        constexpr int h = 24, itemWidth = 60;
        lf.drawMenuBarBackground (g, getWidth(), h, true, bar);
        const juce::StringArray names { "File", "Edit", "View", "Help" };
        for (int i = 0; i < names.size(); ++i)
        {
            juce::Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (i * itemWidth, 0, itemWidth, h);
            g.setOrigin (i * itemWidth, 0);
            lf.drawMenuBarItem (g, itemWidth, h, i, names[i], false, i == 1, true, bar);
        }
    }

private:
    juce::MenuBarComponent bar;
};

class MenuBarsRow : public Strip
{
public:
    MenuBarsRow()
    {
        add (captioned ("live menu bar", std::make_unique<LiveMenuBar>()), 260);
        add (captioned ("second menu open", std::make_unique<MenuBarPicture>()), 260);
    }
};

//==============================================================================
// A progress bar that owns the value it shows.
class ProgressCell : public juce::Component
{
public:
    explicit ProgressCell (double value, int side = 0) : progress (value), squareSide (side)
    {
        bar.setPercentageDisplay (true);
        addAndMakeVisible (bar);
    }

    void resized() override
    {
        auto area = getLocalBounds();
        bar.setBounds (squareSide > 0 ? area.withSize (squareSide, squareSide) : area.withHeight (juce::jmin (area.getHeight(), 20)));
    }

private:
    double progress;
    int squareSide;
    juce::ProgressBar bar { progress };
};

// An indeterminate bar drawn in place: a live one starts empty and only shows
// its stripes once its timer has run.
class SpinningBarPicture : public juce::Component
{
public:
    void paint (juce::Graphics& g) override
    {
        bar.setSize (getWidth(), 20);
        getLookAndFeel().drawProgressBar (g, bar, getWidth(), 20, -1.0, "Working");
    }

private:
    double progress = -1.0;
    juce::ProgressBar bar { progress };
};

class ProgressRow : public Strip
{
public:
    ProgressRow()
    {
        add (captioned ("40 % (no text on a linear bar)", std::make_unique<ProgressCell> (0.4)), 220);
        add (captioned ("indeterminate", std::make_unique<SpinningBarPicture>()), 220);
        add (captioned ("square: spinning circle", std::make_unique<ProgressCell> (0.4, 30)), 140);
    }
};

//==============================================================================
class ConcertinaCell : public juce::Component
{
public:
    ConcertinaCell()
    {
        for (auto name : { "Kick", "Snare", "Hat" })
        {
            auto* label = new juce::Label ({}, juce::String (name) + " settings");
            label->setJustificationType (juce::Justification::centred);
            panel.addPanel (-1, label, true);
            panel.setPanelHeaderSize (label, 18);
        }
        addAndMakeVisible (panel);
    }

    void resized() override
    {
        panel.setBounds (getLocalBounds());
        panel.expandPanelFully (panel.getPanel (0), false);
    }

private:
    juce::ConcertinaPanel panel;
};

//==============================================================================
class SliderPartsRow : public Strip
{
public:
    SliderPartsRow()
    {
        auto incDec = std::make_unique<juce::Slider> (juce::Slider::IncDecButtons, juce::Slider::TextBoxLeft);
        incDec->setRange (0.0, 127.0, 1.0);
        incDec->setValue (64.0, juce::dontSendNotification);
        add (captioned ("increment / decrement buttons", std::move (incDec)), 160);

        auto linear = std::make_unique<juce::Slider> (juce::Slider::LinearHorizontal, juce::Slider::TextBoxRight);
        linear->setRange (0.0, 1.0, 0.01);
        linear->setValue (0.3, juce::dontSendNotification);
        add (captioned ("text box (double click edits)", std::move (linear)), 260);
    }
};

//==============================================================================
// The framework's file browser on a temporary folder of a few files, loaded
// before the picture is taken.
class FileBrowserCell : public juce::Component
{
public:
    FileBrowserCell()
    {
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getChildFile ("fh_gallery_files_" + juce::String (static_cast<int> (::getpid())));
        folder.getChildFile ("Kits").createDirectory();
        for (auto [name, bytes] : { std::pair { "Kick 01.wav", 24000 }, std::pair { "Snare 02.wav", 18000 },
                                    std::pair { "Hat loop.wav", 96000 } })
        {
            juce::MemoryBlock data (static_cast<size_t> (bytes), true);
            folder.getChildFile (name).replaceWithData (data.getData(), data.getSize());
        }

        browser = std::make_unique<juce::FileBrowserComponent> (
            juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles, folder, nullptr, nullptr);
        addAndMakeVisible (*browser);

        if (auto* display = browser->getDisplayComponent())
        {
            for (int i = 0; i < 200 && display->directoryContentsList.isStillLoading(); ++i)
                juce::Thread::sleep (10);
            if (auto* list = dynamic_cast<juce::ListBox*> (display))
                list->updateContent();
            display->setSelectedFile (folder.getChildFile ("Snare 02.wav"));
        }
    }

    ~FileBrowserCell() override
    {
        browser.reset();
        folder.deleteRecursively();
    }

    void resized() override { browser->setBounds (getLocalBounds()); }

private:
    juce::File folder;
    std::unique_ptr<juce::FileBrowserComponent> browser;
};

const GallerySection::Registrar alertsAndBars { GallerySection {
    "Alert windows, menu bars, progress bars, concertina panels, slider parts and file browsers",
    61,
    {
        { "AlertWindow (live: warning, question with a text editor, long information)", 200, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<AlertsRow>());
          }, true },
        { "MenuBarComponent (items left-aligned)", 40, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<MenuBarsRow>());
          }, true },
        { "ProgressBar", 46, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<ProgressRow>());
          }, true },
        { "ConcertinaPanel (first panel open)", 120, [] (int) {
              auto strip = std::make_unique<Strip>();
              strip->add (std::make_unique<ConcertinaCell>(), 300);
              return std::unique_ptr<juce::Component> (std::move (strip));
          }, true },
        { "Slider buttons and text boxes", 40, [] (int) {
              return std::unique_ptr<juce::Component> (std::make_unique<SliderPartsRow>());
          }, true },
        { "FileBrowserComponent (second file selected)", 240, [] (int) {
              auto strip = std::make_unique<Strip>();
              strip->add (std::make_unique<FileBrowserCell>(), 600);
              return std::unique_ptr<juce::Component> (std::move (strip));
          }, true },
    } } };
} // namespace
} // namespace gallery
