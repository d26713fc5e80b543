// CurrentInstance: how the one component of a kind that a scene runs on (a
// game's systems) is reached from anywhere. The latest one made takes the
// place; one going away gives it up only while it still holds it.
//
// A copy made by the class's own copy constructor takes the place too when
// that constructor leaves this base out of its list (the base is then made
// new); naming CurrentInstance(other) there, or copying implicitly, leaves
// the place where it was, and the copy takes it later with BecomeCurrent().
#pragma once

namespace KiteFramework
{
    template <class T>
    class CurrentInstance
    {
    public:
        // Null while no component of the kind is alive.
        static T* Instance() { return static_cast<T*>(current); }

    protected:
        CurrentInstance() { current = this; }
        CurrentInstance(const CurrentInstance&) {}
        CurrentInstance& operator=(const CurrentInstance&) { return *this; }
        ~CurrentInstance()
        {
            if (current == this)
                current = nullptr;
        }

        void BecomeCurrent() { current = this; }

    private:
        static inline CurrentInstance* current = nullptr;
    };
}
