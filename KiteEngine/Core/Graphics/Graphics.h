// Graphics: the drawing system. Owns the OpenGL context use, the three shader
// programs, the shared quad, every texture and the font's glyphs; keeps the
// registered renderers sorted by depth and height and draws them each frame.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <unordered_map>
#include <map>
#include <string>
#include <vector>

#include <glm/mat4x4.hpp>

#include "Core/Engine/System.h"
#include "Core/Math/Colour.h"
#include "Core/Math/Vector2D.h"

class MyGLSL;

namespace KiteFramework
{
    namespace Platform
    {
        class Window;
    }

    class Mesh;
    class GameObject;
    class Transform;
    class Renderer;
    class Sprite;
    class Text;
    class Emitter;
    class QuadBatch;
    struct QuadProgram;
    struct QuadState;
    struct DecodedImage;
    class TextureDecoder;
    struct Data;
    struct Message;

    // Meshes that Graphics builds; only the basic quad exists.
    enum MeshType
    {
        MT_BasicQuad = 0
    };

    // OpenGL primitive mode handed to the draw routines (4: triangles).
    using DrawMode = unsigned int;

    // One glyph of the font: its one-channel texture and metrics in pixels.
    struct Character
    {
        unsigned int textureID = 0;
        int size[2] = {0, 0};    // bitmap width and rows
        int bearing[2] = {0, 0}; // bitmap left and top
        unsigned int advance = 0; // 1/64 pixel
    };

    // One glyph quad of a laid-out text, in the units of the text's position.
    struct GlyphQuad
    {
        char character;
        float left, right, top, bottom;
    };

    class Graphics : public System
    {
    public:
        // window: the address of the window system's window pointer, read at
        // every use; null or pointing at null means "draw nothing".
        Graphics(Platform::Window** window, int width, int height);
        ~Graphics() override;
        Graphics(const Graphics&) = delete;
        Graphics& operator=(const Graphics&) = delete;

        void SetUp();
        void Initialise() override;
        void Update() override;
        void SendMessage(Message* message) override;

        // Registration by the components.
        void AddSprite(Sprite* sprite);
        void AddText(Text* text);
        void AddEmitter(Emitter* emitter);
        void CheckExisiting(Renderer* renderer);
        void RemoveSprite(Sprite* sprite);
        void RemoveText(Text* text);
        void RemoveEmitter(Emitter* emitter);
        void NoDebugDraw();

        // Frame steps; public so that the editor can drive them into its own
        // framebuffer.
        void StartFrame();
        void CallDraw();
        void Reorder();
        void DrawWorld();
        void SwapBuffers();
        void SetBG(float r, float g, float b, float a);
        // Draws every quad written since the last flush; the frame steps do
        // it themselves, others who draw with OpenGL in between call it first.
        void FlushQuads();
        // Draw calls since the last StartFrame.
        std::size_t GetDrawCalls() const;
        // Off: every quad is its own draw call with the general program of
        // its kind, and every glyph is drawn from its own texture: the same
        // picture drawn the slow way, to compare against.
        void SetBatchRuns(bool on);

        // Pictures wider or taller than this many pixels are refused.
        static constexpr int MaxTextureSide = 8192;
        // Textures. The cells stay valid for the life of Graphics.
        unsigned int* GetTexture(const std::string& name);
        void LoadSingleTexture(unsigned int* out, const char* path);
        // The same with the picture decoded already.
        void LoadSingleTexture(unsigned int* out, const std::string& path, const DecodedImage& image);
        void LoadTextures(const std::vector<std::string>& names);
        void LoadTextures(const std::vector<std::filesystem::path>& paths);
        void LoadTextures(std::string file);
        // A texture of this name will be asked for soon: a picture still
        // queued from start-up is decoded before the others.
        void ExpectTexture(const std::string& name);
        // Start-up loads the sprite pictures behind the first frames, a few
        // each frame, in order: the pass for this frame (at most about the
        // given time), or all that are left. True once all are loaded.
        bool LoadQueuedTextures(double milliseconds);
        void FinishLoadingTextures();
        bool IsLoadingTextures() const { return !queued.empty(); }
        std::vector<std::string> GetImageFiles() const { return imageFiles; }
        std::vector<std::filesystem::path> GetrelImageFiles() const { return relImageFiles; }

        // Meshes and quad drawing.
        void MeshStart();
        void AddTri(float x1, float y1, float z1, float u1, float v1,
                    float x2, float y2, float z2, float u2, float v2,
                    float x3, float y3, float z3, float u3, float v3);
        Mesh* MeshEnd();
        void CreateBasicMesh();
        Mesh* GetMesh(MeshType type);
        Mesh* GetMesh(int type) { return GetMesh(static_cast<MeshType>(type)); }
        // Takes the quad's corners from the mesh; every sprite and particle
        // quad is built from them.
        void BindBasic(const Mesh* mesh);
        // Quads are always drawn as triangles, whatever the mode.
        void MeshDraw(Sprite* sprite, DrawMode mode);
        void MeshPartDraw(Sprite* sprite, const Data& particle, DrawMode mode);
        // owner: the emitter's Transform (the sprite's when null).
        void MeshPartDraw(Sprite* sprite, const std::vector<Data>& particles, DrawMode mode,
                          Transform* owner = nullptr);

        // Font and text.
        void FontSetUp();
        void LoadFont(const std::string& path);
        void RenderText(Text* text);
        void RenderText(const std::string& text, float x, float y, float scale, std::array<float, 3> colour,
                        Vector2D offset, bool centralise);
        // The glyph quads RenderText draws for a string (line breaks written
        // as a backslash and an "n"); out is cleared first.
        void LayoutText(const std::string& text, float x, float y, float scale, Vector2D offset, bool centralise,
                        std::vector<GlyphQuad>& out) const;
        const Character& GetGlyph(unsigned char c) const;
        void SetGlyph(unsigned char c, const Character& glyph);
        // Changes whenever a glyph does: a text laid out with an older
        // number is laid out again.
        unsigned GetFontGeneration() const { return fontGeneration; }
        // Characters laid out since start (every call of LayoutText).
        std::size_t GetCharactersLaidOut() const { return charactersLaidOut; }

        // Coordinates.
        Vector2D CurrentMouseToWorld();
        Vector2D GenericConversionTest();
        Vector2D GetDeltaMouse() const { return mouseDelta; }
        Vector2D GetMouseWorld() const { return mouseWorld; }
        Vector2D ConvertMousePos(int x, int y);
        Vector2D ScreenToWorldSpace(Vector2D p);
        // Client pixels to world units on the fixed 1600 by 900 camera.
        Vector2D ClientToWorld(float x, float y) const;
        // The editor shows the scene in a view of its own: the mouse then maps
        // to world units through that view. Empty restores the whole window.
        using ViewMapping = std::function<Vector2D(float, float)>;
        void SetViewMapping(ViewMapping mapping);
        void Resize(int w, int h);
        void ResetViewport();

        int GetWidth() const { return width; }
        int GetHeight() const { return height; }
        int GetViewportWidth() const { return viewportWidth; }
        int GetViewportHeight() const { return viewportHeight; }
        float GetWidthRatio() const { return widthRatio; }
        float GetHeightRatio() const { return heightRatio; }
        const glm::mat4& GetView() const { return view; }
        const glm::mat4& GetProjection() const { return projection; }
        const Colour& GetBG() const { return background; }

        // RGBA bytes of the frame being drawn, rows from the bottom; false
        // without a context.
        bool ReadPixels(int x, int y, int w, int h, std::vector<unsigned char>& rgba) const;

        // True once a context is current and the GL entry points are loaded;
        // without it every GL call is skipped.
        bool IsGLReady() const { return glReady; }
        // The texture name the loading screen had; it is deleted once shown.
        unsigned int GetLoadingScreenTexture() const { return loadingScreenTexture; }
        bool AreShadersReady() const { return shadersReady; }

        // The draw list in its current order.
        const std::vector<Renderer*>& GetRenderers();
        const std::vector<Sprite*>& GetSprites() const { return sprites; }

        // One unit of Transform scale in world units.
        int pixelsPerUnit = 100;
        // Set at the end of Initialise; the window procedure waits for it
        // before setting the game cursor.
        bool texturesLoaded = false;

    private:
        struct Uniforms
        {
            int blending = -1, texture1 = -1, texture2 = -1, transform = -1, tint = -1, debug = -1, line = -1,
                blend = -1, view = -1, projection = -1, text = -1, textColor = -1;
        };

        // The window, read through the pointer at every use; null without one.
        Platform::Window* LiveWindow() const;
        bool CreateContext();
        // One shader program to build: where it goes, its files, its
        // quads and the defines of a variant (null for a general program).
        struct ProgramBuild
        {
            MyGLSL** program;
            const char* vertex;
            const char* fragment;
            Uniforms* uniforms;
            QuadProgram* quads;
            const char* defines;
        };
        std::vector<ProgramBuild> ProgramBuilds();
        // The general programs, at set-up.
        void BuildPrograms();
        // The variants, at the first frame after start-up (or the first
        // layered text); once.
        void BuildVariants();
        void BuildProgram(const ProgramBuild& build);
        static void ForgetProgramErrors();
        static std::string LoadingScreenFile();
        void CacheUniforms(MyGLSL* program, Uniforms& out);
        // Compiles and links one program from the named shader files; false
        // when it failed (reported by the program).
        bool SetupProgram(MyGLSL* program, const char* vertexFile, const char* fragmentFile, const char* defines);
        // After a program failed: a general one marks the shaders unusable, a
        // variant hands its quads back to the program it refines.
        void FallBackFrom(const QuadProgram* quads, bool variant);
        // Points the quads at the program and sets the uniforms no quad changes.
        void PresetProgram(MyGLSL* program, Uniforms& u, QuadProgram& quads);
        // One decoded picture into a new texture, its name in out (0 when
        // it could not be decoded).
        void UploadTexture(unsigned int* out, const DecodedImage& image);
        // Loads the files in order, each into a new cell handed to loaded
        // with its index (holding 0 when it did not load).
        void LoadTextureFiles(const std::vector<std::string>& files,
                              const std::function<void(std::size_t, unsigned int*)>& loaded);
        // The pictures of the sprite tree, by name.
        static std::vector<std::string> SpriteFiles();
        // Starts decoding the named sprite pictures ahead of their upload.
        void StartDecoding(const std::vector<std::string>& names);
        void ReleaseDecoding();
        // Gives every named sprite picture its cell now and loads them
        // behind the first frames; each is uploaded at once when asked for.
        void QueueTextures(const std::vector<std::string>& names);
        // Uploads the queued picture i now unless it was; false when it
        // could not be loaded.
        bool UploadQueued(std::size_t i);
        void UploadQueued(std::size_t i, const DecodedImage& image);
        // Reports the queued picture i as the loader always has, in order.
        void AnnounceQueued(std::size_t i);
        // Copies every glyph into one layered texture, a glyph a layer at its
        // corner, so that text draws in runs like sprites; rebuilt when a
        // glyph has changed since.
        void BuildGlyphLayers();
        void DeleteGlyphLayers();
        // Draws laid-out glyph quads moved by (x, y).
        void DrawGlyphQuads(const std::vector<GlyphQuad>& quads, float x, float y, const std::array<float, 3>& colour);
        // A text component's cached layout at its object's position.
        void DrawText(Text* text);
        void DrawLoadingScreen(unsigned int texture);
        // Readies the text and particle programs for their first draws (see
        // DrawLoadingScreen); picture is a texture of the sprites' kind.
        void WarmPrograms(unsigned int picture);
        // One textured quad placed by a model matrix, into the frame's stream.
        void AppendQuad(const QuadState& state, float blend, const std::array<std::array<float, 2>, 6>& uv,
                        const std::array<float, 4>& tint, const glm::mat4& model);
        void AppendParticles(Sprite* sprite, const Data* particles, std::size_t count, Transform* owner);
        // The sprite's quad state: the plain program when nothing else is
        // needed, the white one when the tint is white too.
        QuadState StateOf(QuadProgram* general, QuadProgram* plain, QuadProgram* white, unsigned int texture,
                          unsigned int blendTexture, float blend, bool debug, const std::array<float, 4>& tint) const;
        void Unlist(Renderer* r);
        void ClearRegistries();
        void CompactRenderers();
        // Gathers each renderer's sort key from its Transform; then sorts by
        // the keys alone.
        void GatherSortKeys();
        void SortRenderers();
        // Sorts the keys by moving entries back into place; false, with the
        // keys still a mix of the two orders, once the moves run out.
        bool InsertKeys(std::size_t moves);
        void MergeKeys();
        // Sprite animation by the frame's step, and the walk drawing every
        // renderer in order.
        float AnimationStep() const;
        void AnimateSprites();
        void UpdateSprite(Sprite* sprite, float step);
        void DrawEntry(Renderer* r);
        // Asks for the lines of the renderers (and their transforms) the walk
        // at entry i reaches next.
        void PrefetchEntry(std::size_t i) const;
        // Draws the list from an index on, then every queued quad.
        void DrawRenderers(std::size_t from);

        // Sort keys gathered once per sort, so the comparisons touch no
        // component.
        struct SortKey
        {
            float depth;
            float y;
            bool hasTransform;
            Renderer* renderer;
        };
        static bool KeyBefore(const SortKey& a, const SortKey& b);
        // The renderer's place in the drawing order as it stands now.
        static SortKey KeyOf(Renderer* r);

        Platform::Window** window;
        int width;
        int height;
        float widthRatio = 1.0f;
        float heightRatio = 1.0f;
        float cameraWidth = 1600.0f;
        float cameraHeight = 900.0f;
        bool shadersReady = true;
        bool glReady = false;
        unsigned int loadingScreenTexture = 0;

        MyGLSL* spriteProgram = nullptr;
        MyGLSL* textProgram = nullptr;
        MyGLSL* particleProgram = nullptr;
        // The same files built for quads that neither blend nor show their
        // outline: most of them, and they then pay for neither.
        MyGLSL* plainSpriteProgram = nullptr;
        MyGLSL* plainParticleProgram = nullptr;
        // And for those whose tint is white as well, which then skip it.
        MyGLSL* whiteSpriteProgram = nullptr;
        MyGLSL* whiteParticleProgram = nullptr;
        // The text files built to read glyphs from the layered texture.
        MyGLSL* layeredTextProgram = nullptr;
        Uniforms spriteUniforms;
        Uniforms textUniforms;
        Uniforms particleUniforms;
        std::array<Uniforms, 5> variantUniforms{};
        bool variantsBuilt = false;
        // The loading screen's picture, decoded from set-up until Initialise.
        std::unique_ptr<TextureDecoder> loadingScreenDecoding;
        // The sprite pictures being decoded, from set-up until the last is
        // uploaded; the queue of those not yet reported, in list order.
        std::unique_ptr<TextureDecoder> decoding;
        // The decoding's files by picture name, while nothing is queued.
        std::unordered_map<std::string, std::size_t> decodingIndex;
        // The sprite tree as listed at set-up, for Initialise to load.
        std::vector<std::string> setUpSpriteFiles;
        struct QueuedTexture
        {
            std::string name;
            std::string path;
            unsigned int* cell = nullptr;
            // The cell went into the map (the name was not there before).
            bool listed = false;
            bool uploaded = false;
            std::string failure;
        };
        static constexpr double queuedMillisecondsPerFrame = 6.0;
        int framesUpdated = 0;
        std::size_t takenOnDemand = 0;
        // Start-up queued the pictures and the first scene is not shown yet.
        bool startingUp = false;
        std::vector<QueuedTexture> queued;
        std::size_t queuedNext = 0;
        std::unordered_map<const unsigned int*, std::size_t> queuedCells;
        // Every quad of the frame goes through the batch, in draw order.
        std::unique_ptr<QuadBatch> batch;
        std::unique_ptr<QuadProgram> spriteQuads;
        std::unique_ptr<QuadProgram> textQuads;
        std::unique_ptr<QuadProgram> particleQuads;
        std::unique_ptr<QuadProgram> plainSpriteQuads;
        std::unique_ptr<QuadProgram> plainParticleQuads;
        std::unique_ptr<QuadProgram> whiteSpriteQuads;
        std::unique_ptr<QuadProgram> whiteParticleQuads;
        std::unique_ptr<QuadProgram> layeredTextQuads;
        // The variants, or the general programs when a variant failed.
        QuadProgram* plainSprite = nullptr;
        QuadProgram* plainParticle = nullptr;
        QuadProgram* whiteSprite = nullptr;
        QuadProgram* whiteParticle = nullptr;

        Colour background;
        Mesh* meshUnderConstruction = nullptr;
        std::vector<Mesh*> meshes;
        std::map<std::string, unsigned int*> textures;
        std::array<Character, 128> glyphs{};
        // The glyphs as layers of one texture (0 until built); a glyph whose
        // layer is not filled draws from its own texture.
        unsigned int glyphLayers = 0;
        int glyphLayerSize = 0;
        std::array<bool, 128> glyphLayered{};
        bool glyphLayersStale = true;
        unsigned fontGeneration = 0;
        mutable std::size_t charactersLaidOut = 0;
        bool layeredTextReady = true;
        // Off with the batch runs: glyphs then draw from their own textures
        // and every quad with the general program of its kind.
        bool shortcuts = true;
        int layerSizeLocation = -1;

        glm::mat4 view;
        glm::mat4 projection;

        std::vector<std::string> imageFiles;
        std::vector<std::filesystem::path> relImageFiles;

        Vector2D mouseWorld;
        Vector2D mousePrevious;
        Vector2D mouseDelta;

        // In no particular order; removal swaps the last entry into the gap.
        std::vector<Sprite*> sprites;
        int viewportWidth;
        int viewportHeight;
        std::vector<Renderer*> renderers;

        // Scratch space reused every frame, so the hot paths never allocate.
        std::vector<SortKey> sortKeys;
        std::vector<SortKey> sortScratch;
        std::size_t tombstones = 0;
        // Whether CallDraw queues quads during its walk (the list was in
        // order last frame).
        bool drawWhileSorting = true;
        // How much of a sprite the draw walk reads (see PrefetchEntry).
        std::size_t spriteDrawnBytes = 0;
        // The sprite entry each object has in the draw list.
        std::unordered_map<const GameObject*, Sprite*> ownerSprites;
        std::vector<GlyphQuad> glyphScratch;
        ViewMapping viewMapping;
    };

    extern Graphics* GRAPHICS;

    // Draw order: larger depth first, then larger y first; false when either
    // renderer has no transform to compare (those sort last).
    bool RenderOrderCompare(const Renderer* a, const Renderer* b);
}
