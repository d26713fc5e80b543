// Sprite drawing: the largest number of moving, alpha-blended 32-pixel
// sprites drawn within one 60 Hz frame (16.7 ms) in a 1600 by 900 window, and
// the CPU time per frame of the transform updates plus the draw-order sort
// for 10,000 sprites. The first figure needs a display (Xvfb will do).
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Platform/Platform.h"

using namespace KiteFramework;
using Clock = std::chrono::steady_clock;

namespace
{
    const double frameBudgetMs = 1000.0 / 60.0;

    struct Mover
    {
        Transform* transform;
        float x, y, dx, dy;
    };

    // A soft round 32 by 32 dot, half transparent at its rim.
    std::string WriteDot()
    {
        const int size = 32;
        std::vector<unsigned char> pixels(size * size * 4);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
            {
                const float fx = (x + 0.5f) / size - 0.5f;
                const float fy = (y + 0.5f) / size - 0.5f;
                const float r = 2.0f * std::sqrt(fx * fx + fy * fy);
                unsigned char* p = &pixels[(y * size + x) * 4];
                p[0] = 255;
                p[1] = static_cast<unsigned char>(120 + 100 * (1 - r > 0 ? 1 - r : 0));
                p[2] = 40;
                p[3] = static_cast<unsigned char>(r < 1.0f ? 255 * (1.0f - 0.5f * r) : 0);
            }
        const std::string path = "/tmp/kite_render_bench_dot_" + std::to_string(getpid()) + ".png";
        stbi_write_png(path.c_str(), size, size, 4, pixels.data(), size * 4);
        return path;
    }

    // CPU time of this thread, in milliseconds: the machine may be busy.
    double ThreadCpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }

    float RandomIn(float lo, float hi) { return GENRANDNUM::GenRandFloat(lo, hi); }

    class Scene
    {
    public:
        Scene(GameObjectFactory* factory, const std::string& texture) : factory_(factory), texture_(texture) {}

        void Resize(std::size_t n)
        {
            while (movers_.size() < n)
            {
                GameObject* o = factory_->CreateEmptyComposition();
                auto* t = new Transform();
                o->AddComponent(t);
                // 0.32 units of scale: 32 world units, 32 pixels at 1600 by 900.
                t->SetScale(0.32f, 0.32f);
                t->SetDepth(RandomIn(1.0f, 100.0f));
                auto* s = new Sprite();
                s->SetTexturePath(texture_);
                s->ToggleRender(true);
                o->AddComponent(s);
                s->Initialise();
                Mover m{t, RandomIn(-780, 780), RandomIn(-430, 430), RandomIn(-3, 3), RandomIn(-3, 3)};
                movers_.push_back(m);
                objects_.push_back(o);
            }
            while (movers_.size() > n)
            {
                objects_.back()->Destroy();
                objects_.pop_back();
                movers_.pop_back();
            }
            factory_->Update();
        }

        void Move()
        {
            for (Mover& m : movers_)
            {
                m.x += m.dx;
                m.y += m.dy;
                if (m.x < -784 || m.x > 784)
                    m.dx = -m.dx;
                if (m.y < -434 || m.y > 434)
                    m.dy = -m.dy;
                m.transform->SetTrans(m.x, m.y);
            }
        }

        const std::vector<Mover>& Movers() const { return movers_; }

    private:
        GameObjectFactory* factory_;
        std::string texture_;
        std::vector<Mover> movers_;
        std::vector<GameObject*> objects_;
    };

    // Mean time of a whole frame (move, clear, update, sort, draw, finish,
    // swap) over several frames, in milliseconds.
    double FrameMs(Graphics* graphics, Scene& scene, int frames)
    {
        std::vector<unsigned char> pixel;
        // Warm up: first uploads and the first full sort.
        scene.Move();
        graphics->StartFrame();
        graphics->CallDraw();
        graphics->ReadPixels(0, 0, 1, 1, pixel);
        graphics->SwapBuffers();
        const auto start = Clock::now();
        for (int i = 0; i < frames; ++i)
        {
            scene.Move();
            graphics->StartFrame();
            graphics->CallDraw();
            // Reading a pixel waits for the drawing to finish.
            graphics->ReadPixels(0, 0, 1, 1, pixel);
            graphics->SwapBuffers();
        }
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / frames;
    }
}

int main()
{
    // The shaders are found in the asset tree beside the program.
    GENRANDNUM::Seed(1);

    auto* engine = new Engine();
    auto* factory = new GameObjectFactory();
    engine->AddSystem(factory);
    factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));

    std::unique_ptr<Platform::Window> owned;
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        owned = Platform::Get().CreateWindow("Render bench", 1600, 900, false);
    Platform::Window* window = owned.get();
    if (window)
        window->Show();
    auto* graphics = new Graphics(&window, 1600, 900);
    engine->AddSystem(graphics);
    graphics->SetBG(0.33f, 0.33f, 0.33f, 0.0f);

    const std::string dot = WriteDot();
    Scene scene(factory, dot);

    if (graphics->IsGLReady())
    {
        // Double until a frame is over budget, then halve the gap.
        std::size_t good = 0;
        std::size_t bad = 0;
        for (std::size_t n = 64; n <= 200000; n *= 2)
        {
            scene.Resize(n);
            const double ms = FrameMs(graphics, scene, 5);
            std::printf("  %6zu sprites: %7.2f ms per frame\n", n, ms);
            if (ms > frameBudgetMs)
            {
                bad = n;
                break;
            }
            good = n;
        }
        while (bad && bad - good > good / 20 + 1)
        {
            const std::size_t mid = (good + bad) / 2;
            scene.Resize(mid);
            if (FrameMs(graphics, scene, 5) > frameBudgetMs)
                bad = mid;
            else
                good = mid;
        }
        std::printf("sprites drawn within %.1f ms per frame (1600x900, 32 px, alpha-blended, moving): %zu\n",
                    frameBudgetMs, good);
    }
    else
    {
        std::printf("sprites drawn within %.1f ms per frame: not measured (no display)\n", frameBudgetMs);
    }

    // Transform updates and the sort alone, as the frame does them.
    const std::size_t count = 10000;
    scene.Resize(count);
    const int frames = 200;
    scene.Move();
    for (const Mover& m : scene.Movers())
        m.transform->Update();
    graphics->Reorder();
    double moveMs = 0.0;
    double workMs = 0.0;
    for (int i = 0; i < frames; ++i)
    {
        const double t0 = ThreadCpuMs();
        scene.Move();
        const double t1 = ThreadCpuMs();
        for (const Mover& m : scene.Movers())
            m.transform->Update();
        graphics->Reorder();
        const double t2 = ThreadCpuMs();
        moveMs += t1 - t0;
        workMs += t2 - t1;
    }
    std::printf("CPU time of transform update + sort, %zu moving sprites: %.3f ms per frame "
                "(moving them: %.3f ms)\n",
                count, workMs / frames, moveMs / frames);

    engine->EndLoop();
    engine->CleanEngine();
    delete engine;
    owned.reset();
    std::remove(dot.c_str());
    return 0;
}
