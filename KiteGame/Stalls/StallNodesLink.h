// StallNodesLink: on a stall's waypoint link node; names the stall the link
// belongs to, so that customers arriving there find the stall and a level
// read back finds it again.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class StallsBehaviour;
    class CustomerAIBehaviour;

    class StallNodesLink : public Script
    {
    public:
        StallNodesLink();
        ~StallNodesLink() override;

        // A stored link finds its stall by id, becomes its child and is
        // handed back to the stall.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Stall Nodes Link"; }

        // The stall while it lives, or null.
        StallsBehaviour* GetStall() const;
        void SetStall(StallsBehaviour* s);
        // A random queued customer behind the front one when the queue holds
        // more than two; otherwise null.
        CustomerAIBehaviour* GetRandomQueuedCustomer() const;

        unsigned stallGOindex = 0;

    private:
        ObjectHandle stall;
        // Set once the link has been given a stall (or lost it).
        bool resolved = false;
    };
}
