#pragma once

#include "ui/editor/MainTabComponent.h"

#include <memory>

class VantuAudioProcessor;

// The main content's two sections, one factory each, each in a file of its own
// (KitEditorSectionSlot.cpp, SoundBrowserSectionSlot.cpp): a section's code
// replaces its factory's one line. Message thread.
std::unique_ptr<MainTabComponent> makeKitEditorSection (VantuAudioProcessor& processor);
std::unique_ptr<MainTabComponent> makeSoundBrowserSection (VantuAudioProcessor& processor);
