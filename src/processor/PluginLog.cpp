#include "processor/PluginLog.h"

#include "foundation/Logger.h"

juce::String pluginLogFileName (const juce::String& processorName, juce::PluginHostType::HostType hostType)
{
    return (processorName + " " + juce::String (static_cast<int> (hostType))).replaceCharacter (' ', '_') + ".log";
}

void openPluginLogFile (const GlobalPreferencesIfc& preferences, const juce::String& processorName,
                        const HostContext& context, const juce::String& wrapperName)
{
    CorvanelLogger::initialise (readLoggerSettings (preferences),
                                pluginLogFileName (processorName, context.hostType).toStdString());
    FH_LOG (spdlog::level::info, "Logger created for {} {} plugin. Fernhollow version: {}", processorName.toStdString(),
            wrapperName.toStdString(), FH_VERSION_STRING);
    FH_LOG (spdlog::level::info, "{}", getSystemDescription());
}

void flushPluginLog() noexcept
{
    try
    {
        if (auto logger = std::atomic_load (&gLogger))
            logger->flush();
    }
    catch (...)
    {
    }
}
