// StatsDisplay: one statistic as text.
#include "HUD/StatsDisplay.h"

#include <cstdint>
#include <sstream>

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "HUD/TextFit.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        // World units per unit of scale, and the panel's border.
        constexpr float PanelUnits = 100.0f;
        constexpr float PanelMargin = 24.0f;
        const char* const kinds[] = {"Customers Served", "Gross Revenue", "Average W.T.", "None"};
    }

    StatsDisplay::StatsDisplay() : Script(CT_StatsDisplay) {}

    void StatsDisplay::ListFields(FieldVisitor& v)
    {
        v.Add("statsType", statsType, FieldInfo{"Choose stat to display"}.Id("##Stats Display List").Choices(kinds, 4));
    }

    GameComponent* StatsDisplay::Clone() const
    {
        return CloneListed(*this);
    }

    void StatsDisplay::Initialise()
    {
        Script::Initialise();
        if (GameObject* owner = GetOwner())
            owner->setActive(false);
        panel = ObjectHandle(FACTORY ? FACTORY->FindObjByName("StatsPanel") : nullptr);
    }

    std::string StatsDisplay::Format(int type, const std::string& unchanged)
    {
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        if (!stats)
            return unchanged;
        switch (type)
        {
        case CustomersServed:
            return std::to_string(stats->CustomerServed);
        case GrossRevenue:
            return std::to_string(static_cast<std::int64_t>(stats->GrossRevenue));
        case AverageWaitingTime:
        {
            std::ostringstream out;
            out.precision(2);
            out << stats->AverageWaitingTime;
            return out.str();
        }
        default:
            return unchanged;
        }
    }

    void StatsDisplay::Update()
    {
        GameObject* owner = GetOwner();
        GameObject* panelObject = panel.Get();
        if (!panelObject)
        {
            if (owner)
                owner->setActive(false);
            return;
        }
        if (!panelObject->isActive())
            return;
        shown = Format(statsType, shown);
        Text* text = owner ? owner->GetComponent<Text>() : nullptr;
        if (!text)
            return;
        // A figure keeps to the panel: from where it starts to the panel's
        // right edge, less a margin, it shrinks rather than run past.
        const Transform* at = owner->GetComponent<Transform>();
        const Transform* box = panelObject->GetComponent<Transform>();
        if (baseScale <= 0.0f)
            baseScale = text->Scale();
        const float room = at && box ? box->GetTransVec().x + box->GetScaleVec().x * PanelUnits / 2.0f -
                                           PanelMargin - at->GetTransVec().x
                                     : 0.0f;
        if (room > 0.0f)
            TextFit::ShowFigure(*text, shown, baseScale, room);
        else
            text->SetText(shown);
    }
}
