// TrashBin: a bin trash can be dropped into; shows its open picture while
// dragged trash hovers over it.
#pragma once

#include <string>

#include "Core/Math/Vector2D.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class TrashBin : public Script
    {
    public:
        TrashBin();
        ~TrashBin() override;

        // Takes the owner's transform; a bin needs no update, so it is not
        // registered with the logic system.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Trash Bin"; }
        // The pointer left the bin: it closes.
        void OnMouseExit() override;

        void Open();
        void Close();
        bool IsOpen() const { return open; }

        // The bin whose collider contains point, searching every active
        // collider and skipping except (the dragged trash itself); null when
        // there is none.
        static TrashBin* Under(Vector2D point, const GameObject* except);

        std::string binDefaultSprite;
        std::string binOpenSprite;

    private:
        Sprite* GetSprite() const;

        bool open = false;
    };
}
