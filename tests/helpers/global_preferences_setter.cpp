// Test helper: another process changing the global preferences.
//
//     global_preferences_setter <key> <value> [<key> <value> ...]
//
// Keys: TooltipsEnabled, SliderMouseWheel (0/1), LogLevel (text),
// FernhollowBufferSize, UiScaleFactor (numbers). Exits 0 when every key was known.
#include "foundation/GlobalPreferences.h"

#include <csignal>
#include <functional>
#include <iostream>
#include <map>

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);

    GlobalPreferences preferences (false, false);

    const std::map<juce::String, std::function<void (const juce::String&)>> setters {
        { "TooltipsEnabled", [&] (const juce::String& v) { preferences.setTooltipsEnabled (v.getIntValue() != 0); } },
        { "SliderMouseWheel", [&] (const juce::String& v) { preferences.setSliderMouseWheel (v.getIntValue() != 0); } },
        { "LogLevel", [&] (const juce::String& v) { preferences.setLogLevel (v); } },
        { "FernhollowBufferSize", [&] (const juce::String& v) { preferences.setBufferSize (v.getIntValue()); } },
        { "UiScaleFactor", [&] (const juce::String& v) { preferences.setUiScaleFactor (v.getIntValue()); } },
    };

    for (int i = 1; i + 1 < argc; i += 2)
    {
        const auto it = setters.find (juce::String (argv[i]));
        if (it == setters.end())
        {
            std::cerr << "unknown key " << argv[i] << std::endl;
            return 2;
        }
        it->second (juce::String (juce::CharPointer_UTF8 (argv[i + 1])));
    }

    return 0;
}
