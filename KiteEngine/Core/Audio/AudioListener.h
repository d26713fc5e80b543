// AudioListener: marks the object that hears the scene. It has no behaviour
// and nothing in its file entry.
#pragma once

#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class AudioListener : public GameComponent
    {
    public:
        AudioListener();

        GameComponent* Clone() const override;
        void RenderImGui() override;
        ~AudioListener() override = default;
        virtual AudioListener& GetDerivedClass() { return *this; }

        int GetListenerNumber() const { return listenerNumber; }

    private:
        AudioListener(const AudioListener& other);

        int listenerNumber = 0;
    };
}
