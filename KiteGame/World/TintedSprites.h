// TintedSprites: the list of sprites faded between their day and night look
// (kept by the day-night cycle). Objects that die while their sprite is on it
// take it off first; with no cycle in the level there is nothing to do.
#pragma once

#include "Economy/InEffect.h"

namespace KiteFramework
{
    class GameObject;
    class Sprite;

    class TintedSprites : public InEffect<TintedSprites>
    {
    public:
        virtual void AddTintedSprite(Sprite* sprite) = 0;
        // Removes every entry equal to sprite.
        virtual void RemoveTintedSprite(Sprite* sprite) = 0;

        // Takes the sprite off the list in effect, if any. The sprite is
        // only compared, never touched, so a destructor may pass the one it
        // remembered even while its object is being taken apart.
        static void Forget(const Sprite* sprite)
        {
            if (TintedSprites* list = Current(); list && sprite)
                list->RemoveTintedSprite(const_cast<Sprite*>(sprite));
        }
        // The same for a living object's sprite.
        static void Forget(GameObject* object);

    protected:
        virtual ~TintedSprites() = default;
    };
}
