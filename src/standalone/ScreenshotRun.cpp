#include "standalone/ScreenshotRun.h"

#include "foundation/Logger.h"

#include <iostream>

namespace corvanel
{
ScreenshotRun::ScreenshotRun (StandaloneFilterWindow& mainWindow, const juce::File& target)
    : window (mainWindow), folder (target)
{
    startTimer (kSettleMs);
}

ScreenshotRun::~ScreenshotRun()
{
    stopTimer();
}

bool ScreenshotRun::savePicture (juce::Component& component, const juce::File& file, juce::Component* openGLChild)
{
    if (component.getWidth() <= 0 || component.getHeight() <= 0)
        return false;
    auto image = component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
    if (openGLChild != nullptr && component.isParentOf (openGLChild))
    {
        juce::Graphics g (image);
        g.setOrigin (component.getLocalPoint (openGLChild, juce::Point<int>()));
        g.reduceClipRegion (openGLChild->getLocalBounds());
        openGLChild->paintEntireComponent (g, false);
    }
    file.deleteFile();
    juce::FileOutputStream stream (file);
    juce::PNGImageFormat png;
    const bool written = stream.openedOk() && png.writeImageToStream (image, stream);
    if (written)
        std::cout << file.getFullPathName() << std::endl;
    else
        FH_LOG (spdlog::level::err, "Could not write the picture {}", file.getFullPathName().toStdString());
    return written;
}

void ScreenshotRun::timerCallback()
{
    if (! folder.isDirectory() && ! folder.createDirectory())
    {
        FH_LOG (spdlog::level::err, "Could not create the screenshot folder {}", folder.getFullPathName().toStdString());
        stopTimer();
        juce::JUCEApplicationBase::quit();
        return;
    }

    if (step == 0)
    {
        auto* content = dynamic_cast<StandaloneFilterWindow::MainContentComponent*> (window.getContentComponent());
        savePicture (window, folder.getChildFile ("window.png"), content != nullptr ? content->getEditor() : nullptr);
        window.getPluginHolder().showAudioSettingsDialog();
        step = 1;
        startTimer (kDialogSettleMs);
        return;
    }

    stopTimer();
    if (auto* dialog = juce::Component::getCurrentlyModalComponent())
    {
        savePicture (*dialog, folder.getChildFile ("settings.png"));
        dialog->exitModalState (0);
    }
    juce::JUCEApplicationBase::quit();
}
} // namespace corvanel
