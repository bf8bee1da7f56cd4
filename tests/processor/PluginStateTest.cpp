#include "processor/PluginState.h"
#include "processor/PluginStateStream.h"
#include "processor/PluginVolatileState.h"
#include "support/TestEnvironment.h"

#include "StateTestSupport.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using namespace processortest;

namespace
{
const std::vector<juce::String> baseKeys { "AutoSelectDeviceEnabled", "SelectedDeviceUID", "SelectedDeviceName", "UIScale",
                                           "ShowKeyboard" };

// A state whose tree lost its settings node (as a derived class may leave it).
struct StateWithoutSettingsNode : PluginState
{
    StateWithoutSettingsNode() { settings.removeAllChildren (nullptr); }
    juce::ValueTree tree() const { return settings; }
};

class PluginStateTest : public fhtest::AppTest
{
};

TEST_F (PluginStateTest, ANewStateKeepsItsDefaultsOnOneSettingsNodeAndPostsEveryKey)
{
    PluginState state;
    MessageRecorder recorder (state);   // registered after the posts, before their delivery

    const auto tree = treeOf (state);
    EXPECT_EQ (tree.getType(), PluginStateIds::root);
    EXPECT_EQ (tree.getNumProperties(), 0);
    ASSERT_EQ (tree.getNumChildren(), 1);
    const auto node = tree.getChild (0);
    EXPECT_EQ (node.getType(), PluginStateIds::root);
    EXPECT_EQ (node.getNumProperties(), 5);
    EXPECT_EQ (node.getProperty (PluginStateIds::autoSelectDeviceEnabled), juce::var (true));
    EXPECT_TRUE (node.getProperty (PluginStateIds::selectedDeviceUid).isInt());   // 32 bits until the first write
    EXPECT_EQ (static_cast<int> (node.getProperty (PluginStateIds::selectedDeviceUid)), 0);
    EXPECT_EQ (node.getProperty (PluginStateIds::selectedDeviceName).toString(), "No Device Selected");
    EXPECT_EQ (static_cast<int> (node.getProperty (PluginStateIds::uiScale)), 100);
    EXPECT_EQ (node.getProperty (PluginStateIds::showKeyboard), juce::var (false));

    EXPECT_EQ (recorder.waitFor (5), baseKeys);
    EXPECT_EQ (state.getSelectedDeviceNameOrDefault(), "No Device Selected");
}

TEST_F (PluginStateTest, EverySetterStoresItsTypeAndPostsTheKeyEvenWhenTheValueStays)
{
    PluginState state;
    MessageRecorder recorder (state);
    recorder.waitFor (5);
    recorder.clear();

    state.setInt64Property (PluginStateIds::selectedDeviceUid, 0x7fffffff12345678);
    state.setInt64Property (PluginStateIds::selectedDeviceUid, 0x7fffffff12345678);
    state.setSelectedDeviceName ("Kolvane");
    state.setBoolProperty (PluginStateIds::autoSelectDeviceEnabled, false);
    state.setIntProperty (PluginStateIds::uiScale, 125);
    state.setIntProperty (PluginStateIds::uiScale, 125);

    EXPECT_EQ (recorder.waitFor (6), (std::vector<juce::String> { "SelectedDeviceUID", "SelectedDeviceUID", "SelectedDeviceName",
                                                                  "AutoSelectDeviceEnabled", "UIScale", "UIScale" }));
    // The message is the identifier's own text, comparable by identity.
    EXPECT_EQ (juce::Identifier (recorder.messages[0]), PluginStateIds::selectedDeviceUid);

    const auto node = treeOf (state).getChild (0);
    EXPECT_TRUE (node.getProperty (PluginStateIds::selectedDeviceUid).isInt64());
    EXPECT_TRUE (node.getProperty (PluginStateIds::uiScale).isInt());
    EXPECT_TRUE (node.getProperty (PluginStateIds::autoSelectDeviceEnabled).isBool());
    EXPECT_TRUE (node.getProperty (PluginStateIds::selectedDeviceName).isString());
    EXPECT_EQ (state.getInt64Property (PluginStateIds::selectedDeviceUid, 0), 0x7fffffff12345678);
    EXPECT_FALSE (state.getBoolProperty (PluginStateIds::autoSelectDeviceEnabled, true));
    EXPECT_EQ (state.getIntProperty (PluginStateIds::uiScale, 0), 125);
    EXPECT_EQ (state.getSelectedDeviceName ({}), "Kolvane");
}

// A key read from an existing settings node without it, and from a tree without a settings node.
struct MissingKeyCase
{
    const char* name;
    std::function<juce::var (const PluginState&)> read;
    juce::var withNode;      // what a missing key reads as
    juce::var withoutNode;   // the caller's default
};

TEST_F (PluginStateTest, AMissingKeyReadsAsEmptyAndOnlyAMissingSettingsNodeGivesTheDefault)
{
    const juce::Identifier missing ("NotThere");
    const std::vector<MissingKeyCase> cases {
        { "bool", [&] (const PluginState& s) { return juce::var (s.getBoolProperty (missing, true)); }, false, true },
        { "int", [&] (const PluginState& s) { return juce::var (s.getIntProperty (missing, 7)); }, 0, 7 },
        { "int64", [&] (const PluginState& s) { return juce::var (s.getInt64Property (missing, 9)); }, 0, 9 },
    };
    PluginState withNode;
    StateWithoutSettingsNode withoutNode;
    for (const auto& c : cases)
    {
        EXPECT_EQ (c.read (withNode), c.withNode) << c.name;
        EXPECT_EQ (c.read (withoutNode), c.withoutNode) << c.name;
    }
    withNode.getLock().enter();   // re-entrant: a holder may read and write
    withNode.setSelectedDeviceName ({});
    withNode.getLock().exit();
    EXPECT_EQ (withNode.getSelectedDeviceName ("default"), "");
    EXPECT_EQ (withoutNode.getSelectedDeviceName ("default"), "default");
    EXPECT_EQ (withoutNode.getSelectedDeviceNameOrDefault(), "No Device Selected");

    // The first setter creates the settings node as the root's last child.
    withoutNode.tree().appendChild (juce::ValueTree ("Other"), nullptr);
    withoutNode.setIntProperty (PluginStateIds::uiScale, 80);
    ASSERT_EQ (withoutNode.tree().getNumChildren(), 2);
    EXPECT_EQ (withoutNode.tree().getChild (1).getType(), PluginStateIds::root);
    EXPECT_EQ (withoutNode.getIntProperty (PluginStateIds::uiScale, 0), 80);
    EXPECT_FALSE (withoutNode.getBoolProperty (missing, true));
}

// A loaded tree's settings and what the upgrade makes of the selection keys.
struct LoadCase
{
    const char* name;
    std::vector<std::pair<const char*, juce::var>> properties;
    bool expectedAutoSelect;
};

TEST_F (PluginStateTest, ReplaceStateUpgradesTheLoadedTreeKeepsItsExtrasAndPostsEveryKey)
{
    const std::vector<LoadCase> cases {
        { "neither key", { { "Extra", "kept" } }, true },
        { "a stored device", { { "SelectedDeviceUID", juce::int64 (0x1234) } }, false },
        { "both keys", { { "SelectedDeviceUID", juce::int64 (0x1234) }, { "AutoSelectDeviceEnabled", true } }, true },
    };
    for (const auto& c : cases)
    {
        PluginState state;
        MessageRecorder recorder (state);
        recorder.waitFor (5);
        recorder.clear();

        juce::ValueTree root ("AnyRootType");   // only the settings child is looked for
        juce::ValueTree node (PluginStateIds::root);
        for (const auto& [key, value] : c.properties)
            node.setProperty (key, value, nullptr);
        node.setProperty ("UIScale", 150, nullptr);
        root.appendChild (node, nullptr);

        ASSERT_TRUE (state.replaceState (root)) << c.name;
        EXPECT_EQ (state.getBoolProperty (PluginStateIds::autoSelectDeviceEnabled, ! c.expectedAutoSelect),
                   c.expectedAutoSelect) << c.name;
        EXPECT_EQ (state.getIntProperty (PluginStateIds::uiScale, 0), 150) << c.name;
        EXPECT_EQ (state.getSelectedDeviceName ({}), "No Device Selected") << c.name;
        EXPECT_EQ (recorder.waitFor (5), baseKeys) << c.name;

        // Extras go back out with the next save, in the whole tree as loaded.
        juce::MemoryBlock saved;
        writePluginStateStream (state, saved);
        const auto written = juce::ValueTree::readFromData (saved.getData(), saved.getSize());
        EXPECT_EQ (written.getType().toString(), "AnyRootType") << c.name;
        EXPECT_EQ (written.getChild (0).getProperty ("Extra"), node.getProperty ("Extra")) << c.name;
    }
}

TEST_F (PluginStateTest, ATreeWithoutSettingsOrAStreamThatDoesNotParseLeavesTheStateAsItWas)
{
    PluginState state;
    state.setIntProperty (PluginStateIds::uiScale, 75);
    MessageRecorder recorder (state);
    recorder.waitFor (6);
    recorder.clear();
    juce::MemoryBlock before;
    writePluginStateStream (state, before);

    juce::ValueTree noSettings (PluginStateIds::root);
    noSettings.appendChild (juce::ValueTree ("Other"), nullptr);
    EXPECT_FALSE (state.replaceState (noSettings));

    // Streams: garbage, cut short, and counts far larger than the stream.
    juce::MemoryBlock valid;
    writePluginStateStream (state, valid);
    const std::vector<std::pair<const char*, juce::MemoryBlock>> streams {
        { "text", juce::MemoryBlock ("not a tree at all", 17) },
        { "cut short", juce::MemoryBlock (valid.getData(), valid.getSize() / 2) },
        { "a billion children", childCountStream (1'000'000'000) },
        { "a two-gigabyte value", binaryValueStream (0x7ffffff0) },
        { "a root without settings", streamOf (noSettings) },
    };
    for (const auto& [name, stream] : streams)
        EXPECT_FALSE (readPluginStateStream (state, stream.getData(), static_cast<int> (stream.getSize()))) << name;
    EXPECT_FALSE (readPluginStateStream (state, nullptr, 0));

    juce::MemoryBlock after;
    writePluginStateStream (state, after);
    EXPECT_EQ (after, before);
    fhtest::pumpFor (100ms);
    EXPECT_TRUE (recorder.messages.empty());

    // The valid stream still loads.
    EXPECT_TRUE (readPluginStateStream (state, valid.getData(), static_cast<int> (valid.getSize())));
    EXPECT_EQ (state.getIntProperty (PluginStateIds::uiScale, 0), 75);
}

TEST_F (PluginStateTest, TheVolatileStateStoresItsSelectionsAndPostsAnEmptyMessageForEach)
{
    PluginVolatileState state;
    EXPECT_EQ (state.getSelectedTrack(), 0);
    EXPECT_EQ (state.getSelectedTab(), 0);
    MessageRecorder recorder (state);

    state.setSelectedTrack (-1);
    state.setSelectedTab (13);
    state.setSelectedTab (-1);
    EXPECT_EQ (recorder.waitFor (3), (std::vector<juce::String> { {}, {}, {} }));
    EXPECT_EQ (state.getSelectedTrack(), -1);
    EXPECT_EQ (state.getSelectedTab(), -1);
}
} // namespace
