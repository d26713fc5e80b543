// StallNodesLink: a stall's waypoint link and the random queued customer
// that a fight picks.
#include "Stalls/StallNodesLink.h"

#include "Core/Factory/ObjectById.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsBehaviour.h"

namespace KiteFramework
{
    StallNodesLink::StallNodesLink() : Script(static_cast<ComponentTypeId>(CT_StallNodesLink)) {}

    StallNodesLink::~StallNodesLink() = default;

    void StallNodesLink::ListFields(FieldVisitor& v)
    {
        v.Add("stallGOindex", stallGOindex, HiddenField());
    }

    GameComponent* StallNodesLink::Clone() const
    {
        return CloneListed(*this);
    }

    void StallNodesLink::Initialise()
    {
        Script::Initialise();
        if (stallGOindex == 0 || !FACTORY)
            return;
        const std::string where = "stall link \"" + GetGameObjectName() + "\"";
        StallsBehaviour* s = AdoptParentById<StallsBehaviour>(*GetOwner(), stallGOindex, where, "stall");
        if (!s)
            return;
        SetStall(s);
        // The stall read back with the level finds its link again.
        s->SetLinkNode(this);
    }

    void StallNodesLink::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        // The id of the stall the link now belongs to (0 when it has none);
        // a link never resolved keeps the id it was read with.
        if (resolved)
            const_cast<StallNodesLink*>(this)->stallGOindex = IdToWrite(stall);
        GameComponent::XMLSerialise(element, document);
    }

    StallsBehaviour* StallNodesLink::GetStall() const
    {
        return stall.Get<StallsBehaviour>();
    }

    void StallNodesLink::SetStall(StallsBehaviour* s)
    {
        stall = ObjectHandle(s ? s->GetOwner() : nullptr);
        resolved = true;
    }

    CustomerAIBehaviour* StallNodesLink::GetRandomQueuedCustomer() const
    {
        StallsBehaviour* s = GetStall();
        if (!s)
            return nullptr;
        const std::size_t n = s->GetQueueLength();
        if (n <= 2)
            return nullptr;
        const std::size_t index = static_cast<std::size_t>(GENRANDNUM::Rand()) % (n - 1) + 1;
        return s->GetQueuedCustomer(index);
    }
}
