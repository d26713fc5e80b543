// Moving game objects: N objects, each with a Transform and a Sprite, all
// moved every frame, against the raw OpenGL reference program moving N
// offsets and drawing them instanced, in one run. A frame is the moving, the
// factory's update and the drawing with rasterisation discarded (so the
// figure is the CPU's work, not the pixels'), in milliseconds of this
// thread's CPU time, the quickest of several frames; of several rounds the
// best of each counts. The objects either keep distinct depths (their order
// never changes) or share four depths (they pass each other every frame and
// the draw order changes). Needs a display (Xvfb will do).
//   moving_objects_bench [rounds]          (5 rounds unless told)
//   moving_objects_bench engine N FRAMES [shared]   the engine alone, for a profiler
#include <GL/glew.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Mesh.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Platform/Platform.h"
#include "ReferenceProcess.h"
#include "SpriteBenchScene.h"

using namespace KiteFramework;

namespace
{
    const std::size_t counts[] = {1000, 5000, 20000};

    std::string WriteDot()
    {
        const std::string path = "/tmp/kite_moving_bench_dot_" + std::to_string(getpid()) + ".png";
        const std::vector<unsigned char> pixels = SpriteBench::DotPixels();
        stbi_write_png(path.c_str(), SpriteBench::dotSize, SpriteBench::dotSize, 4, pixels.data(),
                       SpriteBench::dotSize * 4);
        return path;
    }

    // The objects as the factory makes them: an id, the shared quad, a
    // Transform and a Sprite.
    class Objects
    {
    public:
        Objects(GameObjectFactory* factory, Graphics* graphics, std::string texture)
            : factory_(factory), graphics_(graphics), texture_(std::move(texture))
        {
        }

        void Make(std::size_t n, bool sharedDepths)
        {
            Clear();
            for (std::size_t i = 0; i < n; ++i)
            {
                SpriteBench::Mover m = SpriteBench::Start(i);
                if (sharedDepths)
                    m.depth = 10.0f + 10.0f * static_cast<float>(i % 4);
                GameObject* o = factory_->CreateEmptyComposition();
                o->AddComponent(graphics_->GetMesh(MT_BasicQuad));
                auto* t = new Transform();
                o->AddComponent(t);
                t->SetScale(0.32f, 0.32f);
                t->SetDepth(m.depth);
                t->SetTrans(m.x, m.y);
                auto* s = new Sprite();
                s->SetTexturePath(texture_);
                s->ToggleRender(true);
                o->AddComponent(s);
                s->Initialise();
                movers_.push_back(m);
                transforms_.push_back(t);
                objects_.push_back(o);
            }
            factory_->Update();
        }

        void Clear()
        {
            for (GameObject* o : objects_)
                o->Destroy();
            objects_.clear();
            transforms_.clear();
            movers_.clear();
            factory_->Update();
        }

        void Move()
        {
            for (std::size_t i = 0; i < movers_.size(); ++i)
            {
                movers_[i].Step();
                transforms_[i]->SetTrans(movers_[i].x, movers_[i].y);
            }
        }

    private:
        GameObjectFactory* factory_;
        Graphics* graphics_;
        std::string texture_;
        std::vector<SpriteBench::Mover> movers_;
        std::vector<Transform*> transforms_;
        std::vector<GameObject*> objects_;
    };

    class EngineSide
    {
    public:
        EngineSide(GameObjectFactory* factory, Graphics* graphics, Objects& objects)
            : factory_(factory), graphics_(graphics), objects_(objects)
        {
        }

        // The quickest of several whole frames, in ms of thread CPU time.
        double FrameMs(std::size_t n, bool sharedDepths, int frames)
        {
            objects_.Make(n, sharedDepths);
            glEnable(GL_RASTERIZER_DISCARD);
            // The first frame builds what later frames reuse.
            Work();
            std::vector<double> times;
            for (int i = 0; i < frames; ++i)
            {
                const double start = SpriteBench::ThreadCpuMs();
                Frame();
                times.push_back(SpriteBench::ThreadCpuMs() - start);
            }
            glDisable(GL_RASTERIZER_DISCARD);
            graphics_->SwapBuffers();
            return SpriteBench::Quickest(times);
        }

    private:
        // A timed frame, kept out of line so that a profiler can be told to
        // count it alone.
        [[gnu::noinline]] void Frame() { Work(); }

        void Work()
        {
            objects_.Move();
            factory_->Update();
            graphics_->StartFrame();
            graphics_->CallDraw();
            glFinish();
        }

        GameObjectFactory* factory_;
        Graphics* graphics_;
        Objects& objects_;
    };

    struct Row
    {
        double steady = 1e9;
        double shared = 1e9;
        double reference = 1e9;
    };

    void Compare(EngineSide& side, int rounds)
    {
        SpriteBench::ReferenceProcess reference;
        if (!reference.Start())
            std::printf("the reference program could not be started\n");
        const std::size_t kinds = std::size(counts);
        std::vector<Row> best(kinds);
        const int frames = 15;
        for (int round = 1; round <= rounds; ++round)
            for (std::size_t k = 0; k < kinds; ++k)
            {
                const std::size_t n = counts[k];
                // Taking turns, so that a busy machine slows all three alike.
                const double steady = side.FrameMs(n, false, frames);
                const double r = reference.Ask("moving " + std::to_string(n) + " " + std::to_string(frames));
                const double shared = side.FrameMs(n, true, frames);
                std::printf("round %d, %6zu objects: engine %.3f ms (distinct depths), %.3f ms (shared depths); "
                            "reference %.3f ms\n",
                            round, n, steady, shared, r);
                std::fflush(stdout);
                Row& b = best[k];
                b.steady = std::min(b.steady, steady);
                b.shared = std::min(b.shared, shared);
                if (r > 0.0)
                    b.reference = std::min(b.reference, r);
            }
        for (std::size_t k = 0; k < kinds; ++k)
        {
            const Row& b = best[k];
            std::printf("moving objects, rasterisation discarded, %6zu objects: engine %.3f ms a frame "
                        "(ratio %.2f), with shared depths %.3f ms (ratio %.2f); instanced reference %.3f ms\n",
                        counts[k], b.steady, b.steady / b.reference, b.shared, b.shared / b.reference, b.reference);
        }
    }
}

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool engineOnly = mode == "engine";
    const int rounds = argc > 1 && !engineOnly ? std::max(1, std::atoi(argv[1])) : 5;

    auto* engine = new Engine();
    auto* factory = new GameObjectFactory();
    engine->AddSystem(factory);
    factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));

    std::unique_ptr<Platform::Window> owned;
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        owned = Platform::Get().CreateWindow("Moving objects bench", SpriteBench::windowWidth,
                                             SpriteBench::windowHeight, false);
    Platform::Window* window = owned.get();
    if (window)
        window->Show();
    auto* graphics = new Graphics(&window, SpriteBench::windowWidth, SpriteBench::windowHeight);
    engine->AddSystem(graphics);
    graphics->SetBG(0.33f, 0.33f, 0.33f, 0.0f);

    const std::string dot = WriteDot();
    Objects objects(factory, graphics, dot);
    EngineSide side(factory, graphics, objects);

    if (!graphics->IsGLReady())
    {
        std::printf("moving objects: not measured (no display)\n");
    }
    else if (engineOnly)
    {
        const std::size_t n = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 5000;
        const int frames = argc > 3 ? std::max(1, std::atoi(argv[3])) : 200;
        const bool shared = argc > 4 && std::string(argv[4]) == "shared";
        std::printf("engine, %zu moving objects%s: %.3f ms a frame\n", n, shared ? " at shared depths" : "",
                    side.FrameMs(n, shared, frames));
    }
    else
    {
        Compare(side, rounds);
    }

    objects.Clear();
    engine->EndLoop();
    engine->CleanEngine();
    delete engine;
    owned.reset();
    std::remove(dot.c_str());
    return 0;
}
