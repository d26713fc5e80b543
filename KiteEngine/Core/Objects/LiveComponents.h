// The components still alive behind a list of object handles, in list order:
// a handle whose object is gone, or has no such component, is passed over.
#pragma once

#include <cstddef>
#include <vector>

#include "Core/Objects/ObjectHandle.h"

namespace KiteFramework
{
    template <class T, class Handles>
    std::vector<T*> LiveComponents(const Handles& handles)
    {
        std::vector<T*> live;
        live.reserve(handles.size());
        for (const ObjectHandle& h : handles)
            if (T* component = h.Get<T>())
                live.push_back(component);
        return live;
    }

    template <class T, class Handles>
    std::size_t CountLive(const Handles& handles)
    {
        std::size_t n = 0;
        for (const ObjectHandle& h : handles)
            if (h.Get<T>())
                ++n;
        return n;
    }

    // The i-th live component, or null when there are not that many.
    template <class T, class Handles>
    T* NthLive(const Handles& handles, std::size_t i)
    {
        for (const ObjectHandle& h : handles)
            if (T* component = h.Get<T>())
            {
                if (i == 0)
                    return component;
                --i;
            }
        return nullptr;
    }

    // False for null.
    template <class T, class Handles>
    bool HoldsLive(const Handles& handles, const T* component)
    {
        if (!component)
            return false;
        for (const ObjectHandle& h : handles)
            if (h.Get<T>() == component)
                return true;
        return false;
    }
}
