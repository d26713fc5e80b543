// CustomerAIBehaviour, movement half: walks, paths, wandering, waypoint and
// stall choice, and poses.
#include "Customers/CustomerAIBehaviour.h"

#include <cmath>

#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerSystem.h"
#include "Customers/RandomDraw.h"
#include "Seats/SeatNodesLink.h"
#include "Stalls/StallNodesLink.h"
#include "Stalls/StallsBehaviour.h"

namespace KiteFramework
{
    namespace
    {
        // Chance numerator of wandering aside; divided by the wander count.
        constexpr unsigned WanderChance = 30;

        bool StartsWith(const std::string& text, const std::string& prefix)
        {
            return text.compare(0, prefix.size(), prefix) == 0;
        }

        const VertexNode* NodeOf(const ObjectHandle& h)
        {
            return h.Get<VertexNode>();
        }

        Vector2D RandomOffset()
        {
            const CustomerSystem* customers = CustomerSystem::Instance();
            return customers ? customers->RandomOffset() : Vector2D(0.0f, 0.0f);
        }
    }

    float CustomerAIBehaviour::Step() const
    {
        return fc.getFixedDeltaTime() * (ENGINE ? ENGINE->GetTimeFactor() : 1.0f);
    }

    Vector2D CustomerAIBehaviour::GetPosition() const
    {
        return transform ? transform->GetTransVec() : Vector2D(0.0f, 0.0f);
    }

    const VertexNode* CustomerAIBehaviour::GetCurrentNode() const
    {
        return NodeOf(currentNode);
    }

    const VertexNode* CustomerAIBehaviour::GetTargetNode() const
    {
        return NodeOf(targetNode);
    }

    void CustomerAIBehaviour::SetCurrentNode(const VertexNode* n)
    {
        currentNode = ObjectHandle(n ? n->GetOwner() : nullptr);
    }

    void CustomerAIBehaviour::SetTargetNode(const VertexNode* n)
    {
        targetNode = ObjectHandle(n ? n->GetOwner() : nullptr);
    }

    void CustomerAIBehaviour::MoveTo(int next, float x, float y)
    {
        moveStart = GetPosition();
        nextState = next;
        moveTarget = Vector2D(x, y);
        customerState = Walking;
        moveDelta = moveTarget - moveStart;
        moveElapsed = 0.0f;
        moveDuration = Vector2DLength(moveDelta) / Vector2DLength(interpolateStep);
        // Moving left, -0.0 included, faces left.
        if (sprite)
            sprite->SetFlipX(std::signbit(moveDelta.x));
    }

    void CustomerAIBehaviour::Walk(float dt)
    {
        if (moveElapsed < moveDuration)
        {
            if (transform)
                transform->SetTrans(moveStart + moveDelta * (moveElapsed / moveDuration));
            moveElapsed += dt;
            return;
        }
        if (transform)
            transform->SetTrans(moveTarget);
        if (!path.empty())
        {
            FollowPath(nextState);
            return;
        }
        customerState = nextState;
        if (customerState == InQueue)
            if (const StallsBehaviour* s = GetStall())
                FaceAlongQueue(s);
    }

    void CustomerAIBehaviour::SetPath(const VertexNode* from, const VertexNode* to)
    {
        path.clear();
        if (!from || !to || !WAYPOINTSYS)
            return;
        GraphNetwork::Path found = WAYPOINTSYS->GetShortestPath(from, to);
        // The stack's top (the start) becomes the vector's back.
        std::vector<ObjectHandle> topFirst;
        topFirst.reserve(found.size());
        for (; !found.empty(); found.pop())
            topFirst.emplace_back(found.top()->GetOwner());
        path.assign(topFirst.rbegin(), topFirst.rend());
    }

    void CustomerAIBehaviour::FollowPath(int next)
    {
        // Waypoints removed since the path was found are skipped.
        while (!path.empty() && !NodeOf(path.back()))
            path.pop_back();
        if (path.empty())
        {
            Despawn();
            return;
        }
        const ObjectHandle pHandle = path.back();
        path.pop_back();
        const VertexNode* p = NodeOf(pHandle);
        if (next == Gone && path.size() <= 1)
        {
            const Vector2D at = p->GetTrans() + RandomOffset();
            MoveTo(Gone, at.x, at.y);
            return;
        }
        const VertexNode* q = path.empty() ? nullptr : NodeOf(path.back());
        if (!q)
        {
            // A one-node path: that node is the end of the walk.
            path.clear();
            MoveTo(next, p->GetTrans().x, p->GetTrans().y);
            return;
        }
        if (q != GetTargetNode())
        {
            const Vector2D at = q->GetTrans() + RandomOffset();
            MoveTo(next, at.x, at.y);
            return;
        }
        if (next == SeatSearch || next == Seated)
        {
            path.pop_back();
            MoveTo(next, q->GetTrans().x, q->GetTrans().y);
            return;
        }
        if (RollWander() && next != Gone)
        {
            if (const VertexNode* aside = RandomNeighbourWithPrefix(p, "o"))
            {
                path.push_back(pHandle);
                path.emplace_back(aside->GetOwner());
                const Vector2D at = aside->GetTrans() + RandomOffset();
                MoveTo(next, at.x, at.y);
                return;
            }
        }
        customerState = next;
    }

    bool CustomerAIBehaviour::RollWander()
    {
        const int r = GENRANDNUM::Rand() % 100;
        const unsigned threshold = WanderChance / wanderCount;
        ++wanderCount;
        return r < static_cast<int>(threshold);
    }

    void CustomerAIBehaviour::GoToCurrentNode(int next)
    {
        const VertexNode* current = GetCurrentNode();
        if (!current)
        {
            customerState = Gone;
            return;
        }
        MoveTo(next, current->GetTrans().x, current->GetTrans().y);
    }

    bool CustomerAIBehaviour::PickNextNode(const std::string& prefix)
    {
        const VertexNode* current = GetCurrentNode();
        const std::vector<const VertexNode*> all =
            current ? current->GetActiveNeighbours() : std::vector<const VertexNode*>();
        if (!prefix.empty())
        {
            std::vector<const VertexNode*> kept;
            for (const VertexNode* n : all)
                if (StartsWith(n->Label(), prefix))
                    kept.push_back(n);
            if (!kept.empty())
            {
                SetTargetNode(kept[GENRANDNUM::Rand() % kept.size()]);
                return true;
            }
        }
        SetTargetNode(all.empty() ? nullptr : all[GENRANDNUM::Rand() % all.size()]);
        return false;
    }

    const VertexNode* CustomerAIBehaviour::RandomNeighbourWithPrefix(const VertexNode* node,
                                                                     const std::string& prefix) const
    {
        if (!node)
            return nullptr;
        std::vector<const VertexNode*> kept;
        for (const VertexNode* n : node->GetActiveNeighbours())
            if (StartsWith(n->Label(), prefix))
                kept.push_back(n);
        return kept.empty() ? nullptr : kept[GENRANDNUM::Rand() % kept.size()];
    }

    const VertexNode* CustomerAIBehaviour::RandomStartNode(const VertexNode* avoid)
    {
        if (!WAYPOINTSYS)
            return nullptr;
        std::vector<const VertexNode*> starts;
        for (const VertexNode* n : WAYPOINTSYS->GetAllActiveNodes())
            if (StartsWith(n->Label(), "start") && n != avoid)
                starts.push_back(n);
        // With a single entrance a leaving customer goes out where it came in.
        if (starts.empty() && avoid && avoid->isActive() && StartsWith(avoid->Label(), "start"))
            return avoid;
        return starts.empty() ? nullptr : starts[GENRANDNUM::Rand() % starts.size()];
    }

    template <typename Keep>
    static StallNodesLink* ShortestQueueAmongNeighbours(const VertexNode* current, Keep keep)
    {
        if (!current)
            return nullptr;
        StallNodesLink* best = nullptr;
        std::size_t bestLength = 0;
        for (const VertexNode* n : current->GetActiveNeighbours())
        {
            GameObject* object = n->GetOwner();
            StallNodesLink* link = object ? object->GetComponent<StallNodesLink>() : nullptr;
            StallsBehaviour* s = link ? link->GetStall() : nullptr;
            if (!s || !keep(*s))
                continue;
            const std::size_t length = s->GetQueueLength();
            if (!best || length < bestLength)
            {
                best = link;
                bestLength = length;
            }
        }
        return best;
    }

    StallNodesLink* CustomerAIBehaviour::FindPreferredStall()
    {
        const int wanted = preference;
        return ShortestQueueAmongNeighbours(GetCurrentNode(),
                                            [wanted](const StallsBehaviour& s) { return s.stallIndex_ == wanted; });
    }

    StallNodesLink* CustomerAIBehaviour::FindShortQueueStall()
    {
        return ShortestQueueAmongNeighbours(GetCurrentNode(),
                                            [](const StallsBehaviour& s) { return s.IsOpenForCustomers(); });
    }

    void CustomerAIBehaviour::SetSprite(int k)
    {
        if (k == pose)
            return;
        pose = k;
        if (!sprite)
            return;
        const CustomerSystem* customers = CustomerSystem::Instance();
        const CustomerSystem::SpritePair* pair = customers ? customers->GetSpritePair(customerIndex, k) : nullptr;
        if (pair)
            sprite->InGameSetAll(pair->first, pair->second, customers->GetSpriteColumns(k), 1);
        if (k == PoseSeated)
        {
            const SeatNodesLink* link = GetSeatLink();
            sprite->SetFlipX(link && link->GetSeatIndex() % 2 != 0);
        }
        else if (k == PoseCarrying)
        {
            sprite->SetFlipX(!sprite->GetFlipXconst());
        }
    }

    void CustomerAIBehaviour::FaceAlongQueue(const StallsBehaviour* s)
    {
        if (sprite)
            sprite->SetFlipX(!s->queueToLeft);
        SetSprite(PoseAtStall);
    }
}
