// ComponentTypeId: the number of every component type. The engine's own
// types use the small numbers; the game's types take 16 to 98. An object
// holds at most one component of each type.
#pragma once

namespace KiteFramework
{
    enum ComponentTypeId : int
    {
        CT_Transform = 0,
        CT_Mesh = 1,
        // The renderer base's default; never a concrete component.
        CT_Renderer = 3,
        CT_Sprite = 4,
        CT_Text = 5,
        CT_Emitter = 6,
        CT_AudioListener = 7,
        CT_AudioSource = 8,
        CT_Collider2D = 9,
        CT_VertexNode = 11,
        CT_PopUpUI = 12,
        CT_ActivatePopupButton = 13,
        CT_SystemCallButton = 14,
        CT_ToggleActiveButton = 15,

        // The game's component types are numbered from here up to 98.
        CT_FirstGameType = 16,
        CT_LastGameType = 98,

        // Size of an object's type set: every id must stay below this.
        CT_MaxTypes = 128
    };
}
