// WalkedList: entries added and removed while the list is walked, nested
// walks, compaction, and walks that allocate nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <vector>

#include "Core/Engine/WalkedList.h"

using KiteFramework::WalkedList;

namespace
{
    // Counts every allocation of this test program, so that a walk can be
    // shown to make none.
    std::size_t allocations = 0;

    std::vector<int> Visit(WalkedList<int>& list)
    {
        std::vector<int> seen;
        list.ForEach([&](int v) { seen.push_back(v); });
        return seen;
    }
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

TEST(WalkedList, RemovalsDuringAWalkAreNeverVisitedAndAdditionsDependOnTheWalk)
{
    WalkedList<int> list;
    for (int v : {1, 2, 3, 4})
        list.Add(v);

    // ForEach: 1 removes 3 (not reached yet) and adds 5, which it reaches;
    // 4 removes itself while being visited.
    std::vector<int> seen;
    list.ForEach([&](int v) {
        seen.push_back(v);
        if (v == 1)
        {
            EXPECT_EQ(list.Remove(3), 1u);
            list.Add(5);
        }
        if (v == 4)
            list.Remove(4);
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(list.Live(), (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_EQ(list.SlotCount(), 3u) << "the tombstones go when the walk ends";
    EXPECT_FALSE(list.IsWalking());

    // ForEachPresent: what is added meanwhile waits for the next walk.
    seen.clear();
    list.ForEachPresent([&](int v) {
        seen.push_back(v);
        if (v == 1)
            list.Add(6);
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(Visit(list), (std::vector<int>{1, 2, 5, 6}));

    // An entry removed and added again during a present-only walk counts as
    // new: its old place is not visited and neither is its new one.
    seen.clear();
    list.ForEachPresent([&](int v) {
        seen.push_back(v);
        if (v == 1)
        {
            list.Remove(5);
            list.Add(5);
        }
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 6}));
    EXPECT_EQ(list.Live(), (std::vector<int>{1, 2, 6, 5}));
}

TEST(WalkedList, NestedWalksCompactOnlyAfterTheOutermostEnds)
{
    WalkedList<int> list;
    for (int v = 0; v < 6; ++v)
        list.Add(v);

    std::vector<int> outer;
    std::vector<int> inner;
    list.ForEach([&](int v) {
        outer.push_back(v);
        if (v != 1)
            return;
        // The inner walk removes entries on both sides of the outer one's
        // position, and the outer's own entry.
        list.ForEach([&](int w) {
            inner.push_back(w);
            if (w == 0 || w == 1 || w == 4)
                list.Remove(w);
        });
        EXPECT_TRUE(list.IsWalking());
        EXPECT_EQ(list.SlotCount(), 6u) << "the outer walk still holds its index";
        EXPECT_EQ(list.Size(), 3u);
    });
    EXPECT_EQ(inner, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(outer, (std::vector<int>{0, 1, 2, 3, 5}));
    EXPECT_EQ(list.SlotCount(), 3u);
    EXPECT_EQ(list.Live(), (std::vector<int>{2, 3, 5}));
}

TEST(WalkedList, ClearDuringAWalkStopsItAndLaterAdditionsStillCount)
{
    WalkedList<int> list;
    for (int v : {1, 2, 3})
        list.Add(v);
    std::vector<int> seen;
    list.ForEach([&](int v) {
        seen.push_back(v);
        if (v == 1)
        {
            list.Clear();
            list.Add(7);
        }
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 7}));
    EXPECT_EQ(list.Live(), std::vector<int>{7});
    EXPECT_FALSE(list.Contains(2));
    EXPECT_EQ(list.Remove(2), 0u);
}

TEST(WalkedList, AValueIsListedOnceHoweverOftenItIsAdded)
{
    // Listed twice, a script or button would run twice a frame.
    WalkedList<int> list;
    EXPECT_TRUE(list.Add(1));
    list.Add(2);
    EXPECT_FALSE(list.Add(1));
    EXPECT_EQ(Visit(list), (std::vector<int>{1, 2}));
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_EQ(list.Remove(1), 1u);
    EXPECT_EQ(list.Live(), std::vector<int>{2});
    // Removed and added again during a walk: listed once more, at the end.
    {
        WalkedList<int>::Walk walk(list);
        list.Remove(2);
        EXPECT_TRUE(list.Add(2));
        EXPECT_FALSE(list.Add(2));
    }
    EXPECT_EQ(Visit(list), std::vector<int>{2});
}

TEST(WalkedList, CompactionKeepsOrderAndRemovalFindsEntriesAfterIt)
{
    // Removing one by one outside walks compacts several times on the way;
    // every later removal must still find the right entries.
    WalkedList<int> list;
    for (int v = 0; v < 100; ++v)
        list.Add(v);
    for (int v = 0; v < 100; v += 2)
        EXPECT_EQ(list.Remove(v), 1u) << v;
    EXPECT_LT(list.SlotCount(), 100u) << "removals outside walks are compacted";
    std::vector<int> odd;
    for (int v = 1; v < 100; v += 2)
        odd.push_back(v);
    EXPECT_EQ(list.Live(), odd);

    for (int v = 99; v > 0; v -= 2)
    {
        EXPECT_TRUE(list.Contains(v));
        EXPECT_EQ(list.Remove(v), 1u) << v;
        EXPECT_FALSE(list.Contains(v));
        odd.pop_back();
        EXPECT_EQ(list.Live(), odd);
    }
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.SlotCount(), 0u);

    // RemoveIf removes as it goes without skipping neighbours.
    for (int v = 0; v < 10; ++v)
        list.Add(v);
    EXPECT_EQ(list.RemoveIf([](int v) { return v < 8; }), 8u);
    EXPECT_EQ(list.Live(), (std::vector<int>{8, 9}));
}

TEST(WalkedList, AWalkLeftByAnExceptionEndsAndCompacts)
{
    WalkedList<int> list;
    for (int v : {1, 2, 3})
        list.Add(v);
    EXPECT_THROW(list.ForEach([&](int v) {
        list.Remove(v);
        throw std::runtime_error("handler failed");
    }),
                 std::runtime_error);
    EXPECT_FALSE(list.IsWalking());
    EXPECT_EQ(list.SlotCount(), 2u);
    EXPECT_EQ(list.Remove(2), 1u);
    EXPECT_EQ(list.Live(), std::vector<int>{3});
}

TEST(WalkedList, WalksAndRemovalsAllocateNothing)
{
    WalkedList<int> list;
    for (int v = 0; v < 64; ++v)
        list.Add(v);
    const std::size_t before = allocations;
    int sum = 0;
    for (int frame = 0; frame < 10; ++frame)
    {
        list.ForEach([&](int v) { sum += v; });
        WalkedList<int>::Walk walk(list);
        list.ForEachPresent([&](int v) {
            if (v == frame)
                list.Remove(v);
        });
    }
    EXPECT_EQ(allocations, before);
    EXPECT_EQ(list.Size(), 54u);
    EXPECT_GT(sum, 0);
}
