// TrashBin: open and closed looks, and finding the bin under a point.
#include "Trouble/TrashBin.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Physics.h"
#include "Core/Physics/Shape.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    TrashBin::TrashBin() : Script(CT_TrashBin) {}

    TrashBin::~TrashBin() = default;

    void TrashBin::ListFields(FieldVisitor& v)
    {
        v.Add("binDefaultSprite", binDefaultSprite,
              FieldInfo{"Bin Default Sprite (closed)", FieldWidget::ImagePath}.Id("##binDefaultSprite_"));
        v.Add("binOpenSprite", binOpenSprite,
              FieldInfo{"Bin Open Sprite", FieldWidget::ImagePath}.Id("##binOpenSprite_"));
    }

    GameComponent* TrashBin::Clone() const
    {
        return CloneListed(*this);
    }

    void TrashBin::Initialise()
    {
        transform = GetOwner() ? GetOwner()->GetComponent<Transform>() : nullptr;
    }

    Sprite* TrashBin::GetSprite() const
    {
        return GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
    }

    void TrashBin::Open()
    {
        if (open)
            return;
        open = true;
        if (Sprite* sprite = GetSprite(); sprite && !binOpenSprite.empty())
            sprite->InGameSet(binOpenSprite);
    }

    void TrashBin::Close()
    {
        if (!open)
            return;
        open = false;
        if (Sprite* sprite = GetSprite(); sprite && !binDefaultSprite.empty())
            sprite->InGameSet(binDefaultSprite);
    }

    void TrashBin::OnMouseExit()
    {
        Close();
    }

    TrashBin* TrashBin::Under(Vector2D point, const GameObject* except)
    {
        if (!PHYSICS)
            return nullptr;
        // Every collider under the point: the first one is often the trash
        // being dragged, lying on top of the bin.
        for (Collider2D* c : PHYSICS->GetColliders())
        {
            GameObject* owner = c ? c->GetOwner() : nullptr;
            if (!owner || owner == except || !owner->isActive() || !c->GetShape())
                continue;
            if (!c->GetShape()->TestPoint(point))
                continue;
            if (TrashBin* bin = owner->GetComponent<TrashBin>())
                return bin;
        }
        return nullptr;
    }
}
