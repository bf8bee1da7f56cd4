#pragma once

#include <juce_core/juce_core.h>

#include <limits>
#include <optional>

// The keys of "Global.settings": how each is stored, which stored texts can be
// used, and what is returned when a key is in neither file (default) or when
// there is no file at all. Values are stored as the framework's property texts:
// integers in decimal, booleans as 1 and 0, texts as they are.
namespace GlobalPreferenceKeys
{
    enum class Kind
    {
        integer,   // decimal integer within [minimum, maximum]
        boolean,   // an integer; anything but 0 is true
        text,      // any text
        folder,    // an absolute path
    };

    struct Key
    {
        const char* name;
        Kind kind;
        const char* defaultText;   // nullptr: the user's music folder
        const char* noFileText;    // nullptr: the same as the default
        int minimum = std::numeric_limits<int>::min();
        int maximum = std::numeric_limits<int>::max();
    };

    extern const Key bufferSize;
    extern const Key bufferSafetyMargin;
    extern const Key uiScaleFactor;
    extern const Key tooltipsEnabled;
    extern const Key sliderMouseWheel;
    extern const Key showWelcomeScreen;
    extern const Key isShowingWelcomeScreen;
    extern const Key bufferSizeNotificationDismissed;
    extern const Key windowsPowerPlanNotificationDismissed;
    extern const Key serverIpAddress;
    extern const Key audioCaptureFolder;
    extern const Key checkForUpdates;
    extern const Key autoStartEngine;
    extern const Key logLevel;
    extern const Key logNumFiles;
    extern const Key logFileSize;
    extern const Key logFlushLevel;
    extern const Key osUpgradeNeedsConfirm;
    extern const Key disableOpenGL;

    // The keys whose changes are reported to listeners, in the order they are compared.
    extern const Key* const watched[12];

    // The stored text in its canonical form when it can be used for the key, else nothing.
    std::optional<juce::String> usable (const Key& key, const juce::String& stored);

    juce::String defaultText (const Key& key);
    juce::String noFileText (const Key& key);
}
