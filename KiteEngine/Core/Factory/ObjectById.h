// Objects that files name by id: a link read back finds the object it
// belongs to, and writes the id of the one it belongs to now.
#pragma once

#include <string>

#include "Core/Engine/DataError.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/ObjectHandle.h"

namespace KiteFramework
{
    // The T on the object numbered id, which becomes child's parent; with
    // none, null, nothing changed and the report "<where>: no <what> with
    // object id <id>".
    template <class T>
    T* AdoptParentById(GameObject& child, unsigned id, const std::string& where, const std::string& what)
    {
        GameObject* parent = FACTORY ? FACTORY->FindObjectWithId(id) : nullptr;
        T* found = parent ? parent->GetComponent<T>() : nullptr;
        if (!found)
        {
            ReportDataError(where, "no " + what + " with object id " + std::to_string(id));
            return nullptr;
        }
        child.AddParent(parent);
        return found;
    }

    // The id a handle's object is written with; 0 when it is gone.
    inline unsigned IdToWrite(const ObjectHandle& handle)
    {
        GameObject* o = handle.Get();
        return o ? o->GetId() : 0;
    }
}
