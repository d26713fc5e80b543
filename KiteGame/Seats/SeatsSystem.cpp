// SeatsSystem: registry of placed seats and the seat settings.
#include "Seats/SeatsSystem.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/LiveComponents.h"
#include "Core/Objects/Transform.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/QuestEvents.h"
#include "Seats/SeatsBehaviour.h"
#include "StartUp/GameComponentTypes.h"
#include "Trouble/FireController.h"

namespace KiteFramework
{
    SeatsSystem::SeatsSystem() : Script(static_cast<ComponentTypeId>(CT_SeatsSystem)) {}

    SeatsSystem::SeatsSystem(const SeatsSystem& other) : Script(other)
    {
        CopyListedFields(other, *this);
    }

    void SeatsSystem::ListFields(FieldVisitor& v)
    {
        v.Add("upperSeatsOffset", upperSeatsOffset, {"Upper Seats Offset"});
        v.Add("lowerSeatsOffset", lowerSeatsOffset, {"Lower Seats Offset"});
        v.Add("seatsCost", seatsCost, {"Seats Cost", FieldWidget::Input, 0.0f});
        v.Add("actualDepth", actualDepth, {"Actual stall depth", FieldWidget::Input, 0.0f});
        v.Add("draggingDepth", draggingDepth, {"Dragging stall depth", FieldWidget::Input, 0.0f});
        v.Add("seatsMovable", seatsMovable, {"Stalls movable"});
        v.Add("originalLayer", originalLayer, {"Original Collision Layer", FieldWidget::Input, 1.0f});
        v.Add("draggedLayer", draggedLayer, {"Dragged Collision Layer", FieldWidget::Input, 1.0f});
    }

    GameComponent* SeatsSystem::Clone() const
    {
        SeatsSystem* copy = new SeatsSystem(*this);
        copy->seatsMovable = true;
        return copy;
    }

    bool SeatsSystem::AddSeat(SeatsBehaviour* seat)
    {
        if (!seat || !seat->GetOwner())
            return false;
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        const float money = stats ? stats->Money() : 0.0f;
        if (money < seatsCost)
        {
            Transform* t = seat->GetOwner()->GetComponent<Transform>();
            Instantiate("NoMoney", t ? t->GetTransVec() : Vector2D(), 0.0f);
            seat->GetOwner()->Destroy();
            return false;
        }
        Register(seat);
        QuestEvents::UpdateQuest(QuestEvents::SeatPlaced, 0, nullptr);
        return true;
    }

    void SeatsSystem::AddStoredSeat(SeatsBehaviour* seat)
    {
        if (seat && seat->GetOwner())
            Register(seat);
    }

    void SeatsSystem::Register(SeatsBehaviour* seat)
    {
        if (!IsPlaced(seat))
            seats.emplace_back(seat->GetOwner());
    }

    void SeatsSystem::ClearSeatsOnFire()
    {
        const FireController* fire = FireController::Instance();
        for (SeatsBehaviour* seat : GetSeats())
            for (int place = 0; place < SeatsBehaviour::PlaceCount; ++place)
            {
                GameObject* o = seat->GetOccupant(place);
                CustomerAIBehaviour* c = o ? o->GetComponent<CustomerAIBehaviour>() : nullptr;
                if (!c)
                    continue;
                seat->SetOccupant(place, nullptr);
                // Without a fire controller the flight costs no likes and
                // keeps the walking speed.
                c->ReactToFire(fire ? -fire->likesToDecrement : -0.0f, fire ? fire->speedMultiplier : 1.0f);
            }
    }

    std::vector<SeatsBehaviour*> SeatsSystem::GetSeats() const
    {
        return LiveComponents<SeatsBehaviour>(seats);
    }

    std::size_t SeatsSystem::GetSeatCount() const
    {
        return CountLive<SeatsBehaviour>(seats);
    }

    bool SeatsSystem::IsPlaced(const SeatsBehaviour* seat) const
    {
        return HoldsLive(seats, seat);
    }
}
