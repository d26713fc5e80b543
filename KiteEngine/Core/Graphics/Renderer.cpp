// Renderer: keeping the owner's Transform at hand.
#include "Core/Graphics/Renderer.h"

#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    void Renderer::RefreshTransform()
    {
        GameObject* owner = GetOwner();
        if (!owner || !owner->HasComponent(CT_Transform))
            transform = nullptr;
        else if (!transform)
            transform = owner->GetComponent<Transform>();
    }
}
