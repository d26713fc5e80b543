// ClickShrink: the click count and shrinking shared by the fire and fight
// resolvers: each click but the last shrinks the object by one step.
#pragma once

namespace KiteFramework
{
    class Transform;

    struct ClickShrink
    {
        // Clicks needed; 0 or less counts as 1.
        static int Target(int targetClickCount) { return targetClickCount > 0 ? targetClickCount : 1; }
        // The shrink per click that reaches finalScale at the last click.
        static float Step(const Transform* transform, float finalScale, int targetClickCount);
        // One click: true when it was the last one; otherwise the object
        // shrinks by step.
        static bool Click(int& clicks, int targetClickCount, Transform* transform, float step);
    };
}
