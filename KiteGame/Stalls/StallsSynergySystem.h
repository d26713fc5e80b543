// StallsSynergySystem: pairs of stall types that boost or dampen each other
// while both stand in the food court. Placing the first stall of a type
// multiplies the earnings of its partners and of itself; selling the last
// one divides its partners' earnings again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class StallsBehaviour;

    class StallsSynergySystem : public Script, public CurrentInstance<StallsSynergySystem>
    {
    public:
        struct Synergy
        {
            std::string name;
            std::string effect;
            int stall1 = 0;
            int stall2 = 0;
            std::uint8_t tier = 1;
            float moneyFactor = 1.0f;
            float likesFactor = 1.0f;
            float reputationFactor = 1.0f;

            bool Matches(int a, int b) const { return (stall1 == a && stall2 == b) || (stall1 == b && stall2 == a); }
            bool operator==(const Synergy& o) const
            {
                return name == o.name && effect == o.effect && stall1 == o.stall1 && stall2 == o.stall2 &&
                       tier == o.tier && moneyFactor == o.moneyFactor && likesFactor == o.likesFactor &&
                       reputationFactor == o.reputationFactor;
            }
        };

        StallsSynergySystem();
        StallsSynergySystem(const StallsSynergySystem& other);

        // Appends the built-in table; not registered with the logic system.
        void Initialise() override;
        void XMLUnSerialise(XMLElement* firstField) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        // A stall is being added to placed (which does not hold it yet).
        void UpdateSynergies(StallsBehaviour* added, const std::vector<StallsBehaviour*>& placed);
        // A stall was sold and already taken out of placed.
        void ApplySynergy(StallsBehaviour* sold, const std::vector<StallsBehaviour*>& placed);

        // The first record matching the two types, or null.
        const Synergy* Find(int typeA, int typeB) const;
        const std::vector<Synergy>& GetSynergies() const { return synergies; }

        // The built-in pairs, in table order.
        static const std::vector<Synergy>& BuiltIn();

    private:
        static void Apply(const Synergy& s, StallsBehaviour* stall);
        static void Remove(const Synergy& s, StallsBehaviour* stall);
        static void RefreshMenus();

        std::vector<Synergy> synergies;
    };
}
