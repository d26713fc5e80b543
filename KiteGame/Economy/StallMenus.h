// StallMenus: the stall menus and build buttons the upgrade system keeps.
// Parts below it ask through here for them to follow a change (money, a
// synergy, a new stall); with no upgrade system nothing happens.
#pragma once

namespace KiteFramework
{
    class GameObject;

    namespace StallMenus
    {
        // Every open stall menu closed.
        void CloseAll();
        // Every open stall menu closed but this stall's own: one menu is
        // open at a time, the one last asked for.
        void CloseAllBut(const GameObject* stall);
        // The earnings and costs every menu shows, written again.
        void UpdateTexts();
        // The upgrade buttons greyed or not by what the level can pay.
        void UpdateButtonStates();
    }
}
