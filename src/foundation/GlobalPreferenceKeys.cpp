#include "foundation/GlobalPreferenceKeys.h"

#include "platform/AppDataPaths.h"

namespace GlobalPreferenceKeys
{
// Ranges: the engine's block is at most 512 samples; a margin is a positive
// percentage; the rotating log needs a positive size and a sane file count.
const Key bufferSize { "FernhollowBufferSize", Kind::integer, "128", nullptr, 16, 512 };
const Key bufferSafetyMargin { "FernhollowBufferSafetyMargin", Kind::integer, "100", nullptr, 1, 1000 };
const Key uiScaleFactor { "UiScaleFactor", Kind::integer, "100", nullptr };
const Key tooltipsEnabled { "TooltipsEnabled", Kind::boolean, "0", nullptr };
const Key sliderMouseWheel { "SliderMouseWheel", Kind::boolean, "0", nullptr };
const Key showWelcomeScreen { "ShowWelcomeScreen", Kind::boolean, "1", "0" };
const Key isShowingWelcomeScreen { "IsShowingWelcomeScreen", Kind::boolean, "0", nullptr };
const Key bufferSizeNotificationDismissed { "BufferSizeNotificationDismissed", Kind::boolean, "0", nullptr };
const Key windowsPowerPlanNotificationDismissed { "WindowsPowerPlanNotificationDismissed", Kind::boolean, "0", nullptr };
const Key serverIpAddress { "ServerIpAddress", Kind::text, "127.0.0.1", nullptr };
const Key audioCaptureFolder { "AudioCaptureFolder", Kind::folder, nullptr, nullptr };
const Key checkForUpdates { "CheckForUpdates", Kind::boolean, "1", nullptr };
const Key autoStartEngine { "AutoStartEngine", Kind::boolean, "1", nullptr };
const Key logLevel { "LogLevel", Kind::text, "off", nullptr };
const Key logNumFiles { "LogNumFiles", Kind::integer, "10", nullptr, 0, 1000 };
const Key logFileSize { "LogFileSize", Kind::integer, "10485760", nullptr, 1 };
const Key logFlushLevel { "LogFlushLevel", Kind::text, "warn", nullptr };
const Key osUpgradeNeedsConfirm { "OSUpgradeNeedsConfirm", Kind::boolean, "1", nullptr };
const Key disableOpenGL { "DisableOpenGL", Kind::boolean, "0", nullptr };

const Key* const watched[12] = {
    &bufferSize, &bufferSafetyMargin, &uiScaleFactor, &tooltipsEnabled, &sliderMouseWheel, &showWelcomeScreen,
    &isShowingWelcomeScreen, &checkForUpdates, &bufferSizeNotificationDismissed,
    &windowsPowerPlanNotificationDismissed, &audioCaptureFolder, &disableOpenGL,
};

namespace
{
    std::optional<juce::int64> parseInteger (const juce::String& stored)
    {
        const auto text = stored.trim();
        const bool negative = text.startsWithChar ('-');
        const auto digits = negative || text.startsWithChar ('+') ? text.substring (1) : text;

        if (digits.isEmpty() || digits.length() > 12 || ! digits.containsOnly ("0123456789"))
            return std::nullopt;

        const auto magnitude = digits.getLargeIntValue();
        return negative ? -magnitude : magnitude;
    }
} // namespace

std::optional<juce::String> usable (const Key& key, const juce::String& stored)
{
    switch (key.kind)
    {
        case Kind::integer:
        {
            const auto value = parseInteger (stored);
            if (! value || *value < key.minimum || *value > key.maximum)
                return std::nullopt;
            return juce::String (*value);
        }

        case Kind::boolean:
        {
            const auto value = parseInteger (stored);
            if (! value)
                return std::nullopt;
            return juce::String (*value != 0 ? "1" : "0");
        }

        case Kind::folder:
            if (! juce::File::isAbsolutePath (stored))
                return std::nullopt;
            return stored;

        case Kind::text:
            return stored;
    }

    return std::nullopt;
}

juce::String defaultText (const Key& key)
{
    if (key.defaultText == nullptr)
        return AppDataPaths::musicFolder().getFullPathName();

    return key.defaultText;
}

juce::String noFileText (const Key& key)
{
    return key.noFileText != nullptr ? juce::String (key.noFileText) : defaultText (key);
}
} // namespace GlobalPreferenceKeys
