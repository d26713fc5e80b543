// SpawnButton: price, availability and the pick-up of a new stall or seat.
#include "Building/SpawnButton.h"

#include <cmath>
#include <limits>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/Message.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Economy/LevelStatsSystem.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/DataTable.h"
#include "Stalls/StallsBehaviour.h"

namespace KiteFramework
{
    SpawnButton::SpawnButton() : Script(CT_SpawnButton)
    {
        // The level's statistics switch it by the money; one destroyed drops
        // out of their list by itself.
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->AddSpawnButton(this);
    }

    SpawnButton::SpawnButton(const SpawnButton& other)
        : Script(other), PricedButton(other), toBeSpawned_(other.toBeSpawned_), spawnLocation_(other.spawnLocation_),
          cost(other.cost), usable(other.usable)
    {
        // A copy joins no list: only buttons made new for a level do.
    }

    void SpawnButton::ListFields(FieldVisitor& v)
    {
        v.Add("toBeSpawned_", toBeSpawned_,
              FieldInfo{"Archetype to spawn", FieldWidget::EnterText}
                  .Caption(FieldCaption::Plain)
                  .Heading("SpawnButton", true));
        v.Add("spawnLocation_", spawnLocation_,
              FieldInfo{"Spawn Location", FieldWidget::Input}.Caption(FieldCaption::Plain));
    }

    GameComponent* SpawnButton::Clone() const
    {
        return new SpawnButton(*this);
    }

    GameObject* SpawnButton::GetButtonObject() const
    {
        return GetOwner();
    }

    void SpawnButton::Initialise()
    {
        Script::Initialise();
        usable = true;
        // What the button makes comes first: a price means nothing for an
        // archetype that does not exist.
        if (ARCHETYPESYS && !ARCHETYPESYS->FindArchetype(toBeSpawned_))
        {
            Disable("no archetype \"" + toBeSpawned_ + "\"");
            return;
        }
        ReadCost();
    }

    void SpawnButton::ReadCost()
    {
        if (GetGameObjectName() == SeatButtonName)
        {
            SeatsSystem* seats = SeatsSystem::Instance();
            cost = seats && seats->seatsCost > 0.0f ? seats->seatsCost : DefaultSeatCost;
            return;
        }
        const int row = DataTable::RowNumberAfter(toBeSpawned_, "Stall");
        if (row <= 0)
        {
            Disable("no stall number after \"Stall\" in \"" + toBeSpawned_ + "\"");
            return;
        }
        const DataTable table(DataTable::StallTablePath());
        if (!table.IsOpen())
        {
            // The table has reported itself; the button just stays off.
            usable = false;
            cost = std::numeric_limits<float>::infinity();
            return;
        }
        float price = 0.0f;
        if (!table.HasRow(row) || !DataTable::LeadingNumber(table.Text(row, DataTable::PriceField), price))
        {
            Disable("no price for stall " + std::to_string(row) + " in " + table.GetPath());
            return;
        }
        // A price past any number (or below nothing) is as unreadable as
        // text; whole units only.
        if (!std::isfinite(price) || price < 0.0f)
        {
            Disable("price out of range for stall " + std::to_string(row) + " in " + table.GetPath());
            return;
        }
        cost = std::trunc(price);
    }

    void SpawnButton::Disable(const std::string& why)
    {
        usable = false;
        // Never affordable: the statistics' refresh keeps it off.
        cost = std::numeric_limits<float>::infinity();
        ReportDataError("build button \"" + GetGameObjectName() + "\"", why + "; button disabled");
        if (ActivatePopupButton* popup = GetOwner() ? GetOwner()->GetComponent<ActivatePopupButton>() : nullptr)
            popup->SetButtonActive(false);
    }

    void SpawnButton::OnStart()
    {
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->UpdateSpawnButtons();
    }

    void SpawnButton::OnMouseDown()
    {
        GameObject* owner = GetOwner();
        ActivatePopupButton* popup = owner ? owner->GetComponent<ActivatePopupButton>() : nullptr;
        if (!popup || !popup->GetButtonActive() || !usable)
            return;
        GameObject* made = Instantiate(toBeSpawned_, spawnLocation_, 0.0f);
        if (!made)
            return;
        Message down(MsgID::MouseDown);
        made->SendMessage(&down);
        if (StallsBehaviour* stall = made->GetComponent<StallsBehaviour>())
            stall->BeginDragFromButton();
        else if (SeatsBehaviour* seat = made->GetComponent<SeatsBehaviour>())
            seat->BeginDragFromButton();
    }
}
