// Takes JUCE down after the last test of this program, while the message thread
// still exists: the framework's timer thread and other shut-down objects would
// otherwise still run while the process's statics are destroyed.
#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

namespace
{
    struct JuceShutdown : ::testing::Environment
    {
        void TearDown() override
        {
            juce::DeletedAtShutdown::deleteAll();
            juce::MessageManager::deleteInstance();
        }
    };

    [[maybe_unused]] const auto* const juceShutdown = ::testing::AddGlobalTestEnvironment (new JuceShutdown);
}
