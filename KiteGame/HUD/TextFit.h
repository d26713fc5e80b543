// TextFit: keeping a text inside the box it sits on, measured as the
// renderer lays it out: figures shrink, names are cut with an ellipsis.
#pragma once

#include <string>

namespace KiteFramework
{
    class Text;

    class TextFit
    {
    public:
        // The width of the widest line of text at a scale (0 without a
        // renderer to measure with).
        static float Width(const std::string& text, float scale);
        // The text when it fits the width, else its longest head that fits
        // with "..." after it.
        static std::string Ellipsis(const std::string& text, float scale, float width);
        // The scale, or the smaller one at which the text fits the width.
        static float Scale(const std::string& text, float scale, float width);
        // Shows a figure on `text` at no more than `scale`, shrunk to the width.
        static void ShowFigure(Text& text, const std::string& figure, float scale, float width);
    };
}
