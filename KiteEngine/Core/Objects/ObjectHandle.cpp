// ObjectHandle: resolution through the registry of live objects.
#include "Core/Objects/ObjectHandle.h"

#include "Core/Objects/LiveObjects.h"

namespace KiteFramework
{
    ObjectHandle::ObjectHandle(const GameObject* o)
    {
        if (!o)
            return;
        id = o->GetId();
        serial = o->GetSerial();
    }

    GameObject* ObjectHandle::Get() const
    {
        return serial ? LiveObjects::Find(serial) : nullptr;
    }

    bool ObjectHandle::operator==(const GameObject* o) const
    {
        return o ? (serial == o->GetSerial() && Get() == o) : serial == 0;
    }

    GameObject* ObjectHandle::Resolve(std::uint64_t s)
    {
        return LiveObjects::Find(s);
    }
}
