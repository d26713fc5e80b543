// Text: registration with Graphics and the text's XML form.
#include "Core/Graphics/Text.h"

#include "Core/Graphics/Graphics.h"
#include "Core/Objects/FieldOps.h"

namespace KiteFramework
{
    Text::Text() : Renderer(CT_Text, Kind::Text)
    {
    }

    Text::~Text()
    {
        if (IsInitialised() && GRAPHICS)
            GRAPHICS->RemoveText(this);
    }

    void Text::Initialise()
    {
        if (IsInitialised())
            return;
        initialised = 1;
        if (GetId() != 0 && GRAPHICS)
            GRAPHICS->AddText(this);
    }

    void Text::RenderMe()
    {
        if (GRAPHICS)
            GRAPHICS->RenderText(this);
    }

    GameComponent* Text::Clone() const
    {
        return CloneListed(*this);
    }

    void Text::ListFields(FieldVisitor& v)
    {
        v.Add("Text", text, {"RealText"});
        v.Add("colour", colour, {"Color", FieldWidget::ColourEdit});
        v.Add("scale", scale, {"Scale", FieldWidget::Drag, 0.01f});
        v.Add("renderBool", renderBool, {"Render text", FieldWidget::Checkbox});
        v.Add("offSet", offSet, {"Offset", FieldWidget::Drag, 1.0f});
        v.Add("centralise", centralise, {"Center text", FieldWidget::Checkbox});
    }
}
