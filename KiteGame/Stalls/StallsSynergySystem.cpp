// StallsSynergySystem: the pair table and applying and removing its factors.
#include "Stalls/StallsSynergySystem.h"

#include <algorithm>

#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/StallMenus.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsBehaviour.h"

namespace KiteFramework
{
    StallsSynergySystem::StallsSynergySystem() : Script(CT_StallsSynergySystem) {}

    StallsSynergySystem::StallsSynergySystem(const StallsSynergySystem& other)
        : Script(other), synergies(other.synergies) {}

    const std::vector<StallsSynergySystem::Synergy>& StallsSynergySystem::BuiltIn()
    {
        static const std::vector<Synergy> table = {
            {"Nasi Pandang - Western", "Zero - sum - game", 3, 4, 1, 0.5f, 2.0f, 0.5f},
            {"Noodles - Dim Sum", "Happiness", 2, 8, 1, 2.0f, 3.0f, 1.5f},
            {"Western - Drinks", "Double happiness", 4, 1, 1, 3.0f, 2.0f, 1.5f},
            {"Chicken Rice - Nasi Padang", "Compromised", 6, 3, 1, 2.0f, 3.0f, 1.5f},
            {"Dim Sum - Nasi Padang", "Affliction", 8, 3, 1, 3.0f, 2.0f, 1.5f},
            {"Prata - Noodles", "Zero - sum - game", 7, 2, 1, 0.5f, 3.0f, 0.5f},
        };
        return table;
    }

    GameComponent* StallsSynergySystem::Clone() const
    {
        return new StallsSynergySystem(*this);
    }

    void StallsSynergySystem::Initialise()
    {
        // No update: the system only answers the stalls' calls.
        transform = GetOwner() ? GetOwner()->GetComponent<Transform>() : nullptr;
        const std::vector<Synergy>& table = BuiltIn();
        synergies.insert(synergies.end(), table.begin(), table.end());
    }

    void StallsSynergySystem::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        for (const Synergy& s : synergies)
        {
            WriteElement(document, element, s.name, "SynergyName");
            WriteElement(document, element, s.effect, "SynergyEffect");
            WriteElement(document, element, s.stall1, "Stall1Index");
            WriteElement(document, element, s.stall2, "Stall2Index");
            WriteElement(document, element, static_cast<int>(s.tier), "Stall2Type");
        }
    }

    void StallsSynergySystem::XMLUnSerialise(XMLElement* firstField)
    {
        // Only records already held are read: the table itself comes from
        // the code, not from the file.
        XMLElement* cursor = firstField;
        for (Synergy& s : synergies)
        {
            if (!cursor)
                return;
            QueryNextElement(cursor, s.name);
            QueryNextElement(cursor, s.effect);
            QueryNextElement(cursor, s.stall1);
            QueryNextElement(cursor, s.stall2);
            int tier = -1;
            QueryNextElement(cursor, tier);
            s.tier = (tier >= 0 && tier <= 3) ? static_cast<std::uint8_t>(tier + 1) : 0;
        }
    }

    const StallsSynergySystem::Synergy* StallsSynergySystem::Find(int typeA, int typeB) const
    {
        for (const Synergy& s : synergies)
            if (s.Matches(typeA, typeB))
                return &s;
        return nullptr;
    }

    void StallsSynergySystem::Apply(const Synergy& s, StallsBehaviour* stall)
    {
        stall->stallPriceModifier = s.moneyFactor;
        stall->stallQualityModifier = s.likesFactor;
        stall->stallRepModifier = s.reputationFactor;
        stall->stallEarnings.money *= s.moneyFactor;
        stall->stallEarnings.likes *= s.likesFactor;
        stall->stallEarnings.reputation *= s.reputationFactor;
        RefreshMenus();
    }

    void StallsSynergySystem::Remove(const Synergy& s, StallsBehaviour* stall)
    {
        stall->stallPriceModifier = s.moneyFactor;
        stall->stallQualityModifier = s.likesFactor;
        stall->stallRepModifier = s.reputationFactor;
        // A factor of 0 would have wiped the earning; dividing cannot bring
        // it back, and must not make it infinite.
        if (s.moneyFactor != 0.0f)
            stall->stallEarnings.money /= s.moneyFactor;
        if (s.likesFactor != 0.0f)
            stall->stallEarnings.likes /= s.likesFactor;
        if (s.reputationFactor != 0.0f)
            stall->stallEarnings.reputation /= s.reputationFactor;
        RefreshMenus();
    }

    void StallsSynergySystem::RefreshMenus()
    {
        // The stall menus show the earnings a synergy just changed.
        StallMenus::UpdateTexts();
    }

    void StallsSynergySystem::UpdateSynergies(StallsBehaviour* added, const std::vector<StallsBehaviour*>& placed)
    {
        if (!added)
            return;
        const int type = added->stallIndex_;
        const bool typePresent = std::any_of(placed.begin(), placed.end(), [&](const StallsBehaviour* p) {
            return p && p != added && p->stallIndex_ == type;
        });
        std::vector<const Synergy*> found;
        for (StallsBehaviour* p : placed)
        {
            if (!p || p == added)
                continue;
            const Synergy* s = Find(p->stallIndex_, type);
            if (!s)
                continue;
            // Partners gain only when the first stall of the type arrives.
            if (!typePresent)
                Apply(*s, p);
            if (std::find(found.begin(), found.end(), s) == found.end())
                found.push_back(s);
        }
        for (const Synergy* s : found)
            Apply(*s, added);
    }

    void StallsSynergySystem::ApplySynergy(StallsBehaviour* sold, const std::vector<StallsBehaviour*>& placed)
    {
        if (!sold)
            return;
        const int type = sold->stallIndex_;
        for (const StallsBehaviour* p : placed)
            if (p && p != sold && p->stallIndex_ == type)
                return;
        for (StallsBehaviour* p : placed)
        {
            if (!p || p == sold)
                continue;
            if (const Synergy* s = Find(p->stallIndex_, type))
                Remove(*s, p);
        }
    }
}
