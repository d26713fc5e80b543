// Text: registration with Graphics and the text's XML form.
#include "Core/Graphics/Text.h"

#include <algorithm>

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

    const std::vector<GlyphQuad>& Text::Layout(const Graphics& graphics)
    {
        const unsigned font = graphics.GetFontGeneration();
        if (laidOut.valid && laidOut.font == font && laidOut.scale == scale && laidOut.offset == offSet &&
            laidOut.centralise == centralise && laidOut.clipBox == clipBox && laidOut.text == text)
            return quads;
        graphics.LayoutText(text, 0.0f, 0.0f, scale, offSet, centralise, quads);
        if (clipBox.x > 0.0f && clipBox.y > 0.0f)
        {
            const float halfWidth = clipBox.x / 2.0f;
            const float halfHeight = clipBox.y / 2.0f;
            quads.erase(std::remove_if(quads.begin(), quads.end(),
                                       [halfWidth, halfHeight](const GlyphQuad& q) {
                                           return q.left < -halfWidth || q.right > halfWidth ||
                                                  q.bottom < -halfHeight || q.top > halfHeight;
                                       }),
                        quads.end());
            quads.shrink_to_fit();
        }
        laidOut = LaidOut{text, scale, offSet, centralise, clipBox, font, true};
        ++layoutCount;
        return quads;
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
