// ClickResolver: click counting, shrinking and the end of a trouble.
#include "Trouble/ClickResolver.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    ClickResolver::ClickResolver(ComponentTypeId type, const char* feedbackArchetype)
        : Script(type), feedbackArchetype(feedbackArchetype)
    {
    }

    ClickResolver::~ClickResolver()
    {
        TintedSprites::Forget(sprite);
    }

    void ClickResolver::ListFields(FieldVisitor& v)
    {
        v.Add("targetClickCount", targetClickCount, FieldInfo{"Max Clicks", FieldWidget::Input, 1.0f}.Id("##MaxCount"));
        v.Add("finalScale", finalScale, HiddenField());
    }

    void ClickResolver::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
        const float scale = transform ? transform->GetScaleVec().x : 0.0f;
        scaleStep = (scale - finalScale) / static_cast<float>(Target());
    }

    void ClickResolver::OnMouseUp()
    {
        if (ended)
            return;
        const Vector2D pointer = GRAPHICS ? GRAPHICS->CurrentMouseToWorld() : Vector2D();
        clicks += 1;
        // At or past the target: a target lowered since the first click must
        // still end it.
        if (clicks >= Target())
            End();
        else if (transform)
        {
            const Vector2D scale = transform->GetScaleVec();
            transform->SetScale(scale.x - scaleStep, scale.y - scaleStep);
        }
        Instantiate(feedbackArchetype, pointer, 0.0f);
    }

    void ClickResolver::End()
    {
        if (ended)
            return;
        ended = true;
        Resolve();
        TintedSprites::Forget(GetOwner());
        if (GetOwner())
            Destroy(GetOwner());
    }
}
