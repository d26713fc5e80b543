// DaylightSource: what gives the level its daylight (the day-night cycle).
// The simulation reads the current source; with none it is full daylight.
#pragma once

namespace KiteFramework
{
    class DaylightSource
    {
    public:
        // From 0 (night) to 1 (full daylight).
        virtual float GetDaylight() const = 0;

        // The source in effect, or null.
        static DaylightSource* Current() { return current; }

    protected:
        // A source takes effect when made and ends when destroyed.
        DaylightSource() { current = this; }
        DaylightSource(const DaylightSource&) { current = this; }
        virtual ~DaylightSource()
        {
            if (current == this)
                current = nullptr;
        }

    private:
        static inline DaylightSource* current = nullptr;
    };
}
