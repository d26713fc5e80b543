// Renderer: keeping the owner's Transform at hand.
#include "Core/Graphics/Renderer.h"

#include <algorithm>

#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    void Renderer::RefreshTransform()
    {
        GameObject* owner = GetOwner();
        if (!owner || !owner->HasComponent(CT_Transform))
        {
            transform = nullptr;
            return;
        }
        // A pointer comparison over the few components: the cached transform
        // may have been replaced by another one since.
        const std::vector<GameComponent*>& list = owner->GetComponentList();
        if (transform && std::find(list.begin(), list.end(), transform) != list.end())
            return;
        transform = owner->GetComponent<Transform>();
    }
}
