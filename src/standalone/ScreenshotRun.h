#pragma once

#include "standalone/StandaloneFilterWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace corvanel
{
// The screenshot command: once the main window has shown for a moment, saves
// "window.png" (the window with its title bar) into the folder, opens the
// "Audio/MIDI Settings" dialog, saves "settings.png", closes the dialog and quits
// the program. Each file written is printed on the standard output. Message thread.
class ScreenshotRun final : private juce::Timer
{
public:
    static constexpr int kSettleMs = 2000;
    static constexpr int kDialogSettleMs = 500;

    ScreenshotRun (StandaloneFilterWindow& window, const juce::File& folder);
    ~ScreenshotRun() override;

    // Saves a picture of a component, at its size on screen, as a PNG file. A child
    // that draws itself through OpenGL leaves its place empty in the component's
    // picture: it is painted over it on its own.
    static bool savePicture (juce::Component& component, const juce::File& file,
                             juce::Component* openGLChild = nullptr);

private:
    void timerCallback() override;

    StandaloneFilterWindow& window;
    const juce::File folder;
    int step = 0;
};
} // namespace corvanel
