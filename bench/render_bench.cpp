// Sprite drawing, the engine against a raw OpenGL program that instances the
// same sprites (sprite_reference, run beside this program), in one run:
// - the picture both draw, compared pixel for pixel;
// - the most moving, alpha-blended 32-pixel sprites drawn within one 60 Hz
//   frame (16.7 ms) in a 1600 by 900 window, for each, and their ratio;
// - the CPU cost of submitting one sprite with rasterisation discarded.
// The two take turns measurement by measurement, so a busy machine slows
// both alike; each measurement takes the quickest of several frames, and of
// several rounds the best of each counts. Needs a display
// (Xvfb will do).
//   render_bench [rounds]   (5 rounds unless told)
//   render_bench submit    only the engine's submission, long, for a profiler
//   render_bench curve     frame times of both at a few sprite counts
#include <GL/glew.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Platform/Platform.h"
#include "ReferenceProcess.h"
#include "SpriteBenchScene.h"

using namespace KiteFramework;
using Clock = std::chrono::steady_clock;
using SpriteBench::ReferenceProcess;

namespace
{
    std::string WriteDot()
    {
        const std::string path = "/tmp/kite_render_bench_dot_" + std::to_string(getpid()) + ".png";
        const std::vector<unsigned char> pixels = SpriteBench::DotPixels();
        stbi_write_png(path.c_str(), SpriteBench::dotSize, SpriteBench::dotSize, 4, pixels.data(),
                       SpriteBench::dotSize * 4);
        return path;
    }

    // The engine's side: one object with a Transform and a Sprite per dot.
    class Scene
    {
    public:
        Scene(GameObjectFactory* factory, const std::string& texture) : factory_(factory), texture_(texture) {}

        void Resize(std::size_t n)
        {
            while (movers_.size() < n)
            {
                const SpriteBench::Mover m = SpriteBench::Start(movers_.size());
                GameObject* o = factory_->CreateEmptyComposition();
                auto* t = new Transform();
                o->AddComponent(t);
                // 0.32 units of scale: 32 world units, 32 pixels at 1600 by 900.
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
            while (movers_.size() > n)
            {
                objects_.back()->Destroy();
                objects_.pop_back();
                transforms_.pop_back();
                movers_.pop_back();
            }
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
        std::string texture_;
        std::vector<SpriteBench::Mover> movers_;
        std::vector<Transform*> transforms_;
        std::vector<GameObject*> objects_;
    };

    class EngineSide
    {
    public:
        EngineSide(Graphics* graphics, Scene& scene) : graphics_(graphics), scene_(scene) {}

        // Time of a whole frame (move, clear, update, sort, draw, finish,
        // swap) in milliseconds, the quickest of several.
        double FrameMs(std::size_t n, int frames)
        {
            scene_.Resize(n);
            Frame();
            std::vector<double> times;
            for (int i = 0; i < frames; ++i)
            {
                const auto start = Clock::now();
                Frame();
                times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            }
            return SpriteBench::Quickest(times);
        }

        // CPU microseconds of this thread per sprite for clearing,
        // updating, sorting and submitting with rasterisation discarded (the
        // moving is not counted; CPU time, since the machine may be busy).
        double CostMicroseconds(std::size_t n, int frames)
        {
            scene_.Resize(n);
            glEnable(GL_RASTERIZER_DISCARD);
            scene_.Move();
            graphics_->StartFrame();
            graphics_->CallDraw();
            glFinish();
            double total = 0.0;
            for (int i = 0; i < frames; ++i)
            {
                scene_.Move();
                const double start = SpriteBench::ThreadCpuMs();
                graphics_->StartFrame();
                graphics_->CallDraw();
                glFinish();
                total += 1000.0 * (SpriteBench::ThreadCpuMs() - start);
            }
            drawCalls_ = graphics_->GetDrawCalls();
            glDisable(GL_RASTERIZER_DISCARD);
            graphics_->SwapBuffers();
            return total / frames / static_cast<double>(n);
        }

        std::size_t DrawCalls() const { return drawCalls_; }

    private:
        void Frame()
        {
            scene_.Move();
            graphics_->StartFrame();
            graphics_->CallDraw();
            // Reading a pixel waits for the drawing to finish.
            graphics_->ReadPixels(0, 0, 1, 1, pixel_);
            graphics_->SwapBuffers();
        }

        Graphics* graphics_;
        Scene& scene_;
        std::vector<unsigned char> pixel_;
        std::size_t drawCalls_ = 0;
    };

    // The first frame of n sprites from both programs, compared.
    void ComparePictures(Graphics* graphics, Scene& scene, ReferenceProcess& reference, std::size_t n)
    {
        const std::string file = "/tmp/kite_render_bench_reference_" + std::to_string(getpid()) + ".rgba";
        if (reference.Ask("snapshot " + std::to_string(n) + " " + file) <= 0.0)
            return;
        std::ifstream in(file, std::ios::binary);
        std::vector<unsigned char> expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::remove(file.c_str());
        scene.Resize(n);
        graphics->StartFrame();
        graphics->CallDraw();
        std::vector<unsigned char> engine;
        graphics->ReadPixels(0, 0, SpriteBench::windowWidth, SpriteBench::windowHeight, engine);
        graphics->SwapBuffers();
        if (engine.size() != expected.size())
        {
            std::printf("picture: not compared (reference gave %zu bytes)\n", expected.size());
            return;
        }
        std::size_t differing = 0;
        int largest = 0;
        for (std::size_t i = 0; i < engine.size(); i += 4)
        {
            int d = 0;
            for (int c = 0; c < 3; ++c)
                d = std::max(d, std::abs(int(engine[i + c]) - int(expected[i + c])));
            differing += d > 0 ? 1 : 0;
            largest = std::max(largest, d);
        }
        std::printf("picture, %zu sprites: %zu of %zu pixels differ, by at most %d of 255\n", n, differing,
                    engine.size() / 4, largest);
    }

    // The frame time of both sides at a rising count of sprites.
    void PrintCurve(EngineSide& side)
    {
        ReferenceProcess reference;
        if (!reference.Start())
            std::printf("the reference program could not be started\n");
        for (std::size_t n : {1000u, 2000u, 4000u, 8000u, 16000u})
            for (int turn = 0; turn < 2; ++turn)
            {
                const double e = side.FrameMs(n, 15);
                const double r = reference.Ask("frame " + std::to_string(n) + " 15");
                std::printf("%6zu sprites: engine %7.2f ms, reference %7.2f ms a frame\n", n, e, r);
                std::fflush(stdout);
            }
    }

    // The picture compared, then rounds of the search for the most sprites
    // in a frame and of the submission cost, the two sides taking turns.
    void CompareWithReference(Graphics* graphics, Scene& scene, EngineSide& side, int rounds)
    {
        ReferenceProcess reference;
        if (!reference.Start())
            std::printf("the reference program could not be started\n");
        ComparePictures(graphics, scene, reference, 2000);

        std::size_t engineMost = 0;
        std::size_t referenceMost = 0;
        double engineCost = 1e9;
        double referenceCost = 1e9;
        const std::size_t costN = SpriteBench::costSprites;
        // Each round's own ratio: the two took turns within it.
        std::vector<double> ratios;
        for (int round = 1; round <= rounds; ++round)
        {
            SpriteBench::Search e;
            SpriteBench::Search r;
            while (!e.Done() || !r.Done())
            {
                if (!e.Done())
                    e.Report(side.FrameMs(e.Next(), 9));
                if (!r.Done())
                    r.Report(reference.Ask("frame " + std::to_string(r.Next()) + " 9"));
            }
            const double ec = side.CostMicroseconds(costN, 40);
            const double rc = reference.Ask("cost " + std::to_string(costN) + " 40");
            std::printf("round %d: sprites within %.1f ms: engine %zu, reference %zu; us per sprite submitted: "
                        "engine %.3f, reference %.3f\n",
                        round, SpriteBench::frameBudgetMs, e.Most(), r.Most(), ec, rc);
            std::fflush(stdout);
            if (r.Most() > 0)
                ratios.push_back(static_cast<double>(e.Most()) / static_cast<double>(r.Most()));
            engineMost = std::max(engineMost, e.Most());
            referenceMost = std::max(referenceMost, r.Most());
            engineCost = std::min(engineCost, ec);
            if (rc > 0.0)
                referenceCost = std::min(referenceCost, rc);
        }
        std::sort(ratios.begin(), ratios.end());
        std::printf("sprites drawn within %.1f ms per frame (1600x900, 32 px, alpha-blended, moving): "
                    "engine %zu, instanced reference %zu, ratio %.3f (median of the rounds' ratios %.3f)\n",
                    SpriteBench::frameBudgetMs, engineMost, referenceMost,
                    referenceMost ? static_cast<double>(engineMost) / static_cast<double>(referenceMost) : 0.0,
                    ratios.empty() ? 0.0 : ratios[ratios.size() / 2]);
        std::printf("submission cost per sprite, rasterisation discarded, %zu sprites: engine %.3f us "
                    "(%zu draw calls a frame), instanced reference %.3f us, ratio %.2f\n",
                    costN, engineCost, side.DrawCalls(), referenceCost,
                    referenceCost > 0.0 ? engineCost / referenceCost : 0.0);
    }
}

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool submitOnly = mode == "submit";
    const bool curve = mode == "curve";
    const int rounds = argc > 1 && !submitOnly && !curve ? std::max(1, std::atoi(argv[1])) : 5;

    auto* engine = new Engine();
    auto* factory = new GameObjectFactory();
    engine->AddSystem(factory);
    factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));

    std::unique_ptr<Platform::Window> owned;
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        owned = Platform::Get().CreateWindow("Render bench", SpriteBench::windowWidth, SpriteBench::windowHeight,
                                             false);
    Platform::Window* window = owned.get();
    if (window)
        window->Show();
    // The shaders are found in the asset tree beside the program.
    auto* graphics = new Graphics(&window, SpriteBench::windowWidth, SpriteBench::windowHeight);
    engine->AddSystem(graphics);
    graphics->SetBG(0.33f, 0.33f, 0.33f, 0.0f);

    const std::string dot = WriteDot();
    Scene scene(factory, dot);
    EngineSide side(graphics, scene);

    if (!graphics->IsGLReady())
    {
        std::printf("sprites within %.1f ms: not measured (no display)\n", SpriteBench::frameBudgetMs);
    }
    else if (submitOnly)
    {
        std::printf("engine us per sprite submitted: %.3f\n",
                    side.CostMicroseconds(SpriteBench::costSprites, 1000));
    }
    else if (curve)
    {
        PrintCurve(side);
    }
    else
    {
        CompareWithReference(graphics, scene, side, rounds);
    }

    engine->EndLoop();
    engine->CleanEngine();
    delete engine;
    owned.reset();
    std::remove(dot.c_str());
    return 0;
}
