// Text: a string drawn with the engine's font at its object's position.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "Core/Graphics/Renderer.h"
#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    class Graphics;
    struct GlyphQuad;

    class Text : public Renderer
    {
    public:
        Text();
        ~Text() override;

        void Initialise() override;
        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void RenderMe() override;
        void ListFields(FieldVisitor& fields) override;

        void SetText(const std::string& t) { text = t; }
        void SetScale(float s) { scale = s; }
        void SetColor(std::array<float, 3> c) { colour = c; }
        void SetRenderBool(bool r) { renderBool = r; }
        void SetOffset(Vector2D o) { offSet = o; }
        void SetCentralise(bool c) { centralise = c; }

        std::string* GetText() { return &text; }
        float* GetScale() { return &scale; }
        float* GetColor() { return colour.data(); }
        const std::string& String() const { return text; }
        float Scale() const { return scale; }
        const std::array<float, 3>& Colour3() const { return colour; }
        bool GetRenderBool() const { return renderBool; }
        Vector2D GetOffset() const { return offSet; }
        bool GetCentralise() const { return centralise; }

        // A box the text is cut to: size in world units, centred on the
        // text's position; glyphs not wholly inside it are not drawn. Zero
        // (the default) cuts nothing. Set by code, not stored.
        void SetClipBox(Vector2D size) { clipBox = size; }
        Vector2D GetClipBox() const { return clipBox; }

        // The glyph quads around the position (0, 0), cut to the clip box.
        // Laid out again only when the string, scale, offset, centring, box
        // or font has changed since the last call.
        const std::vector<GlyphQuad>& Layout(const Graphics& graphics);
        // How many times Layout has laid the text out.
        std::size_t GetLayoutCount() const { return layoutCount; }

    private:
        // Stored (see ListFields); a copy draws the same string but belongs
        // to no object yet.
        std::string text = "Text";
        std::array<float, 3> colour{0.0f, 0.0f, 0.0f};
        float scale = 1.0f;
        bool renderBool = true;
        Vector2D offSet;
        bool centralise = true;

        Vector2D clipBox;

        // What the cached layout was made from.
        struct LaidOut
        {
            std::string text;
            float scale = 0.0f;
            Vector2D offset;
            bool centralise = false;
            Vector2D clipBox;
            unsigned font = 0;
            bool valid = false;
        };
        LaidOut laidOut;
        std::vector<GlyphQuad> quads;
        std::size_t layoutCount = 0;
    };
}
