// DraggableAfterImage: the ghost's look.
#include "Building/DraggableAfterImage.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    DraggableAfterImage::DraggableAfterImage() : Script(CT_DraggableAfterImage) {}

    GameComponent* DraggableAfterImage::Clone() const
    {
        DraggableAfterImage* copy = new DraggableAfterImage();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void DraggableAfterImage::SetImage(const std::string& texture, int columns, int rows, float depth, bool animated)
    {
        GameObject* owner = GetOwner();
        if (!owner)
            return;
        if (Transform* t = owner->GetComponent<Transform>())
            t->SetDepth(depth);
        if (Sprite* s = owner->GetComponent<Sprite>())
        {
            // A sheet has at least one cell each way.
            s->InGameSet(texture, columns > 0 ? columns : 1, rows > 0 ? rows : 1);
            s->SetAnimated(animated);
        }
    }
}
