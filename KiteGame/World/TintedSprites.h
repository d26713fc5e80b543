// TintedSprites: the list of sprites faded between their day and night look
// (kept by the day-night cycle). Objects that die while their sprite is on it
// take it off first; with no cycle in the level there is nothing to do.
#pragma once

namespace KiteFramework
{
    class GameObject;
    class Sprite;

    class TintedSprites
    {
    public:
        virtual void AddTintedSprite(Sprite* sprite) = 0;
        // Removes every entry equal to sprite.
        virtual void RemoveTintedSprite(Sprite* sprite) = 0;

        // The list in effect, or null.
        static TintedSprites* Current() { return current; }

        // Takes the sprite off the list in effect, if any. The sprite is
        // only compared, never touched, so a destructor may pass the one it
        // remembered even while its object is being taken apart.
        static void Forget(const Sprite* sprite)
        {
            if (current && sprite)
                current->RemoveTintedSprite(const_cast<Sprite*>(sprite));
        }
        // The same for a living object's sprite.
        static void Forget(GameObject* object);

    protected:
        TintedSprites() { current = this; }
        TintedSprites(const TintedSprites&) { current = this; }
        virtual ~TintedSprites()
        {
            if (current == this)
                current = nullptr;
        }

    private:
        static inline TintedSprites* current = nullptr;
    };
}
