// StallTextDisplay: purchase and maintenance texts of a build-menu entry.
#include "Stalls/StallTextDisplay.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/DataTable.h"

namespace KiteFramework
{
    namespace
    {
        // The owner's child made from the archetype earlier (an entry read
        // back with its level keeps its texts), else a new one.
        GameObject* TextChild(GameObject* owner, const std::string& archetype, Vector2D position)
        {
            for (GameObject* child : owner->GetChildren())
                if (child && child->getName() == archetype && child->GetComponent<Text>())
                    return child;
            GameObject* made = Instantiate(archetype, position, 0.0f);
            if (made)
                made->AddParent(owner);
            return made;
        }

        void SetText(GameObject* o, const std::string& text)
        {
            if (Text* t = o ? o->GetComponent<Text>() : nullptr)
                t->SetText(text);
        }
    }

    StallTextDisplay::StallTextDisplay() : Script(static_cast<ComponentTypeId>(CT_StallTextDisplay)) {}

    StallTextDisplay::~StallTextDisplay() = default;

    GameComponent* StallTextDisplay::Clone() const
    {
        StallTextDisplay* copy = new StallTextDisplay();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void StallTextDisplay::Initialise()
    {
        Script::Initialise();
        GameObject* owner = GetOwner();
        if (!owner)
            return;
        Transform* t = owner->GetComponent<Transform>();
        const Vector2D at = t ? t->GetTransVec() : Vector2D();
        GameObject* purchase = TextChild(owner, "PurchaseText", at + Vector2D(0.0f, -45.0f));
        GameObject* maintenance = TextChild(owner, "MaintenanceText", at + Vector2D(0.0f, -84.0f));

        const std::string& name = owner->getName();
        const bool seat = name.find("Seat") != std::string::npos;
        const int row = DataTable::RowNumberAfter(name, seat ? "Seat" : "Stall");
        const DataTable table(seat ? DataTable::SeatTablePath() : DataTable::StallTablePath());
        SetText(purchase, table.Text(row, DataTable::PriceField));
        SetText(maintenance, table.Text(row, DataTable::UpkeepField));
    }
}
