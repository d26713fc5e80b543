// InEffect: the one object of a kind that the running level reads (its
// daylight, its quest stage). An object takes effect when it is made or
// started and ends when destroyed; a copy never takes over from the object
// it was copied from, so a clone that is thrown away leaves the original in
// effect.
#pragma once

namespace KiteFramework
{
    template <class Kind>
    class InEffect
    {
    public:
        // The object in effect, or null.
        static Kind* Current() { return static_cast<Kind*>(current); }

    protected:
        InEffect() { current = this; }
        InEffect(const InEffect&) {}
        InEffect& operator=(const InEffect&) { return *this; }
        ~InEffect()
        {
            if (current == this)
                current = nullptr;
        }

        // The owner calls this when it starts.
        void TakeEffect() { current = this; }

    private:
        static inline InEffect* current = nullptr;
    };
}
