// LiveObjects: a hash map from serial to object.
#include "Core/Objects/LiveObjects.h"

#include <cstddef>
#include <unordered_map>

namespace KiteFramework
{
    namespace
    {
        std::unordered_map<std::uint64_t, GameObject*>& Registry()
        {
            static std::unordered_map<std::uint64_t, GameObject*> live;
            return live;
        }
    }

    void LiveObjects::Add(GameObject* o, std::uint64_t serial)
    {
        Registry()[serial] = o;
    }

    void LiveObjects::Remove(std::uint64_t serial)
    {
        Registry().erase(serial);
    }

    GameObject* LiveObjects::Find(std::uint64_t serial)
    {
        auto& live = Registry();
        auto it = live.find(serial);
        return it == live.end() ? nullptr : it->second;
    }

    std::size_t LiveObjects::Count()
    {
        return Registry().size();
    }
}
