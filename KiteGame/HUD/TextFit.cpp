// TextFit: widths from the renderer's own layout of the glyphs.
#include "HUD/TextFit.h"

#include <algorithm>
#include <vector>

#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Text.h"

namespace KiteFramework
{
    float TextFit::Width(const std::string& text, float scale)
    {
        if (!GRAPHICS || text.empty())
            return 0.0f;
        std::vector<GlyphQuad> quads;
        GRAPHICS->LayoutText(text, 0.0f, 0.0f, scale, Vector2D(), false, quads);
        if (quads.empty())
            return 0.0f;
        float left = quads.front().left;
        float right = quads.front().right;
        for (const GlyphQuad& q : quads)
        {
            left = std::min(left, q.left);
            right = std::max(right, q.right);
        }
        return right - left;
    }

    std::string TextFit::Ellipsis(const std::string& text, float scale, float width)
    {
        if (Width(text, scale) <= width)
            return text;
        // Cut back to a whole character that leaves room for the dots.
        std::string head = text;
        while (!head.empty())
        {
            head.pop_back();
            while (!head.empty() && head.back() == ' ')
                head.pop_back();
            const std::string cut = head + "...";
            if (Width(cut, scale) <= width)
                return cut;
        }
        return Width("...", scale) <= width ? std::string("...") : std::string();
    }

    float TextFit::Scale(const std::string& text, float scale, float width)
    {
        const float w = Width(text, scale);
        if (w <= width || w <= 0.0f || width <= 0.0f)
            return scale;
        return scale * width / w;
    }

    void TextFit::ShowFigure(Text& text, const std::string& figure, float scale, float width)
    {
        text.SetText(figure);
        text.SetScale(Scale(figure, scale, width));
    }
}
