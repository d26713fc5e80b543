// AudioFeedbackSystem: short customer feedback sounds through the system's
// own audio source, behind a shared cool-down so that a crowd does not
// make a wall of sound.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class AudioSource;

    class AudioFeedbackSystem : public Script, public CurrentInstance<AudioFeedbackSystem>
    {
    public:
        using Files = std::vector<std::string>;
        // first: (feedback id, files) searched by id; second: files by index.
        using Paths = std::pair<std::vector<std::pair<int, Files>>, std::vector<Files>>;

        // PlayByIndex meanings.
        enum Index : int
        {
            Dislike = 0,
            Frustrated = 1,
            Like = 2,
            NoSeats = 3,
            NoTime = 4,
            ChooseStall = 5,
            Trash = 6
        };

        AudioFeedbackSystem();
        AudioFeedbackSystem(const AudioFeedbackSystem& other);

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Audio Feedback System"; }

        // A random file of feedback kind `id` (the serving stall's type).
        void Play(int id);
        // A random file of entry `index` of the indexed list.
        void PlayByIndex(int index);

        float GetPlaybackTimer() const { return playbackTimer; }
        void SetPlaybackTimer(float t) { playbackTimer = t; }
        // The file chosen by the last request that played, for tests.
        const std::string& GetLastPlayed() const { return lastPlayed; }

        // Stored fields.
        float timeToEnablePlayback = 0.0f;
        float randomAdjustmentToTimerSet = 0.0f;
        Paths audioFeedbackPaths;

    private:
        // False while the cool-down runs; otherwise restarts it.
        bool TakeTurn();
        void PlayFrom(const Files& files);

        AudioSource* source = nullptr;
        float playbackTimer = 0.0f;
        std::string lastPlayed;
    };
}
