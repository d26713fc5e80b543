// Text: a string drawn with the engine's font at its object's position.
#pragma once

#include <array>
#include <string>

#include "Core/Graphics/Renderer.h"
#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
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

    private:
        // Stored (see ListFields); a copy draws the same string but belongs
        // to no object yet.
        std::string text = "Text";
        std::array<float, 3> colour{0.0f, 0.0f, 0.0f};
        float scale = 1.0f;
        bool renderBool = true;
        Vector2D offSet;
        bool centralise = true;
    };
}
