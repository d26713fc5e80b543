// AudioControlSystem: sorts the scene's audio sources by their tag into
// track lists and measures playing time with a steady clock.
#pragma once

#include <array>
#include <chrono>
#include <vector>

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class AudioSource;

    class AudioControlSystem : public Script
    {
    public:
        using Clock = std::chrono::steady_clock;
        static constexpr int FirstTag = 2;
        static constexpr int TrackLists = 5;

        AudioControlSystem();
        AudioControlSystem(const AudioControlSystem& other);

        // Sorts the sources; not registered for updates.
        void Initialise() override;
        void Update() override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        // The sources tagged `tag` (2 to 6); empty for other tags.
        const std::vector<AudioSource*>& GetTrack(int tag) const;
        float GetElapsed() const { return elapsed; }

    private:
        float elapsed = 0.0f;
        Clock::time_point startTime{};
        Clock::time_point currentTime{};
        std::array<std::vector<AudioSource*>, TrackLists> tracks;
    };
}
