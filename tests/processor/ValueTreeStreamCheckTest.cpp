#include "processor/ValueTreeStreamCheck.h"

#include "StateTestSupport.h"

#include <gtest/gtest.h>

using namespace processortest;

namespace
{
// A tree with a value of every kind the framework streams, and nested children.
juce::ValueTree everyKindOfValue()
{
    juce::ValueTree root ("PluginSettings");
    juce::ValueTree node ("PluginSettings");
    node.setProperty ("Int", 7, nullptr);
    node.setProperty ("Int64", juce::int64 (1) << 40, nullptr);
    node.setProperty ("True", true, nullptr);
    node.setProperty ("False", false, nullptr);
    node.setProperty ("Double", 0.25, nullptr);
    node.setProperty ("Text", "Kolvane", nullptr);
    node.setProperty ("Empty", juce::String(), nullptr);
    node.setProperty ("Binary", juce::var (juce::MemoryBlock (300, true)), nullptr);
    juce::Array<juce::var> inner { 1, "two" };
    node.setProperty ("Array", juce::Array<juce::var> { 3, juce::var (inner), juce::var() }, nullptr);
    root.appendChild (node, nullptr);
    node.appendChild (juce::ValueTree ("Deeper"), nullptr);
    return root;
}

TEST (ValueTreeStreamCheck, AcceptsWhatTheFrameworkWritesAndRejectsEveryCutOfIt)
{
    const auto stream = streamOf (everyKindOfValue());
    ASSERT_TRUE (isWellFormedValueTreeStream (stream.getData(), stream.getSize()));
    EXPECT_TRUE (juce::ValueTree::readFromData (stream.getData(), stream.getSize()).isEquivalentTo (everyKindOfValue()));
    for (std::size_t length = 0; length < stream.getSize(); ++length)
        EXPECT_FALSE (isWellFormedValueTreeStream (stream.getData(), length)) << length;
}

// Streams the framework's reader would trust with counts it cannot hold.
TEST (ValueTreeStreamCheck, RejectsCountsAndSizesThatDoNotFitTheStream)
{
    const auto write = [] (auto&& body) {
        juce::MemoryBlock block;
        juce::MemoryOutputStream out (block, false);
        body (out);
        return block;
    };
    const auto rootWithValue = [&] (auto&& value) {
        return write ([&] (juce::MemoryOutputStream& out) {
            out.writeString ("Root");
            out.writeCompressedInt (1);
            out.writeString ("Key");
            value (out);
            out.writeCompressedInt (0);
        });
    };
    const std::vector<std::pair<const char*, juce::MemoryBlock>> cases {
        { "children beyond the stream", childCountStream (1'000'000'000) },
        { "a binary value beyond the stream", binaryValueStream (0x7ffffff0) },
        { "negative children", childCountStream (-3) },
        { "properties beyond the stream", write ([] (juce::MemoryOutputStream& out) {
              out.writeString ("Root");
              out.writeCompressedInt (1'000'000);
          }) },
        { "an empty type", write ([] (juce::MemoryOutputStream& out) {
              out.writeString ({});
              out.writeCompressedInt (0);
              out.writeCompressedInt (0);
          }) },
        { "an array of a billion elements", rootWithValue ([] (juce::MemoryOutputStream& out) {
              out.writeCompressedInt (6);
              out.writeByte (7);
              out.writeCompressedInt (1'000'000'000);
          }) },
        { "an int of two bytes", rootWithValue ([] (juce::MemoryOutputStream& out) {
              out.writeCompressedInt (3);
              out.writeByte (1);
              out.writeShort (5);
          }) },
        { "a size byte of eight", write ([] (juce::MemoryOutputStream& out) {
              out.writeString ("Root");
              out.writeByte (8);
              out.writeInt64 (0);
          }) },
        { "nothing", juce::MemoryBlock() },
    };
    for (const auto& [name, stream] : cases)
        EXPECT_FALSE (isWellFormedValueTreeStream (stream.getData(), stream.getSize())) << name;
}
} // namespace
