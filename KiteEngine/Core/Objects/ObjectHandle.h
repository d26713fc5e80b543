// ObjectHandle: a reference to a game object that may be destroyed first.
// It holds the object's id and its serial (never reused), and resolves to
// the live object or to null in constant time; an object created later at
// the same address or with the same id is never taken for it. Components
// keep handles, never bare pointers, to objects that can die before them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace KiteFramework
{
    class GameObject;

    class ObjectHandle
    {
    public:
        ObjectHandle() = default;
        // A handle to o; the empty handle for null.
        ObjectHandle(const GameObject* o);

        // The object while it lives (its destruction may be pending); null
        // once it has been deleted, or for the empty handle.
        GameObject* Get() const;
        // The object's component of class T, or null.
        template <typename T>
        T* Get() const;

        explicit operator bool() const { return Get() != nullptr; }
        GameObject* operator->() const { return Get(); }
        bool IsEmpty() const { return serial == 0; }
        void Reset() { id = 0; serial = 0; }

        // The id the object had when the handle was made.
        unsigned GetId() const { return id; }
        std::uint64_t GetSerial() const { return serial; }

        bool operator==(const ObjectHandle& o) const { return serial == o.serial; }
        bool operator!=(const ObjectHandle& o) const { return serial != o.serial; }
        bool operator==(const GameObject* o) const;
        bool operator!=(const GameObject* o) const { return !(*this == o); }

        // The live object with this serial, or null.
        static GameObject* Resolve(std::uint64_t serial);

    private:
        unsigned id = 0;
        std::uint64_t serial = 0;
    };
}

#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    template <typename T>
    T* ObjectHandle::Get() const
    {
        GameObject* o = Get();
        return o ? o->GetComponent<T>() : nullptr;
    }
}

// Handles are keys by serial, as registries of objects use them.
namespace std
{
    template <>
    struct hash<KiteFramework::ObjectHandle>
    {
        std::size_t operator()(const KiteFramework::ObjectHandle& h) const noexcept
        {
            return std::hash<std::uint64_t>()(h.GetSerial());
        }
    };
}
