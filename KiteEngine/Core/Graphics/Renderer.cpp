// Renderer: keeping the owner's Transform at hand.
#include "Core/Graphics/Renderer.h"

#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    void Renderer::OwnerChanged()
    {
        const GameObject* owner = GetOwner();
        transform = owner ? owner->GetTransform() : nullptr;
        ownerActive = owner && owner->isActive();
    }
}
