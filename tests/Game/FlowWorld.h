// The headless game world plus what level flow needs: the user-interface
// system (pause), input on a fake platform (keys and clicks) and a silent
// audio engine; helpers that save a scene under a name and load it.
#pragma once

#include <string>

#include "Core/Audio/AudioEngine.h"
#include "Core/Input/Input.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/BaseButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/UI/UISystem.h"
#include "GameTestWorld.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/Fake/FakeSoundSystem.h"
#include "Platform/VirtualKeys.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteTest
{
    class FlowWorld : public GameWorld
    {
    protected:
        void SetUp() override
        {
            UseFakePlatform();
            GameWorld::SetUp();
            ui = AddSystem(new UISystem());
            input = AddSystem(new Input());
            audio = AddSystem(new AudioEngine(&sound));
            InitialiseQuietly({ui, input, audio});
            RegisterComponent<ToggleActiveButton>(CT_ToggleActiveButton, "ToggleActiveButton");
        }

        // What a level's summary panel shows: its figures and the next button.
        void SummaryArchetypes()
        {
            for (const char* name : {"CustomersServed", "AverageWT", "GrossRev", "StatReviewText"})
                SimpleArchetype(name, true);
            GameObject* next = Make("NextButton");
            next->AddComponent(CT_SystemCallButton);
            next->AddComponent(CT_Text);
            Archetype("NextButton", next);
        }

        // Saves the objects made so far as the scene `name` and loads it, so
        // that the scene name, initialisation and start are those of a level.
        void LoadAs(const std::string& name)
        {
            ASSERT_TRUE(factory->SerialiseLevel(name));
            scenes->LoadLevel(name);
            scenes->Update();
            ASSERT_EQ(SceneName(), name);
        }

        // A key pressed in one frame and released in the next.
        void TapKey(int vk)
        {
            fake.SetKeyDown(vk, true);
            Step();
            fake.SetKeyDown(vk, false);
            Step();
        }

        GameObject* Find(const std::string& name) const { return factory->FindObjByName(name); }

        std::string TextOf(const std::string& name) const
        {
            GameObject* o = Find(name);
            Text* t = o ? o->GetComponent<Text>() : nullptr;
            return t ? t->String() : std::string("<none>");
        }

        UISystem* ui = nullptr;
        Input* input = nullptr;
        AudioEngine* audio = nullptr;
    };
}
