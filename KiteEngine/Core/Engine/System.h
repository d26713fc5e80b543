// System: the abstract base of every engine system.
#pragma once

#include "Core/Engine/SystemType.h"

namespace KiteFramework
{
    struct Message;

    class System
    {
    public:
        explicit System(SystemType type) : type_(type) {}
        System() : type_(ST_Win32System) {}
        System(const System&) = default;
        System& operator=(const System&) = default;
        virtual ~System() = default;

        virtual void Initialise() {}
        virtual void Update() {}
        virtual void SendMessage(Message* message) {}
        virtual SystemType getSystemType() const { return type_; }

    private:
        SystemType type_;
    };
}
