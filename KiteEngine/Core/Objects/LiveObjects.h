// LiveObjects: every game object that exists, by serial. Objects enter when
// constructed and leave when deleted; handles resolve through it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace KiteFramework
{
    class GameObject;

    class LiveObjects
    {
    public:
        static void Add(GameObject* o, std::uint64_t serial);
        static void Remove(std::uint64_t serial);
        // Null when no live object has the serial.
        static GameObject* Find(std::uint64_t serial);
        static std::size_t Count();
    };
}
