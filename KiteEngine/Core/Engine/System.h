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

    // The global a system is reached by (FACTORY, GRAPHICS, ...): the first
    // system of its kind made takes it, and gives it back when destroyed.
    template <class T>
    void ClaimGlobal(T*& global, T* system)
    {
        if (!global)
            global = system;
    }

    template <class T>
    void ReleaseGlobal(T*& global, const T* system)
    {
        if (global == system)
            global = nullptr;
    }
}
