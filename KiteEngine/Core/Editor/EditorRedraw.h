// When the editor draws: a frame for every bit of input, and a while after
// it (the GUI settles over a few frames, and a change made by a key shows
// late); every frame while something moves (a playing scene, pictures still
// arriving, a text field's caret, a held button); otherwise nothing, and
// the loop waits for the next event instead of spinning.
#pragma once

namespace KiteFramework
{
    class EditorRedraw
    {
    public:
        // Frames drawn after the last input or change: two seconds at 60.
        static constexpr int SettleFrames = 120;
        // The longest an idle frame waits for an event.
        static constexpr int IdleWaitMilliseconds = 250;

        // Once a frame: the count of events seen so far, and whether
        // something is moving now. True when this frame is to be drawn.
        bool Decide(unsigned long eventsSeen, bool busy);
        // Something changed without input (a scene was loaded).
        void Wake() { quietFrames = 0; }
        // Whether the last decision found nothing to draw.
        bool Idle() const { return idle; }

    private:
        unsigned long lastEvents = 0;
        int quietFrames = 0;
        bool idle = false;
    };
}
