// Sprite: draws its object's Transform as one textured quad. The texture may
// be a sheet of equal cells that the sprite animates; a second texture can be
// blended over the first, a tint multiplies the colours and the quad can be
// mirrored horizontally.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Core/Graphics/Renderer.h"

namespace KiteFramework
{
    class Text;

    class Sprite : public Renderer
    {
    public:
        using UV = std::array<float, 2>;

        Sprite();
        // The listed fields (the blend path only when blendable) over a
        // fresh run-time state: no textures looked up, the first cell shown,
        // no debug outline.
        Sprite(const Sprite& other);
        ~Sprite() override;

        void Initialise() override;
        void Update() override;
        // The listing, then the sheet is laid out anew. XMLSerialise is
        // GameComponent's: the listing.
        void XMLUnSerialise(XMLElement* firstField) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void RenderMe() override;
        void ListFields(FieldVisitor& fields) override;

        // Texture changes from the game; a path ending in '/' keeps the
        // texture but restarts the animation, an empty one changes nothing.
        void InGameSet(std::string path);
        void InGameSet(std::string path, int columns, int rows);
        void InGameSet(std::string path, int columns, int rows, float framerate, float speed);
        void InGameSetBlend(std::string path);
        void InGameSetBlend(std::string path, int columns, int rows);
        void InGameSetBlend(std::string path, int columns, int rows, float framerate, float speed);
        void InGameSetAll(std::string path, std::string blendPath, int columns, int rows);
        void InGameSetAll(std::string path, std::string blendPath, int columns, int rows, float framerate,
                          float speed);

        void SetTexturePath(const std::string& path);
        void SetBlendPath(const std::string& path);
        void SetTexturePtr(unsigned int* t) { texture = t; }
        void SetBlendTexturePtr(unsigned int* t) { blendTexture = t; }

        std::string GetTexturePath() const { return texturePath; }
        std::string GetBlendPath() const { return blendTexturePath; }
        unsigned int* GetTexturePtr() const { return texture; }
        unsigned int* GetBlendTexturePtr() const { return blendTexture; }
        std::vector<UV> GetUV() const { return std::vector<UV>(uv.begin(), uv.end()); }
        // The coordinates drawn, without a copy.
        const std::array<UV, 6>& UVs() const { return uv; }
        std::array<float, 4>* GetColor() { return &tint; }
        const std::array<float, 4>& GetTint() const { return tint; }
        float GetAlpha() const { return tint[3]; }
        float GetBlend() const { return blend; }
        int GetColumn() const { return columns; }
        unsigned GetRow() const { return rows; }
        int GetCurrCol() const { return currentColumn; }
        int GetCurrRow() const { return currentRow; }
        int* getCol();
        bool GetFlipXconst() const { return flippedX; }
        bool getAnimated() const { return animated; }
        bool getDebug() const { return debugDraw; }
        bool IsRenderable() const { return renderable; }
        // Whether the sprite is drawn now: renderable, and not an effect of
        // play while the scene is being edited.
        // A sprite the editor shows while editing (waypoint nodes) counts as
        // renderable then, without its stored flag being changed.
        bool IsShown() const { return (renderable || shownForEditing) && (!playOnly || !EditingNow()); }
        // Marks the sprite as an effect that runs only in play (a fade over
        // the scene at its start): the editor then shows the scene as it
        // will look, without it. Run-time only: never stored, never copied.
        void SetPlayOnly(bool p) { playOnly = p; }
        bool IsPlayOnly() const { return playOnly; }
        bool IsBlendable() const { return blendable; }
        int GetLoopsPlayed() const { return loopsPlayed; }
        float GetFrameTime() const { return frameTime; }

        void TintSet(const std::array<float, 4>& colour) { tint = colour; }
        void TintSet(float r, float g, float b, float a) { tint = {r, g, b, a}; }
        void TintSet(float r, float g, float b) { tint[0] = r; tint[1] = g; tint[2] = b; }
        void AlphaSet(float a) { tint[3] = a; }
        void SetBlend(float b) { blend = b; }
        void SetBlendable(bool b) { blendable = b; }
        void SetAnimated(bool a) { animated = a; }
        void SetDebugDraw(bool d) { debugDraw = d; }
        void ToggleRender(bool r) { renderable = r; }
        // The editor shows some sprites that the game keeps hidden (waypoint
        // nodes) without touching the stored flag, so saving never keeps it.
        void ShowForEditing(bool shown) { shownForEditing = shown; }
        void SetFlipX(bool f);
        void SetFrameRate(float rate) { framerate = rate; }
        void SetSpeed(float s) { speed = s; }
        void SetStartingRow(unsigned row) { startingRow = row; }
        void SetAnimationCount(int n);
        void SetColumn(unsigned n);
        void IncrementColumn();
        void DecrementColumn();

        // Advances at most one cell once `frameTime` has built up.
        void Animate(float dt);
        void Recalculate();

        bool operator<(Sprite* other) const;

        // The owner's Text, drawn over the sprite; kept up to date as the
        // owner's components come and go.
        Text* GetOwnerText() const { return ownerText; }
        // How many bytes from its start hold what the frame's drawing reads
        // of a sprite.
        static std::size_t DrawnBytes();

    protected:
        void OwnerChanged() override;

    private:
        // The editor is on and the game stopped.
        static bool EditingNow();
        void UVorder();
        void MoveUV(float du, float dv);
        void MoveToNextColumn();
        void MoveToNextRow();
        void Reset();
        // The sheet's cells (a negative row count is none) and the playing
        // pace the in-game setters take.
        void SetGrid(int columns, int rows);
        void SetPace(float framerate, float speed);
        static bool EndsWithSlash(const std::string& path) { return !path.empty() && path.back() == '/'; }

        // What every frame's drawing reads, together right after the base
        // so that a sprite costs the draw walk few cache lines.
        unsigned int* texture = nullptr;
        unsigned int* blendTexture = nullptr;
        Text* ownerText = nullptr;
        // Stored (see ListFields).
        std::array<float, 4> tint{1.0f, 1.0f, 1.0f, 1.0f};
        // Copied, not stored.
        float blend = 0.0f;
        // Run-time state.
        bool uvDirty = false;
        // Stored.
        bool animated = false;
        bool renderable = false;
        // Run-time state.
        bool debugDraw = false;
        bool shownForEditing = false;
        bool playOnly = false;
        // Always six pairs, one per vertex of the quad.
        std::array<UV, 6> uv{};

        // Stored (see ListFields).
        std::string texturePath;
        int columns = 1;
        unsigned rows = 1;
        unsigned startingRow = 1;
        float framerate = 60.0f;
        float speed = 1.0f;
        bool flippedX = false;
        bool blendable = false;
        std::string blendTexturePath;
        // Copied, not stored.
        int animationCount = 0;

        // Run-time state.
        std::array<UV, 6> baseUV{};
        float cellWidth = 1.0f;
        float cellHeight = 1.0f;
        int currentColumn = 0;
        int currentRow = 0;
        float originV = 0.0f;
        float timer = 0.0f;
        float frameTime = 0.0f;
        int loopsPlayed = 0;
    };
}
