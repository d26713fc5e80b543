// SeatsSystem: the level's seat registry and seat settings: price, place
// offsets, depths and collider tags.
#pragma once

#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class SeatsBehaviour;

    class SeatsSystem : public Script, public CurrentInstance<SeatsSystem>
    {
    public:
        SeatsSystem();
        SeatsSystem(const SeatsSystem& other);

        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Seat System"; }

        // A bought seat dropped on a node: refused (shown "NoMoney" and
        // destroyed) when the money is below the seat price; never charges.
        bool AddSeat(SeatsBehaviour* seat);
        // A seat stored in the level on its node: registered without the
        // money test.
        void AddStoredSeat(SeatsBehaviour* seat);
        // Seated customers flee a spreading fire; trash stays.
        void ClearSeatsOnFire();

        // Placed seats in order of placement (living ones).
        std::vector<SeatsBehaviour*> GetSeats() const;
        std::size_t GetSeatCount() const;
        bool IsPlaced(const SeatsBehaviour* seat) const;

        Vector2D upperSeatsOffset;
        Vector2D lowerSeatsOffset;
        float seatsCost = 0.0f;
        float actualDepth = 0.0f;
        float draggingDepth = 0.0f;
        bool seatsMovable = true;
        int originalLayer = 0;
        int draggedLayer = 0;

    private:
        void Register(SeatsBehaviour* seat);

        std::vector<ObjectHandle> seats;
    };
}
