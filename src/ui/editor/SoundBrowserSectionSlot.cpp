#include "ui/editor/EditorSections.h"

#include "processor/VantuAudioProcessor.h"

// The "Sound Browser" section: empty until the sound browser exists.
std::unique_ptr<MainTabComponent> makeSoundBrowserSection (VantuAudioProcessor&)
{
    return std::make_unique<MainTabComponent>();
}
