// TintedSprites: taking a dying object's sprite off the day-night list.
#include "World/TintedSprites.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    void TintedSprites::Forget(GameObject* object)
    {
        Forget(object ? object->GetComponent<Sprite>() : nullptr);
    }
}
