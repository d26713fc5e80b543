// Graphics: set-up of the context and programs, start-up loading, the frame,
// and the conversions between window pixels and world units.
#include "Core/Graphics/Graphics.h"

#include <filesystem>
#include <iostream>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Mesh.h"
#include "Core/Graphics/MyGLSL.h"
#include "Core/Graphics/QuadBatch.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Graphics/TextureDecoder.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Window/Win32System.h"
#include "Platform/Platform.h"

namespace KiteFramework
{
    Graphics* GRAPHICS = nullptr;

    namespace
    {
        // The picture formats the texture decoder reads.
        const std::vector<std::string> kImageExtensions = {".png", ".jpg", ".jpeg", ".bmp", ".tga"};
    }

    Graphics::Graphics(Platform::Window** window_, int width_, int height_)
        : System(ST_Graphics),
          window(window_),
          width(width_),
          height(height_),
          batch(std::make_unique<QuadBatch>()),
          spriteQuads(std::make_unique<QuadProgram>()),
          textQuads(std::make_unique<QuadProgram>()),
          particleQuads(std::make_unique<QuadProgram>()),
          plainSpriteQuads(std::make_unique<QuadProgram>()),
          plainParticleQuads(std::make_unique<QuadProgram>()),
          whiteSpriteQuads(std::make_unique<QuadProgram>()),
          whiteParticleQuads(std::make_unique<QuadProgram>()),
          layeredTextQuads(std::make_unique<QuadProgram>()),
          viewportWidth(width_),
          viewportHeight(height_)
    {
        view = glm::lookAt(glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.0f, 0.0f, -1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
        // The camera shows the same 1600 by 900 world units whatever the
        // window's size, so that drawing and mouse picking agree.
        projection = glm::ortho(-cameraWidth / 2.0f, cameraWidth / 2.0f, -cameraHeight / 2.0f, cameraHeight / 2.0f,
                                0.0f, -150.0f);
        spriteDrawnBytes = Sprite::DrawnBytes();
        ClaimGlobal(GRAPHICS, this);
        SetUp();
    }

    Graphics::~Graphics()
    {
        // The window outlives the window system, so its context is still
        // there to delete from; without a window there is nothing to delete.
        Platform::Window* w = LiveWindow();
        if (!w)
            glReady = false;
        if (glReady)
        {
            w->MakeCurrent();
            for (auto& entry : textures)
                glDeleteTextures(1, entry.second);
            for (std::size_t i = queuedNext; i < queued.size(); ++i)
                if (!queued[i].listed)
                    glDeleteTextures(1, queued[i].cell);
            for (Character& glyph : glyphs)
                if (glyph.textureID)
                    glDeleteTextures(1, &glyph.textureID);
        }
        for (auto& entry : textures)
            delete entry.second;
        textures.clear();
        for (std::size_t i = queuedNext; i < queued.size(); ++i)
            if (!queued[i].listed)
                delete queued[i].cell;
        queued.clear();
        for (Mesh* mesh : meshes)
            delete mesh;
        meshes.clear();
        delete meshUnderConstruction;
        meshUnderConstruction = nullptr;

        if (glReady)
            DeleteGlyphLayers();
        for (MyGLSL** program : {&spriteProgram, &textProgram, &particleProgram, &plainSpriteProgram,
                                 &plainParticleProgram, &whiteSpriteProgram, &whiteParticleProgram,
                                 &layeredTextProgram})
        {
            if (*program && glReady)
                (*program)->Clean();
            delete *program;
            *program = nullptr;
        }
        if (glReady)
            batch->Destroy();
        ReleaseGlobal(GRAPHICS, this);
    }

    void Graphics::SetUp()
    {
        RegisterComponent<Sprite>(CT_Sprite, "Sprite");
        RegisterComponent<Text>(CT_Text, "Text");
        RegisterComponent<Emitter>(CT_Emitter, "Emitter");

        // The loading screen's picture decodes while the context is made.
        loadingScreenDecoding =
            std::make_unique<TextureDecoder>(std::vector<std::string>{LoadingScreenFile()}, 1);
        glReady = CreateContext();
        // The pictures decode on worker threads while the programs compile
        // and the other systems start; Initialise uploads them.
        if (glReady)
        {
            setUpSpriteFiles = SpriteFiles();
            StartDecoding(setUpSpriteFiles);
        }
        // The quad is plain data every object shares, with or without a context.
        CreateBasicMesh();
        if (glReady)
        {
            BuildPrograms();
            batch->Create();
            BindBasic(meshes[0]);
            FontSetUp();
        }
        // Glyph metrics are read even without a context; only their textures need one.
        LoadFont(Assets::ResolveNamed("Assets/Fonts/SHOWG.ttf"));
    }

    Platform::Window* Graphics::LiveWindow() const
    {
        return window ? *window : nullptr;
    }

    bool Graphics::CreateContext()
    {
        Platform::Window* w = LiveWindow();
        if (!w)
        {
            Platform::DebugOutput("Graphics: there is no window; nothing will be drawn.\n");
            return false;
        }
        if (!w->CreateGLContext() || !w->MakeCurrent())
        {
            Platform::DebugOutput("Graphics: no OpenGL context could be made; nothing will be drawn.\n");
            return false;
        }
        if (!InitialiseGLEW())
        {
            Platform::DebugOutput("Graphics: the OpenGL entry points could not be loaded; nothing will be drawn.\n");
            return false;
        }
        return true;
    }

    std::vector<Graphics::ProgramBuild> Graphics::ProgramBuilds()
    {
        const char* plain = "#define PLAIN_SPRITE 1";
        const char* white = "#define PLAIN_SPRITE 1\n#define WHITE_TINT 1";
        return {
            {&spriteProgram, "Assets/Shaders/ver.vs", "Assets/Shaders/frag.fs", &spriteUniforms, spriteQuads.get(),
             nullptr},
            {&textProgram, "Assets/Shaders/text.vs", "Assets/Shaders/text.fs", &textUniforms, textQuads.get(),
             nullptr},
            {&particleProgram, "Assets/Shaders/particle.vs", "Assets/Shaders/particle.fs", &particleUniforms,
             particleQuads.get(), nullptr},
            {&plainSpriteProgram, "Assets/Shaders/ver.vs", "Assets/Shaders/frag.fs", &variantUniforms[0],
             plainSpriteQuads.get(), plain},
            {&plainParticleProgram, "Assets/Shaders/particle.vs", "Assets/Shaders/particle.fs", &variantUniforms[1],
             plainParticleQuads.get(), plain},
            {&whiteSpriteProgram, "Assets/Shaders/ver.vs", "Assets/Shaders/frag.fs", &variantUniforms[2],
             whiteSpriteQuads.get(), white},
            {&whiteParticleProgram, "Assets/Shaders/particle.vs", "Assets/Shaders/particle.fs", &variantUniforms[3],
             whiteParticleQuads.get(), white},
            {&layeredTextProgram, "Assets/Shaders/text.vs", "Assets/Shaders/text.fs", &variantUniforms[4],
             layeredTextQuads.get(), "#define GLYPH_ARRAY 1"},
        };
    }

    void Graphics::BuildPrograms()
    {
        // Only the general programs: they draw every quad. The variants draw
        // the same pictures faster and wait for the first scene to be shown;
        // until then their quads go to the general programs.
        plainSprite = spriteQuads.get();
        plainParticle = particleQuads.get();
        whiteSprite = plainSprite;
        whiteParticle = plainParticle;
        for (const ProgramBuild& b : ProgramBuilds())
            if (!b.defines)
                BuildProgram(b);
        ForgetProgramErrors();
    }

    void Graphics::BuildVariants()
    {
        if (variantsBuilt || !glReady)
            return;
        variantsBuilt = true;
        // A program is built while another may be in use.
        FlushQuads();
        GLint inUse = 0;
        glGetIntegerv(GL_CURRENT_PROGRAM, &inUse);
        plainSprite = plainSpriteQuads.get();
        plainParticle = plainParticleQuads.get();
        whiteSprite = whiteSpriteQuads.get();
        whiteParticle = whiteParticleQuads.get();
        for (const ProgramBuild& b : ProgramBuilds())
            if (b.defines)
                BuildProgram(b);
        // A white variant that failed leaves its quads to the plain one.
        if (!whiteSprite)
            whiteSprite = plainSprite;
        if (!whiteParticle)
            whiteParticle = plainParticle;
        layerSizeLocation = layeredTextProgram->GetUniformLocation("layerSize");
        ForgetProgramErrors();
        glUseProgram(static_cast<GLuint>(inUse));
    }

    void Graphics::BuildProgram(const ProgramBuild& b)
    {
        // A program that fails is reported and the next is built all the
        // same; a plain variant that fails leaves its quads to the general one.
        *b.program = new MyGLSL();
        if (!SetupProgram(*b.program, b.vertex, b.fragment, b.defines))
            FallBackFrom(b.quads, b.defines != nullptr);
        PresetProgram(*b.program, *b.uniforms, *b.quads);
    }

    void Graphics::ForgetProgramErrors()
    {
        // A program that did not link leaves errors behind; they say nothing
        // about later calls.
        while (glGetError() != GL_NO_ERROR)
        {
        }
    }

    bool Graphics::SetupProgram(MyGLSL* program, const char* vertexFile, const char* fragmentFile, const char* defines)
    {
        std::string vertex = Assets::ResolveNamed(vertexFile);
        std::string fragment = Assets::ResolveNamed(fragmentFile);
        return program->Setup(vertex.c_str(), fragment.c_str(), nullptr, defines);
    }

    void Graphics::FallBackFrom(const QuadProgram* quads, bool variant)
    {
        if (!variant)
            shadersReady = false;
        else if (quads == plainSpriteQuads.get())
            plainSprite = spriteQuads.get();
        else if (quads == plainParticleQuads.get())
            plainParticle = particleQuads.get();
        else if (quads == whiteSpriteQuads.get())
            whiteSprite = nullptr;
        else if (quads == whiteParticleQuads.get())
            whiteParticle = nullptr;
        else
            layeredTextReady = false;
    }

    void Graphics::PresetProgram(MyGLSL* program, Uniforms& u, QuadProgram& quads)
    {
        CacheUniforms(program, u);
        quads.id = program->GetProgram();
        quads.blendingLocation = u.blending;
        quads.debugLocation = u.debug;
        // What no quad changes is set once: uniforms keep their values
        // in the program.
        program->Start();
        glUniform1i(u.texture1, 0);
        glUniform1i(u.texture2, 1);
        glUniform1i(u.line, 0);
        glUniformMatrix4fv(u.view, 1, GL_FALSE, glm::value_ptr(view));
        glUniformMatrix4fv(u.projection, 1, GL_FALSE, glm::value_ptr(projection));
        glUniform1i(u.text, 0);
        program->End();
    }

    void Graphics::CacheUniforms(MyGLSL* program, Uniforms& u)
    {
        u.blending = program->GetUniformLocation("blending");
        u.texture1 = program->GetUniformLocation("texture1");
        u.texture2 = program->GetUniformLocation("texture2");
        u.transform = program->GetUniformLocation("transform");
        u.tint = program->GetUniformLocation("tint");
        u.debug = program->GetUniformLocation("debug");
        u.line = program->GetUniformLocation("line");
        u.blend = program->GetUniformLocation("blend");
        u.view = program->GetUniformLocation("view");
        u.projection = program->GetUniformLocation("projection");
        u.text = program->GetUniformLocation("text");
        u.textColor = program->GetUniformLocation("textColor");
    }

    std::string Graphics::LoadingScreenFile()
    {
        return Assets::ResolveNamed(Assets::SpritePath("Menu/LoadingScreen.png"));
    }

    void Graphics::Initialise()
    {
        // Until the first scene is shown only what it needs is done.
        startingUp = glReady;
        unsigned int loadingScreen = 0;
        const std::string loadingScreenFile = LoadingScreenFile();
        if (loadingScreenDecoding && loadingScreenDecoding->Path(0) == loadingScreenFile)
            LoadSingleTexture(&loadingScreen, loadingScreenFile, loadingScreenDecoding->Take(0));
        else
            LoadSingleTexture(&loadingScreen, loadingScreenFile.c_str());
        loadingScreenDecoding.reset();
        if (loadingScreen == 0)
            std::cout << "ZI BAO LIAO" << std::endl;

        // Let the window show itself before the long load.
        if (WINDOWSSYSTEM)
            WINDOWSSYSTEM->Update();
        DrawLoadingScreen(loadingScreen);

        imageFiles.clear();
        relImageFiles.clear();
        // The tree listed at set-up, a moment ago, is the one to load.
        imageFiles = setUpSpriteFiles.empty() ? SpriteFiles() : std::move(setUpSpriteFiles);
        setUpSpriteFiles.clear();
        for (const std::string& name : imageFiles)
            relImageFiles.push_back(std::filesystem::path(Assets::SpritePath(name)));
        // With a context the pictures load behind the first frames (what is
        // asked for at once); without one none can, and that is said now.
        if (glReady)
            QueueTextures(imageFiles);
        else
            LoadTextures(imageFiles);

        // The loading screen is shown once: free its texture.
        loadingScreenTexture = loadingScreen;
        if (loadingScreen != 0 && glReady)
            glDeleteTextures(1, &loadingScreen);
        texturesLoaded = true;
    }

    std::vector<std::string> Graphics::SpriteFiles()
    {
        // Only pictures: the sprite tree also holds the cursors.
        return Assets::List("Sprites", kImageExtensions);
    }

    void Graphics::DrawLoadingScreen(unsigned int texture)
    {
        if (!glReady)
            return;
        StartFrame();
        // A 16 by 9 unit quad covers the 1600 by 900 camera.
        glm::mat4 model(1.0f);
        model[0][0] = 16.0f * static_cast<float>(pixelsPerUnit);
        model[1][1] = 9.0f * static_cast<float>(pixelsPerUnit);
        model[3][2] = 1.0f;
        static const std::array<std::array<float, 2>, 6> fullUV = {
            {{0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}, {0.0f, 0.0f}}};
        const std::array<float, 4> white{1.0f, 1.0f, 1.0f, 1.0f};
        if (texture != 0)
            AppendQuad(QuadState{whiteSprite, texture, 0, false}, 0.0f, fullUV, white, model);
        // The driver prepares each program for its state on its first draw,
        // which would hold up the first scene's frame for its text and
        // particles. They are readied here instead, while the loading screen
        // is being drawn (sent off first).
        FlushQuads();
        glFlush();
        WarmPrograms(texture);
        SwapBuffers();
    }

    void Graphics::WarmPrograms(unsigned int picture)
    {
        unsigned int glyph = 0;
        for (const Character& g : glyphs)
            if (g.textureID != 0)
            {
                glyph = g.textureID;
                break;
            }
        // Before the first scene is shown text is drawn from the glyphs' own
        // textures, and particles with the general program.
        const QuadState states[] = {QuadState{textQuads.get(), glyph, 0, false, false},
                                    QuadState{particleQuads.get(), picture, 0, false, false}};
        for (const QuadState& state : states)
        {
            if (state.texture == 0)
                continue;
            // A quad of no area: drawn, it shows nothing.
            QuadVertex* v = batch->Append(state);
            for (int k = 0; k < 4; ++k)
                WriteCorner(v + k, QuadVertex{});
        }
        FlushQuads();
    }

    void Graphics::Update()
    {
        mouseWorld = CurrentMouseToWorld();
        mouseDelta = mouseWorld - mousePrevious;
        mousePrevious = mouseWorld;
        // The frame before the first scene is read would show an empty
        // screen: the loading screen stays up instead.
        const bool nothingYet = startingUp && framesUpdated == 0 && renderers.empty();
        if (!(ENGINE && ENGINE->GetEngineStatus(ES_EDITORVIEW)) && !nothingYet)
        {
            StartFrame();
            CallDraw();
            SwapBuffers();
        }
        // The first scene is read at the end of the first frame and shown in
        // the second: from then on the pictures decode behind the frames.
        if (framesUpdated < 2 && ++framesUpdated == 2)
        {
            startingUp = false;
            ReleaseDecoding();
        }
        // After the first scene is shown: what start-up left to load.
        if (!queued.empty() && !startingUp)
            LoadQueuedTextures(queuedMillisecondsPerFrame);
    }

    void Graphics::SendMessage(Message* message)
    {
        // The components are not touched: the factory deletes them.
        if (message && message->id == MsgID::ClearScene)
            ClearRegistries();
    }

    void Graphics::StartFrame()
    {
        if (!glReady)
            return;
        if (!startingUp)
            BuildVariants();
        FlushQuads();
        batch->ResetCounts();
        glClearColor(background.r, background.g, background.b, background.a);
        // Depth testing is never on: the draw order alone decides what
        // covers what, so the depth buffer is left alone.
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        if (ENGINE && ENGINE->GetEngineStatus(ES_EDITORVIEW) && !ENGINE->GetEngineStatus(ES_FULLSCREEN))
        {
            glViewport(0, 0, viewportWidth, viewportHeight);
        }
        else
        {
            int w = width;
            int h = height;
            if (Platform::Window* live = LiveWindow())
                live->GetClientSize(w, h);
            glViewport(0, 0, w, h);
        }
    }

    void Graphics::SwapBuffers()
    {
        if (!glReady)
            return;
        FlushQuads();
        if (Platform::Window* live = LiveWindow())
            live->SwapBuffers();
    }

    void Graphics::FlushQuads()
    {
        if (glReady)
            batch->Flush();
    }

    std::size_t Graphics::GetDrawCalls() const
    {
        return batch->DrawCalls();
    }

    void Graphics::SetBatchRuns(bool on)
    {
        FlushQuads();
        batch->SetRuns(on);
        shortcuts = on;
    }

    void Graphics::SetBG(float r, float g, float b, float a)
    {
        background = Colour(r, g, b, a);
    }

    Vector2D Graphics::CurrentMouseToWorld()
    {
        if (!ENGINE)
            return Vector2D();
        // The editor's scene view converts through the same camera.
        if (ENGINE->GetEngineStatus(ES_EDITORVIEW) || ENGINE->GetEngineStatus(ES_GAMEPLAYING))
            return GenericConversionTest();
        return Vector2D();
    }

    Vector2D Graphics::GenericConversionTest()
    {
        float x = 0.0f;
        float y = 0.0f;
        GetCursorPos(x, y);
        if (viewMapping)
            return viewMapping(x, y);
        return ClientToWorld(x, y);
    }

    Vector2D Graphics::ClientToWorld(float x, float y) const
    {
        const float w = width > 0 ? static_cast<float>(width) : cameraWidth;
        const float h = height > 0 ? static_cast<float>(height) : cameraHeight;
        x = x / w * cameraWidth;
        y = y / h * cameraHeight;
        return Vector2D(x - cameraWidth / 2.0f, cameraHeight / 2.0f - y);
    }

    Vector2D Graphics::ConvertMousePos(int x, int y)
    {
        int w = width;
        int h = height;
        if (Platform::Window* live = LiveWindow())
            live->GetClientSize(w, h);
        return Vector2D(static_cast<float>(x - w / 2), static_cast<float>(h / 2 - y));
    }

    Vector2D Graphics::ScreenToWorldSpace(Vector2D p)
    {
        return Vector2D(p.x - static_cast<float>(width / 2), p.y - static_cast<float>(height / 2));
    }

    void Graphics::Resize(int w, int h)
    {
        width = w;
        height = h;
        widthRatio = viewportWidth ? static_cast<float>(w) / static_cast<float>(viewportWidth) : 1.0f;
        heightRatio = viewportHeight ? static_cast<float>(h) / static_cast<float>(viewportHeight) : 1.0f;
    }

    void Graphics::ResetViewport()
    {
        viewportWidth = width;
        viewportHeight = height;
    }
}
