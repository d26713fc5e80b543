// FireResolver: on a burning stall's fire; the player clicks it until the
// fire goes out. Each click but the last shrinks it.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Trouble/ClickResolver.h"

namespace KiteFramework
{
    class StallsBehaviour;

    class FireResolver : public ClickResolver
    {
    public:
        FireResolver();

        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Fire Resolver"; }

        // The burning stall (set by the stall when it catches fire).
        void SetStall(StallsBehaviour* stall);
        StallsBehaviour* GetStall() const;
        // The stall opens again, the burning count falls and the fire goes.
        void PutOut() { End(); }
        bool IsOut() const { return HasEnded(); }

    private:
        void Resolve() override;

        ObjectHandle stall;
    };
}
