// Reaches a customer's run-time state, so tests can set up one situation
// without walking the customer there.
#pragma once

#include "Core/Objects/GameObject.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerAIBehaviour.h"

namespace KiteFramework
{
    class CustomerTestAccess
    {
    public:
        static void SetState(CustomerAIBehaviour& c, int state) { c.customerState = state; }
        static void SetQueueing(CustomerAIBehaviour& c, bool q) { c.queueing = q; }
        static float& LikesTimer(CustomerAIBehaviour& c) { return c.likesTimer; }
        static float& WaitTime(CustomerAIBehaviour& c) { return c.waitTime; }
        static unsigned& WanderCount(CustomerAIBehaviour& c) { return c.wanderCount; }
        static unsigned& SeatSearches(CustomerAIBehaviour& c) { return c.seatSearches; }
        static unsigned& TrashSeen(CustomerAIBehaviour& c) { return c.trashSeen; }
        static void SetSearchingForSeat(CustomerAIBehaviour& c, bool s) { c.searchingForSeat = s; }
        static void SetCurrent(CustomerAIBehaviour& c, const VertexNode* n) { c.SetCurrentNode(n); }
        static void SetTarget(CustomerAIBehaviour& c, const VertexNode* n) { c.SetTargetNode(n); }
        static void SetPath(CustomerAIBehaviour& c, const VertexNode* from, const VertexNode* to)
        {
            c.SetTargetNode(to);
            c.SetPath(from, to);
        }
        static void ClearPath(CustomerAIBehaviour& c) { c.path.clear(); }
        static void PushPath(CustomerAIBehaviour& c, const VertexNode* n) { c.path.emplace_back(n->GetOwner()); }
        static int Preference(const CustomerAIBehaviour& c) { return c.preference; }
        static void SetPreference(CustomerAIBehaviour& c, int stallType) { c.preference = stallType; }
        static void Leave(CustomerAIBehaviour& c) { c.Leave(); }
        static int LookAroundsLeft(const CustomerAIBehaviour& c) { return c.lookAroundsLeft; }
        static double StateTimer(const CustomerAIBehaviour& c) { return c.stateTimer; }
        static void JoinQueue(CustomerAIBehaviour& c, StallNodesLink* link) { c.JoinQueue(link); }
    };
}
