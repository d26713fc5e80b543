// InEffect: the one object of a kind that the running level reads (its
// daylight, its quest stage). An object takes effect when it is made or
// started and ends when destroyed; a copy never takes over from the object
// it was copied from, so a clone that is thrown away leaves the original in
// effect. The keeping is CurrentInstance's; these are the level's words for it.
#pragma once

#include "Core/Logic/CurrentInstance.h"

namespace KiteFramework
{
    template <class Kind>
    class InEffect : public CurrentInstance<Kind>
    {
    public:
        // The object in effect, or null.
        static Kind* Current() { return CurrentInstance<Kind>::Instance(); }

    protected:
        InEffect() = default;
        InEffect(const InEffect&) = default;
        InEffect& operator=(const InEffect&) = default;
        ~InEffect() = default;

        // The owner calls this when it starts.
        void TakeEffect() { CurrentInstance<Kind>::BecomeCurrent(); }
    };
}
