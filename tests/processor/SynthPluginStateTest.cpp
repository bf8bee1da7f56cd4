#include "processor/SynthPluginState.h"
#include "support/TestEnvironment.h"

#include "StateTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace std::chrono_literals;
using namespace processortest;

namespace
{
namespace ids = PluginStateIds;

// A state as the factory makes it, with its start-up messages delivered and forgotten.
class SynthPluginStateTest : public fhtest::AppTest
{
protected:
    SynthPluginStateTest()
    {
        state.upgradeAndSetDefaults();
        recorder.waitFor (startUpMessages().size());
        recorder.clear();
    }

    // The constructor posts the base keys, the factory's upgrade all keys.
    static std::vector<juce::String> startUpMessages()
    {
        auto all = upgradeMessages();
        all.insert (all.begin(), all.begin(), all.begin() + 5);
        return all;
    }

    static std::vector<juce::String> upgradeMessages()
    {
        std::vector<juce::String> all { "AutoSelectDeviceEnabled", "SelectedDeviceUID", "SelectedDeviceName", "UIScale",
                                        "ShowKeyboard" };
        for (const auto* key : { "SyncMode", "TotalRecallAutoSyncEnabled", "TotalRecallTimestamp", "TotalRecallDataCompressed",
                                 "TotalRecallSessionId", "AudioInputRouting1", "AudioInputRouting2", "AudioInputRouting3",
                                 "AudioInputRouting4", "AudioInputRouting5", "AudioInputRouting6", "AudioInputRouting7",
                                 "AudioInputRouting8", "OpenedKeyboard" })
            all.push_back (key);
        return all;
    }

    // Loads a settings node with these properties through replaceState.
    void load (const std::vector<std::pair<juce::Identifier, juce::var>>& properties)
    {
        juce::ValueTree root (ids::root), node (ids::root);
        for (const auto& [key, value] : properties)
            node.setProperty (key, value, nullptr);
        root.appendChild (node, nullptr);
        ASSERT_TRUE (state.replaceState (root));
    }

    juce::ValueTree settingsNode() const { return treeOf (state).getChild (0); }

    SynthPluginState state;
    MessageRecorder recorder { state };
};

TEST_F (SynthPluginStateTest, TheFactorysStateHoldsEveryDefaultAndPostedEachKeyInOrder)
{
    SynthPluginState fresh;
    MessageRecorder messages (fresh);
    fresh.upgradeAndSetDefaults();
    EXPECT_EQ (messages.waitFor (startUpMessages().size()), startUpMessages());

    const auto node = treeOf (fresh).getChild (0);
    EXPECT_EQ (static_cast<int> (node.getProperty (ids::syncMode)), 2);
    EXPECT_EQ (node.getProperty (ids::totalRecallAutoSyncEnabled), juce::var (false));
    EXPECT_TRUE (node.getProperty (ids::totalRecallTimestamp).isInt64());
    EXPECT_EQ (static_cast<juce::int64> (node.getProperty (ids::totalRecallTimestamp)), 0);
    EXPECT_TRUE (node.getProperty (ids::totalRecallDataCompressed).isString());
    EXPECT_TRUE (node.getProperty (ids::totalRecallDataCompressed).toString().isEmpty());
    EXPECT_EQ (static_cast<int> (node.getProperty (ids::totalRecallSessionId)), 0);
    for (int input = 0; input < 8; ++input)
        EXPECT_EQ (fresh.getAudioInputRouting (input), -1) << input;
    EXPECT_EQ (node.getProperty (ids::openedKeyboard), juce::var (false));
    EXPECT_FALSE (node.hasProperty (ids::openedPads));   // never written; reads as false
    EXPECT_FALSE (fresh.getBoolProperty (ids::openedPads, true));
}

struct SyncModeCase
{
    const char* name;
    std::optional<bool> seqSync, songPosition;
    std::optional<int> storedMode;
    int expectedMode;
    bool oldKeysRemain;
};

TEST_F (SynthPluginStateTest, TheTwoOldSyncFlagsBecomeOneSyncModeOnlyWhenBothArePresent)
{
    const std::vector<SyncModeCase> cases {
        { "sync off", false, false, std::nullopt, 1, false },
        { "sync off, song position on", false, true, std::nullopt, 1, false },
        { "sync on", true, false, std::nullopt, 2, false },
        { "sync with song position", true, true, std::nullopt, 3, false },
        { "the old flags win over a stored mode", true, true, 0, 3, false },
        { "only the sync flag", true, std::nullopt, std::nullopt, 2, true },
        { "only the song position flag, with a mode", std::nullopt, true, 1, 1, true },
        { "neither", std::nullopt, std::nullopt, 0, 0, false },
    };
    for (const auto& c : cases)
    {
        std::vector<std::pair<juce::Identifier, juce::var>> properties;
        if (c.seqSync)
            properties.emplace_back (ids::seqSyncEnabled, *c.seqSync);
        if (c.songPosition)
            properties.emplace_back (ids::seqSyncSppEnabled, *c.songPosition);
        if (c.storedMode)
            properties.emplace_back (ids::syncMode, *c.storedMode);
        load (properties);

        EXPECT_EQ (state.getIntProperty (ids::syncMode, -1), c.expectedMode) << c.name;
        const auto node = settingsNode();
        EXPECT_EQ (node.hasProperty (ids::seqSyncEnabled), c.oldKeysRemain && c.seqSync.has_value()) << c.name;
        EXPECT_EQ (node.hasProperty (ids::seqSyncSppEnabled), c.oldKeysRemain && c.songPosition.has_value()) << c.name;
    }
}

struct AutoSyncCase
{
    const char* name;
    juce::var oldFlag;
    std::optional<bool> current;
    juce::var expected;
};

TEST_F (SynthPluginStateTest, TheAutoSyncFlagStoredUnderTheTreesOwnNameMovesToItsKey)
{
    fhtest::ScopedLogCapture log;
    const std::vector<AutoSyncCase> cases {
        { "true over false", true, false, true },
        { "false over true", false, true, false },
        { "alone", true, std::nullopt, true },
        { "any type is copied as it is", 5, false, 5 },
    };
    for (const auto& c : cases)
    {
        std::vector<std::pair<juce::Identifier, juce::var>> properties { { ids::root, c.oldFlag } };
        if (c.current)
            properties.emplace_back (ids::totalRecallAutoSyncEnabled, *c.current);
        load (properties);
        EXPECT_EQ (settingsNode().getProperty (ids::totalRecallAutoSyncEnabled), c.expected) << c.name;
        EXPECT_FALSE (settingsNode().hasProperty (ids::root)) << c.name;
    }
    EXPECT_EQ (log.count ("Correcting property ID for TotalRecallAutoSyncEnabled"), static_cast<int> (cases.size()));

    load ({ { ids::totalRecallAutoSyncEnabled, true } });
    EXPECT_TRUE (state.getBoolProperty (ids::totalRecallAutoSyncEnabled, false));
    EXPECT_EQ (log.count ("Correcting property ID for TotalRecallAutoSyncEnabled"), static_cast<int> (cases.size()));
}

TEST_F (SynthPluginStateTest, ALoadedStateIsAnnouncedAfterItsKeysAsPluginSettings)
{
    load ({ { ids::syncMode, 1 } });
    auto expected = upgradeMessages();
    expected.push_back ("PluginSettings");
    EXPECT_EQ (recorder.waitFor (expected.size()), expected);
}

struct RoutingCase
{
    const char* name;
    std::vector<int> before;   // inputs 0..7
    int input, target;
    std::vector<int> after;
    std::vector<juce::String> messages;
};

TEST_F (SynthPluginStateTest, ADeviceInputIsHeldByOneSidechainInputAndTheClearedOneIsPostedFirst)
{
    const std::vector<int> none (8, -1);
    const std::vector<RoutingCase> cases {
        { "route to a free input", none, 3, 2, { -1, -1, -1, 2, -1, -1, -1, -1 }, { "AudioInputRouting4" } },
        { "take an input from another", { 2, -1, -1, -1, -1, -1, -1, -1 }, 3, 2, { -1, -1, -1, 2, -1, -1, -1, -1 },
          { "AudioInputRouting1", "AudioInputRouting4" } },
        { "route again to the same", { -1, -1, -1, 2, -1, -1, -1, -1 }, 3, 2, { -1, -1, -1, 2, -1, -1, -1, -1 },
          { "AudioInputRouting4" } },
        { "clear", { 0, 1, 2, 3, -1, -1, -1, -1 }, 1, -1, { 0, -1, 2, 3, -1, -1, -1, -1 }, { "AudioInputRouting2" } },
        { "clearing leaves other unrouted inputs alone", { -1, 0, -1, -1, -1, -1, -1, -1 }, 0, -1, { -1, 0, -1, -1, -1, -1, -1, -1 },
          { "AudioInputRouting1" } },
        { "a channel beyond the device is taken as it comes", none, 7, 9, { -1, -1, -1, -1, -1, -1, -1, 9 },
          { "AudioInputRouting8" } },
        { "input 8 is ignored", none, 8, 2, none, {} },
        { "input -1 is ignored", none, -1, 2, none, {} },
    };
    for (const auto& c : cases)
    {
        for (int input = 0; input < 8; ++input)
            state.setIntProperty (ids::audioInputRouting[static_cast<std::size_t> (input)], c.before[static_cast<std::size_t> (input)]);
        recorder.waitFor (8);
        recorder.clear();

        state.setAudioInputRouting (c.input, c.target);
        fhtest::pumpFor (50ms);
        EXPECT_EQ (recorder.waitFor (c.messages.size()), c.messages) << c.name;
        recorder.clear();
        for (int input = 0; input < 8; ++input)
            EXPECT_EQ (state.getAudioInputRouting (input), c.after[static_cast<std::size_t> (input)]) << c.name << " " << input;
    }
    EXPECT_EQ (state.getAudioInputRouting (8), -1);
    EXPECT_EQ (state.getAudioInputRouting (-1), -1);
}

TEST_F (SynthPluginStateTest, TheImageIsStoredInTheFrameworksBase64FormAndReadBackWhole)
{
    std::mt19937 random (20);
    for (const std::size_t size : { 1u, 2u, 3u, 4u, 5u, 6u, 255u, 4096u, 100001u })
    {
        juce::MemoryBlock image (size);
        for (std::size_t i = 0; i < size; ++i)
            static_cast<std::uint8_t*> (image.getData())[i] = static_cast<std::uint8_t> (random());

        const auto before = juce::Time::currentTimeMillis();
        state.setTotalRecallData (image);
        const auto after = juce::Time::currentTimeMillis();
        EXPECT_EQ (settingsNode().getProperty (ids::totalRecallDataCompressed).toString(), image.toBase64Encoding()) << size;
        const auto stamp = state.getInt64Property (ids::totalRecallTimestamp, 0);
        EXPECT_GE (stamp, before) << size;
        EXPECT_LE (stamp, after) << size;

        juce::MemoryBlock read;
        EXPECT_TRUE (state.getTotalRecallData (read)) << size;
        EXPECT_EQ (read, image) << size;
    }
    EXPECT_EQ (recorder.waitFor (18).size(), 18u);
    for (std::size_t i = 0; i < recorder.messages.size(); i += 2)
    {
        EXPECT_EQ (recorder.messages[i], "TotalRecallTimestamp");
        EXPECT_EQ (recorder.messages[i + 1], "TotalRecallDataCompressed");
    }

    // An empty image: the text "0." and no time stamp; nothing to read back.
    state.setTotalRecallData ({});
    EXPECT_EQ (settingsNode().getProperty (ids::totalRecallDataCompressed).toString(), "0.");
    EXPECT_EQ (state.getInt64Property (ids::totalRecallTimestamp, -1), 0);
    juce::MemoryBlock read;
    EXPECT_FALSE (state.getTotalRecallData (read));
    EXPECT_EQ (read.getSize(), 0u);
}

TEST_F (SynthPluginStateTest, AnImageTextWhoseCountDoesNotFitItsLettersIsRefusedAndKept)
{
    fhtest::ScopedLogCapture log;
    juce::MemoryBlock sample ("Kolvane", 7);
    const auto good = sample.toBase64Encoding();   // "7." and ten letters
    const std::vector<std::pair<const char*, juce::String>> cases {
        { "a huge count", "99999999999." + good.fromFirstOccurrenceOf (".", false, false) },
        { "a count larger than the letters", "8." + good.fromFirstOccurrenceOf (".", false, false) },
        { "a count smaller than the letters", "6." + good.fromFirstOccurrenceOf (".", false, false) },
        { "a negative count", "-5." + good.fromFirstOccurrenceOf (".", false, false) },
        { "a count with other characters", "7x." + good.fromFirstOccurrenceOf (".", false, false) },
        { "no count", "." + good.fromFirstOccurrenceOf (".", false, false) },
        { "a count and no letters", "7." },
        { "no separator", "SGVsbG8" },
    };
    for (const auto& [name, text] : cases)
    {
        load ({ { ids::totalRecallDataCompressed, text }, { ids::totalRecallSessionId, 1 } });
        const auto errorsBefore = log.count ("Error decoding base64 total recall data");
        juce::MemoryBlock image;
        EXPECT_FALSE (state.getTotalRecallData (image)) << name;
        EXPECT_EQ (image.getSize(), 0u) << name;
        EXPECT_EQ (log.count ("Error decoding base64 total recall data"), errorsBefore + 1) << name;
        EXPECT_EQ (settingsNode().getProperty (ids::totalRecallDataCompressed).toString(), text) << name;
    }

    // Line breaks between the letters are skipped, as the framework does.
    load ({ { ids::totalRecallDataCompressed, good.substring (0, 6) + "\n" + good.substring (6) } });
    juce::MemoryBlock image;
    EXPECT_TRUE (state.getTotalRecallData (image));
    EXPECT_EQ (image, sample);
}

struct HasDataCase
{
    const char* name;
    int sessionId;
    juce::String text;
    bool expected;
};

TEST_F (SynthPluginStateTest, TotalRecallDataNeedsASessionAndANonEmptyText)
{
    const std::vector<HasDataCase> cases {
        { "session and image", 7, "3.abcd", true },
        { "session and the empty image's text", 7, "0.", true },
        { "no session", 0, "3.abcd", false },
        { "session, empty text", 7, juce::String(), false },
    };
    for (const auto& c : cases)
    {
        load ({ { ids::totalRecallSessionId, c.sessionId }, { ids::totalRecallDataCompressed, c.text } });
        EXPECT_EQ (state.hasTotalRecallData(), c.expected) << c.name;
    }
}
} // namespace
