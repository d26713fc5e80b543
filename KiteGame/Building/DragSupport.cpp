// DragSupport: pointer, drop target, looks and payment of a drag.
#include "Building/DragSupport.h"

#include "Building/DraggableAfterImage.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Physics.h"
#include "Core/Physics/Shape.h"
#include "Economy/LevelStatsSystem.h"
#include "Platform/Platform.h"
#include "Platform/VirtualKeys.h"
#include "Economy/AmountText.h"

namespace KiteFramework
{
    namespace
    {
        bool Within(const GameObject* object, const GameObject* root)
        {
            for (const GameObject* o = object; o; o = o->GetParent())
                if (o == root)
                    return true;
            return false;
        }
    }

    bool DragSupport::LeftButtonHeld()
    {
        return !Platform::IsInstalled() || Platform::Get().IsKeyDown(VK::LButton);
    }

    Vector2D DragSupport::PointerInWorld(Vector2D fallback)
    {
        return GRAPHICS ? GRAPHICS->CurrentMouseToWorld() : fallback;
    }

    GameObject* DragSupport::FirstUnder(GameObject* dragged, bool (*prefer)(GameObject*))
    {
        if (!PHYSICS || !dragged)
            return nullptr;
        const Vector2D point = PositionOf(dragged);
        GameObject* first = nullptr;
        for (Collider2D* c : PHYSICS->GetColliders())
        {
            GameObject* owner = c ? c->GetOwner() : nullptr;
            if (!owner || !owner->isActive() || Within(owner, dragged) || !c->GetShape() ||
                !c->GetShape()->TestPoint(point))
                continue;
            if (prefer && prefer(owner))
                return owner;
            if (!first)
                first = owner;
        }
        return first;
    }

    void DragSupport::FollowPointer(GameObject* object)
    {
        MoveTo(object, PointerInWorld(PositionOf(object)));
        if (Collider2D* c = object ? object->GetComponent<Collider2D>() : nullptr)
            c->ForceToggleStay();
    }

    Vector2D DragSupport::PositionOf(GameObject* object)
    {
        Transform* t = object ? object->GetComponent<Transform>() : nullptr;
        return t ? t->GetTransVec() : Vector2D();
    }

    void DragSupport::MoveTo(GameObject* object, Vector2D position)
    {
        if (Transform* t = object ? object->GetComponent<Transform>() : nullptr)
            t->SetTrans(position);
    }

    void DragSupport::SetDepth(GameObject* object, float depth)
    {
        if (Transform* t = object ? object->GetComponent<Transform>() : nullptr)
            t->SetDepth(depth);
    }

    void DragSupport::SetColliderTag(GameObject* object, int tag)
    {
        if (Collider2D* c = object ? object->GetComponent<Collider2D>() : nullptr)
            c->SetColliderTag(tag);
    }

    void DragSupport::ShowNodeMarker(GameObject* node, bool shown)
    {
        if (Sprite* s = node ? node->GetComponent<Sprite>() : nullptr)
            s->ToggleRender(shown);
    }

    GameObject* DragSupport::MakeAfterImage(GameObject* object, const std::string& texture, int columns, int rows,
                                            float depth, bool animated)
    {
        GameObject* image = Instantiate("AfterImage", PositionOf(object), 0.0f);
        if (!image)
            return nullptr;
        if (DraggableAfterImage* a = image->GetComponent<DraggableAfterImage>())
            a->SetImage(texture, columns, rows, depth, animated);
        Transform* from = object->GetComponent<Transform>();
        Transform* to = image->GetComponent<Transform>();
        if (from && to)
            to->SetScale(from->GetScaleVec().x, from->GetScaleVec().y);
        return image;
    }

    float DragSupport::Money()
    {
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        return stats ? stats->Money() : 0.0f;
    }

    void DragSupport::Charge(float amount, Vector2D shownAt)
    {
        GameObject* shown = Instantiate("LoseCash", shownAt, 0.0f);
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->ChangeMoney(-amount);
        if (Text* text = shown ? shown->GetComponent<Text>() : nullptr)
            text->SetText("-" + AmountText(amount));
    }
}
