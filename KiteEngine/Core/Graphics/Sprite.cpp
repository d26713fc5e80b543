// Sprite: texture look-up, sheet animation and the sprite's XML form.
#include "Core/Graphics/Sprite.h"

#include <algorithm>

#include "Core/Engine/Engine.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    namespace
    {
        std::string ForwardSlashes(std::string path)
        {
            std::replace(path.begin(), path.end(), '\\', '/');
            return path;
        }

        unsigned int* LookUp(const std::string& path)
        {
            return GRAPHICS ? GRAPHICS->GetTexture(path) : nullptr;
        }
    }

    Sprite::Sprite() : Renderer(CT_Sprite, Kind::Sprite)
    {
        Recalculate();
    }

    Sprite::Sprite(const Sprite& other) : Renderer(other)
    {
        CopyListedFields(other, *this);
        shownForEditing = other.shownForEditing;
        Recalculate();
    }

    void Sprite::OwnerChanged()
    {
        Renderer::OwnerChanged();
        const GameObject* owner = GetOwner();
        ownerText = owner && owner->HasComponent(CT_Text) ? owner->GetComponent<Text>() : nullptr;
    }

    std::size_t Sprite::DrawnBytes()
    {
        static const std::size_t bytes = [] {
            const Sprite probe;
            return static_cast<std::size_t>(reinterpret_cast<const char*>(&probe.uv + 1) -
                                            reinterpret_cast<const char*>(&probe));
        }();
        return bytes;
    }

    Sprite::~Sprite()
    {
        if (IsInitialised() && GRAPHICS)
            GRAPHICS->RemoveSprite(this);
    }

    void Sprite::Initialise()
    {
        if (!texturePath.empty() && !EndsWithSlash(texturePath))
            texture = LookUp(texturePath);
        if (blendable && !blendTexturePath.empty() && !EndsWithSlash(blendTexturePath))
            blendTexture = LookUp(blendTexturePath);
        Recalculate();
        // Archetype templates (id 0) are never drawn; a sprite already
        // registered is not registered twice.
        if (GetId() != 0 && !IsInitialised())
        {
            initialised = 1;
            if (GRAPHICS)
                GRAPHICS->AddSprite(this);
        }
    }

    bool Sprite::EditingNow()
    {
        return ENGINE && ENGINE->GetEngineStatus(ES_EDITORVIEW) && !ENGINE->GetEngineStatus(ES_GAMEPLAYING);
    }

    void Sprite::Update()
    {
        if (uvDirty)
        {
            Recalculate();
            uvDirty = false;
        }
    }

    void Sprite::RenderMe()
    {
        if (GRAPHICS)
            GRAPHICS->MeshDraw(this, 4);
    }

    GameComponent* Sprite::Clone() const
    {
        // The copy constructor also lays the sheet out.
        return new Sprite(*this);
    }

    void Sprite::InGameSet(std::string path)
    {
        if (path.empty())
            return;
        if (!EndsWithSlash(path))
        {
            texture = LookUp(path);
            texturePath = path;
        }
        currentColumn = 0;
        currentRow = 0;
        timer = 0.0f;
        Recalculate();
    }

    void Sprite::InGameSet(std::string path, int c, int r)
    {
        SetGrid(c, r);
        InGameSet(std::move(path));
    }

    void Sprite::InGameSet(std::string path, int c, int r, float rate, float s)
    {
        SetPace(rate, s);
        InGameSet(std::move(path), c, r);
    }

    void Sprite::InGameSetBlend(std::string path)
    {
        if (!path.empty() && !EndsWithSlash(path))
        {
            blendTexture = LookUp(path);
            blendTexturePath = path;
        }
        Recalculate();
    }

    void Sprite::InGameSetBlend(std::string path, int c, int r)
    {
        SetGrid(c, r);
        InGameSetBlend(std::move(path));
    }

    void Sprite::InGameSetBlend(std::string path, int c, int r, float rate, float s)
    {
        SetPace(rate, s);
        InGameSetBlend(std::move(path), c, r);
    }

    void Sprite::SetGrid(int c, int r)
    {
        columns = c;
        rows = static_cast<unsigned>(std::max(r, 0));
    }

    void Sprite::SetPace(float rate, float s)
    {
        framerate = rate;
        speed = s;
    }

    void Sprite::InGameSetAll(std::string path, std::string blendPath, int c, int r)
    {
        InGameSet(std::move(path));
        InGameSetBlend(std::move(blendPath), c, r);
    }

    void Sprite::InGameSetAll(std::string path, std::string blendPath, int c, int r, float rate, float s)
    {
        InGameSet(std::move(path));
        InGameSetBlend(std::move(blendPath), c, r, rate, s);
    }

    void Sprite::SetTexturePath(const std::string& path)
    {
        texturePath = ForwardSlashes(path);
    }

    void Sprite::SetBlendPath(const std::string& path)
    {
        blendTexturePath = ForwardSlashes(path);
    }

    int* Sprite::getCol()
    {
        if (currentColumn < 0)
            currentColumn = 0;
        return &currentColumn;
    }

    void Sprite::SetFlipX(bool f)
    {
        flippedX = f;
        uvDirty = true;
    }

    void Sprite::SetAnimationCount(int n)
    {
        animationCount = n;
        loopsPlayed = 0;
        animated = true;
    }

    void Sprite::SetColumn(unsigned n)
    {
        Reset();
        // Never past the sheet's last column.
        unsigned last = columns > 0 ? static_cast<unsigned>(columns - 1) : 0u;
        n = std::min(n, last);
        for (unsigned i = 0; i < n; ++i)
            MoveToNextColumn();
    }

    void Sprite::IncrementColumn()
    {
        if (currentColumn < columns - 1)
            MoveToNextColumn();
    }

    void Sprite::DecrementColumn()
    {
        if (currentColumn > 0)
        {
            --currentColumn;
            MoveUV(-cellWidth, 0.0f);
        }
    }

    void Sprite::Recalculate()
    {
        // A sheet needs at least one cell each way, counted from row 1.
        if (columns < 1)
            columns = 1;
        if (rows < 1)
            rows = 1;
        if (startingRow < 1)
            startingRow = 1;
        cellWidth = 1.0f / static_cast<float>(columns);
        cellHeight = 1.0f / static_cast<float>(rows);
        originV = static_cast<float>(startingRow - 1) * cellHeight;
        if (framerate != 0.0f)
        {
            frameTime = 1.0f / framerate;
            if (speed != 0.0f)
                frameTime /= speed;
        }
        UVorder();
        uv = baseUV;
    }

    void Sprite::UVorder()
    {
        const float l = 0.0f;
        const float r = cellWidth;
        const float b = originV;
        const float t = originV + cellHeight;
        if (!flippedX)
            baseUV = {UV{l, b}, UV{l, t}, UV{r, t}, UV{r, t}, UV{r, b}, UV{l, b}};
        else
            baseUV = {UV{r, b}, UV{r, t}, UV{l, t}, UV{l, t}, UV{l, b}, UV{r, b}};
    }

    void Sprite::MoveUV(float du, float dv)
    {
        for (UV& p : uv)
        {
            p[0] += du;
            p[1] += dv;
        }
    }

    void Sprite::MoveToNextColumn()
    {
        ++currentColumn;
        MoveUV(cellWidth, 0.0f);
    }

    void Sprite::Reset()
    {
        uv = baseUV;
        currentColumn = 0;
    }

    void Sprite::MoveToNextRow()
    {
        ++currentRow;
        Reset();
        MoveUV(0.0f, cellHeight * static_cast<float>(currentRow));
    }

    void Sprite::Animate(float dt)
    {
        timer += dt;
        if (timer < frameTime)
            return;
        timer = 0.0f;
        if (framerate <= 0.0f)
        {
            Reset();
            return;
        }
        if (currentColumn < columns - 1)
            MoveToNextColumn();
        else if (currentRow < static_cast<int>(rows) - 1)
            MoveToNextRow();
        else
        {
            if (animationCount > 0 && loopsPlayed + 1 >= animationCount)
            {
                animated = false;
                return;
            }
            uv = baseUV;
            currentColumn = 0;
            currentRow = 0;
            ++loopsPlayed;
        }
    }

    bool Sprite::operator<(Sprite* other) const
    {
        if (!other || !transform || !other->transform)
            return false;
        return other->transform->GetDepth() > transform->GetDepth();
    }

    void Sprite::ListFields(FieldVisitor& v)
    {
        v.Add("texturePath", texturePath, {"Sprite path"});
        v.Add("columns", columns, {"Sprite Columns", FieldWidget::Input, 1.0f});
        v.Add("rows", rows, {"Sprite Rows", FieldWidget::Input, 1.0f});
        v.Add("startingRow", startingRow, {"Starting Row", FieldWidget::Input, 1.0f});
        v.Add("framerate", framerate, {"Frame Rate", FieldWidget::Drag, 1.0f});
        v.Add("speed", speed, {"Speed", FieldWidget::Drag, 0.1f});
        v.Add("hasAnimation", animated, {"Animated", FieldWidget::Checkbox});
        v.Add("renderable", renderable, {"Render", FieldWidget::Checkbox});
        v.Add("flippedX", flippedX, {"FlipX", FieldWidget::Checkbox});
        v.Add("colour", tint, {"Tint", FieldWidget::ColourEdit});
        v.Add("blendable", blendable, {"Blendable?", FieldWidget::Checkbox});
        if (blendable)
            v.Add("blendTexturePath", blendTexturePath, {"Blend sprite path"});
        v.AddUnstored("blend", blend, {"Blend amount", FieldWidget::Drag, 0.001f});
        v.AddUnstored("animationCount", animationCount, {"TargetCount", FieldWidget::Input, 1.0f});
    }

    void Sprite::XMLUnSerialise(XMLElement* firstField)
    {
        GameComponent::XMLUnSerialise(firstField);
        // Files written on other systems may carry backslashes.
        texturePath = ForwardSlashes(texturePath);
        blendTexturePath = ForwardSlashes(blendTexturePath);
        Recalculate();
        // The scene's other objects are read before any is initialised:
        // meanwhile its pictures can be decoded side by side.
        if (GRAPHICS)
        {
            GRAPHICS->ExpectTexture(texturePath);
            if (blendable)
                GRAPHICS->ExpectTexture(blendTexturePath);
        }
    }
}
