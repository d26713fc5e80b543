// TimeAndWeatherSystem: the level's day and night. Turns game time into a
// daylight wave, fades every registered sprite between its day and night
// look, counts days and charges the stalls' upkeep at each dawn, and sends
// drifting clouds and, while money is short, clickable cash clouds.
#pragma once

#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"
#include "Economy/DaylightSource.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    class Sprite;

    class TimeAndWeatherSystem : public Script,
                                 public DaylightSource,
                                 public TintedSprites,
                                 public CurrentInstance<TimeAndWeatherSystem>
    {
    public:
        enum Phase : int
        {
            Day = 0,
            Night = 1
        };

        TimeAndWeatherSystem();
        // A copy becomes the cycle others reach only when it starts.
        TimeAndWeatherSystem(const TimeAndWeatherSystem& other);
        // The cycle others reach (not its daylight or tint sources).
        using CurrentInstance<TimeAndWeatherSystem>::Instance;

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Time and Weather System"; }

        float GetDaylight() const override { return daylight; }
        // The blend a sprite must show now.
        float GetCurrentBlend() const;
        void AddTintedSprite(Sprite* sprite) override;
        void RemoveTintedSprite(Sprite* sprite) override;
        std::size_t GetTintedSpriteCount() const { return tinted.size(); }

        void AddCloud(GameObject* cloud);
        // Takes a cloud off the list and the count (a cloud that leaves or
        // becomes a cash cloud); false when it was not there.
        bool RemoveCloud(GameObject* cloud);
        // Instantiates "CashCloud" and makes it one; null when it cannot.
        GameObject* SpawnCashCloud();

        // Advances the clock by dt seconds of game time (one frame's worth).
        void Advance(float dt);

        int phase = Day;
        bool fading = false;
        bool phaseChanged = false;
        float elapsed = 0.0f;
        float daylight = 0.0f;
        int dayCounter = 0;
        int cloudCount = 0;
        int cashCloudCount = 0;
        int collectedCashClouds = 0;
        float cloudCountdown = 0.0f;
        float cashCloudCountdown = 0.0f;

        // Stored settings.
        float timeInDay = 0.0f;
        int maxClouds = 0;
        int maxCashClouds = 0;
        float giveMoneyInterval = 0.0f;
        float cashCloudThreshold = 0.0f;

    private:
        void ComputeDaylight();
        void SpawnClouds(float dt);
        void CycleDayAndNight();
        void SetAllBlends(float blend);
        void Dawn();

        // Each sprite with its object: a sprite whose object died without
        // leaving the list is dropped, never touched.
        struct TintedEntry
        {
            Sprite* sprite;
            ObjectHandle owner;
        };
        std::vector<TintedEntry> tinted;
        std::vector<ObjectHandle> clouds;
    };
}
