// SpawnButton: a build button. Its cost is the stall's price from the stall
// table (or the seat price for "SeatCB"); a press while affordable makes the
// stall or seat and hands it to the mouse. Nothing is paid until the drop.
#pragma once

#include <string>

#include "Core/Math/Vector2D.h"
#include "Core/Logic/Script.h"
#include "Economy/PricedButton.h"

namespace KiteFramework
{
    class SpawnButton : public Script, public PricedButton
    {
    public:
        // The seat build button's object name.
        static constexpr const char* SeatButtonName = "SeatCB";
        // The seat price when the seat system gives none.
        static constexpr float DefaultSeatCost = 500.0f;

        SpawnButton();
        SpawnButton(const SpawnButton& other);

        void Initialise() override;
        void OnStart() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Spawn Buttton"; }
        void OnMouseDown() override;

        float GetCost() const override { return cost; }
        GameObject* GetButtonObject() const override;
        // False when the price or the archetype could not be read: such a
        // button stays off whatever the money.
        bool IsUsable() const { return usable; }

        std::string toBeSpawned_;
        Vector2D spawnLocation_;

    private:
        void ReadCost();
        void Disable(const std::string& why);

        float cost = 0.0f;
        bool usable = true;
    };
}
