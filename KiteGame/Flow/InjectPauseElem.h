// InjectPauseElem: hides its object and hands it to the pause menu list.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class InjectPauseElem : public Script
    {
    public:
        InjectPauseElem();

        // Not registered for updates: it only acts once.
        void Initialise() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Inject Pause Element"; }
    };
}
