#include "ui/editor/EditorSections.h"

#include "processor/VantuAudioProcessor.h"
#include "ui/editor/SoundBrowser.h"

// The "Sound Browser" section.
std::unique_ptr<MainTabComponent> makeSoundBrowserSection (VantuAudioProcessor& processor)
{
    return std::make_unique<SoundBrowser> (processor);
}
