// The widget gallery: every widget of the program in every hue.
//   fh_gallery                        shows the gallery in a window
//   fh_gallery --screenshot out.png   writes a PNG picture of it and exits
//   fh_gallery --machine-panels DIR   writes one PNG per machine panel and the modulation
//                                     pages into DIR and exits
// Under a display-less machine: xvfb-run -a ./build/gallery/fh_gallery --screenshot out.png
#include "GalleryComponent.h"
#include "MachinePanelShots.h"
#include "ModulationPageShots.h"

#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <iostream>
#include <memory>

namespace
{
class GalleryWindow : public juce::DocumentWindow
{
public:
    explicit GalleryWindow (std::unique_ptr<gallery::GalleryComponent> content)
        : juce::DocumentWindow ("Widget gallery", juce::Colour (0xFF1E1E1E), juce::DocumentWindow::allButtons)
    {
        auto viewport = std::make_unique<juce::Viewport>();
        viewport->setViewedComponent (content.release(), true);
        setContentOwned (viewport.release(), false);
        setUsingNativeTitleBar (true);
        setResizable (true, false);
        centreWithSize (1600, 1000);
    }

    void closeButtonPressed() override { juce::MessageManager::getInstance()->stopDispatchLoop(); }
};

bool writeScreenshot (juce::Component& component, const juce::File& file)
{
    const auto image = component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
    file.deleteFile();
    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}
} // namespace

int main (int argc, char** argv)
{
    juce::String screenshotPath, machinePanelsPath;
    for (int i = 1; i < argc; ++i)
    {
        const juce::String argument (argv[i]);
        if (argument == "--screenshot" && i + 1 < argc)
            screenshotPath = argv[++i];
        else if (argument == "--machine-panels" && i + 1 < argc)
            machinePanelsPath = argv[++i];
        else
        {
            std::cerr << "usage: fh_gallery [--screenshot out.png | --machine-panels DIR]\n";
            return 2;
        }
    }

    // Count as a standalone JUCE application, so JUCE installs its X error
    // handlers: without them Xlib ends the process on a harmless error, such as
    // an atom that no window manager has registered under Xvfb.
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };

    juce::ScopedJuceInitialiser_GUI gui;
    LookAndFeelCorvanel lookAndFeel;
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
    juce::Typeface::clearTypefaceCache();

    int result = 0;
    if (machinePanelsPath.isNotEmpty())
    {
        const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (machinePanelsPath);
        const int failures = gallery::writeMachinePanelShots (folder) + gallery::writeModulationPageShots (folder);
        result = failures == 0 ? 0 : 1;
    }
    else
    {
        auto content = std::make_unique<gallery::GalleryComponent>();

        if (screenshotPath.isNotEmpty())
        {
            const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (screenshotPath);
            if (writeScreenshot (*content, file))
                std::cout << "wrote " << file.getFullPathName() << " (" << content->getWidth() << " x "
                          << content->getHeight() << ")\n";
            else
            {
                std::cerr << "could not write " << file.getFullPathName() << "\n";
                result = 1;
            }
        }
        else
        {
            GalleryWindow window (std::move (content));
            window.setVisible (true);
            juce::MessageManager::getInstance()->runDispatchLoop();
        }
    }

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    return result;
}
