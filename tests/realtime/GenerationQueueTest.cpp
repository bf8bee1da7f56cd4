#include "realtime/GenerationQueue.h"

#include <gtest/gtest.h>

namespace
{
struct Item
{
    int value = 0;
    std::uint32_t generation = 0;
};

TEST (GenerationQueueTest, PeekLeavesTheItemAndANewGenerationDropsTheOlderItems)
{
    GenerationQueue<Item, 8> queue;
    ASSERT_TRUE (queue.push ({ 1, 0 }));
    ASSERT_TRUE (queue.push ({ 2, 0 }));
    Item item;
    ASSERT_TRUE (queue.peek (item));
    EXPECT_EQ (item.value, 1);
    ASSERT_TRUE (queue.peek (item));
    EXPECT_EQ (item.value, 1) << "peeking twice takes nothing";
    queue.pop();

    // A reset asked for while item 2 is held and item 3 is still queued: both go;
    // the producer's items of the new generation stay.
    ASSERT_TRUE (queue.peek (item));
    EXPECT_EQ (item.value, 2);
    ASSERT_TRUE (queue.push ({ 3, 0 }));
    ASSERT_TRUE (queue.push ({ 4, 1 }));
    queue.setGeneration (1);
    ASSERT_TRUE (queue.peek (item));
    EXPECT_EQ (item.value, 4);
    queue.pop();
    EXPECT_FALSE (queue.peek (item));
}
} // namespace
