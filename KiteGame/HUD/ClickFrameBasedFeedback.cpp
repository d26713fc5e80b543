// ClickFrameBasedFeedback: ends at a column.
#include "HUD/ClickFrameBasedFeedback.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    ClickFrameBasedFeedback::ClickFrameBasedFeedback() : Script(CT_ClickFrameBasedFeedback) {}

    void ClickFrameBasedFeedback::ListFields(FieldVisitor& v)
    {
        v.Add("targetColumn", targetColumn, FieldInfo{"Target Column", FieldWidget::Input, 1.0f}.Id("##targetColumn_"));
    }

    GameComponent* ClickFrameBasedFeedback::Clone() const
    {
        return CloneListed(*this);
    }

    void ClickFrameBasedFeedback::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
    }

    void ClickFrameBasedFeedback::Update()
    {
        if (sprite && sprite->GetCurrCol() == targetColumn && GetOwner())
            GetOwner()->Destroy();
    }
}
