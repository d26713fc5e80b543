// WalkedList: an ordered registry that systems walk while the handlers they
// call add and remove entries (scripts, colliders, user-interface elements).
//
// - Walks go by index under a Walk guard; walks may nest.
// - A removal during a walk only blanks the entry (a tombstone): no index
//   moves, so every walk in progress stays valid, and a blanked entry is never
//   visited again. The tombstones are dropped when the outermost walk ends.
//   Outside walks, removals are compacted once they are a quarter of the list,
//   so removing every entry one by one (a scene clear) stays linear.
// - Additions are appended, each value at most once. ForEach reaches entries
//   added during it; ForEachPresent only those present when it started
//   (SlotCount taken at the start gives the same for hand-written walks).
// - Removal finds its entries through a hash index, not a search. Walking,
//   removing and compacting allocate nothing; adding allocates only the index
//   entry of a value not listed yet (and when the list outgrows its capacity).
// T is a small value type with == and std::hash (a pointer, an ObjectHandle).
#pragma once

#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

namespace KiteFramework
{
    template <typename T>
    class WalkedList
    {
    public:
        // Marks a walk in progress for as long as it lives, even when a
        // handler throws out of the walk.
        class Walk
        {
        public:
            explicit Walk(WalkedList& list_) : list(list_) { ++list.walkDepth; }
            ~Walk()
            {
                if (--list.walkDepth == 0)
                    list.Compact();
            }
            Walk(const Walk&) = delete;
            Walk& operator=(const Walk&) = delete;

        private:
            WalkedList& list;
        };

        // Appended; a value listed already is not listed again (a script or
        // button registered twice would be run twice a frame). True when added.
        bool Add(const T& value)
        {
            std::vector<std::size_t>& at = index[value];
            if (!at.empty())
                return false;
            at.push_back(slots.size());
            slots.push_back(Slot{value, true});
            ++live;
            return true;
        }

        // Removes every entry of value; returns how many there were.
        std::size_t Remove(const T& value)
        {
            auto found = index.find(value);
            if (found == index.end())
                return 0;
            const std::size_t removed = found->second.size();
            for (std::size_t i : found->second)
                slots[i].live = false;
            live -= removed;
            index.erase(found);
            if (walkDepth == 0 && (live == 0 || (slots.size() - live) * 4 >= slots.size()))
                Compact();
            return removed;
        }

        // Removes the entries for which remove(value) is true.
        template <typename Predicate>
        std::size_t RemoveIf(Predicate remove)
        {
            // Under a walk, so that no removal moves the entries still to test.
            Walk walk(*this);
            std::size_t removed = 0;
            for (std::size_t i = 0; i < slots.size(); ++i)
                if (slots[i].live && remove(slots[i].value))
                    removed += Remove(T(slots[i].value));
            return removed;
        }

        void Clear()
        {
            for (Slot& s : slots)
                s.live = false;
            live = 0;
            index.clear();
            if (walkDepth == 0)
                Compact();
        }

        // Visits the live entries in order, those added meanwhile included.
        template <typename Visitor>
        void ForEach(Visitor visit)
        {
            Walk walk(*this);
            for (std::size_t i = 0; i < slots.size(); ++i)
                if (slots[i].live)
                    visit(T(slots[i].value));
        }

        // Visits the live entries present when the walk starts, in order.
        template <typename Visitor>
        void ForEachPresent(Visitor visit)
        {
            Walk walk(*this);
            const std::size_t count = slots.size();
            for (std::size_t i = 0; i < count; ++i)
                if (slots[i].live)
                    visit(T(slots[i].value));
        }

        // Index access for walks written by hand (under a Walk): entries
        // below SlotCount, blanked ones included, never move during a walk.
        std::size_t SlotCount() const { return slots.size(); }
        bool IsLive(std::size_t i) const { return i < slots.size() && slots[i].live; }
        const T& At(std::size_t i) const { return slots[i].value; }

        std::size_t Size() const { return live; }
        bool Empty() const { return live == 0; }
        bool Contains(const T& value) const { return index.count(value) != 0; }
        bool IsWalking() const { return walkDepth > 0; }

        // A copy of the live entries in order.
        std::vector<T> Live() const
        {
            std::vector<T> out;
            out.reserve(live);
            for (const Slot& s : slots)
                if (s.live)
                    out.push_back(s.value);
            return out;
        }

    private:
        struct Slot
        {
            T value;
            bool live;
        };

        // Drops the tombstones; only while no walk holds an index.
        void Compact()
        {
            if (walkDepth > 0 || live == slots.size())
                return;
            std::size_t kept = 0;
            for (std::size_t i = 0; i < slots.size(); ++i)
                if (slots[i].live)
                    slots[kept++] = slots[i];
            slots.erase(slots.begin() + static_cast<std::ptrdiff_t>(kept), slots.end());
            // Renumber in place: the index vectors keep their capacity.
            for (auto& entry : index)
                entry.second.clear();
            for (std::size_t i = 0; i < slots.size(); ++i)
                index[slots[i].value].push_back(i);
        }

        std::vector<Slot> slots;
        // Where each listed value sits in slots.
        std::unordered_map<T, std::vector<std::size_t>> index;
        std::size_t live = 0;
        int walkDepth = 0;
    };
}
