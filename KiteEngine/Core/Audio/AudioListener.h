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
        const char* InspectorTitle() const override { return "Audio Listener"; }
        // Its one field is copied but never stored.
        void ListFields(FieldVisitor& fields) override;
        ~AudioListener() override = default;
        virtual AudioListener& GetDerivedClass() { return *this; }

        int GetListenerNumber() const { return listenerNumber; }

    private:
        int listenerNumber = 0;
    };
}
