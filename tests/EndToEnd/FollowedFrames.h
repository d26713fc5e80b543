// Waits and pauses of the end-to-end tests that drive the game with the
// pointer: they count the frames the game draws once its window is known
// (while a FollowFrames lives), so a slow machine makes a test slower, never
// red; before that, real time.
#pragma once

#include <functional>

namespace KiteTest
{
    class FollowFrames
    {
    public:
        // From now on waits and pauses count the frames drawn into window.
        explicit FollowFrames(unsigned long window);
        ~FollowFrames();
        FollowFrames(const FollowFrames&) = delete;
        FollowFrames& operator=(const FollowFrames&) = delete;
    };

    // Waits until the condition holds for at most `seconds` of the game's
    // time; false when it never held.
    bool WaitFor(double seconds, const std::function<bool()>& condition);
    // Lets `ms` milliseconds of the game's time pass.
    void Pause(int ms);
    // Moves the pointer of the test's X server to (x, y).
    void MovePointer(int x, int y);
    // Puts the pointer over (x, y) so that the object there is hovered:
    // picking needs the pointer over an object for one move before a press
    // counts (enter on the first pick, over on the next), and the game
    // refreshes its pointer on button events, not on the test server's
    // synthetic moves, so a wheel step (which it ignores) goes between two
    // moves. `pause` lets `settle` ms pass after each of the first two steps
    // and `rest` ms after the last.
    void HoverWith(int x, int y, const std::function<void(int ms)>& pause, int settle, int rest);
    // The hover with these waits and pauses.
    void Hover(int x, int y);
}
