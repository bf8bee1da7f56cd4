#include "ui/editor/EditorSections.h"

#include "processor/VantuAudioProcessor.h"

// The "Kit Editor" section: empty until the kit editor exists.
std::unique_ptr<MainTabComponent> makeKitEditorSection (VantuAudioProcessor&)
{
    return std::make_unique<MainTabComponent>();
}
