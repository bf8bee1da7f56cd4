#include "ui/editor/EditorSections.h"

#include "processor/VantuAudioProcessor.h"
#include "ui/editor/VantuKitSoundEditor.h"

// The "Kit Editor" section: the kit editor with its fourteen tabs.
std::unique_ptr<MainTabComponent> makeKitEditorSection (VantuAudioProcessor& processor)
{
    return std::make_unique<VantuKitSoundEditor> (processor);
}
