// The editor's decision to draw a frame or to wait.
#include "Core/Editor/EditorRedraw.h"

namespace KiteFramework
{
    bool EditorRedraw::Decide(unsigned long eventsSeen, bool busy)
    {
        if (eventsSeen != lastEvents || busy)
            quietFrames = 0;
        lastEvents = eventsSeen;
        idle = quietFrames >= SettleFrames;
        if (!idle)
            ++quietFrames;
        return !idle;
    }
}
