// CustomerAIBehaviour: one customer's life in the food court: enter, look at
// stalls, queue, be served, eat or take away, maybe leave trash, and walk
// out; likes fall while it waits and it gives up at its floor.
#pragma once

#include <string>
#include <vector>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;
    class VertexNode;
    class StallNodesLink;
    class StallsBehaviour;
    class SeatNodesLink;

    class CustomerAIBehaviour : public Script
    {
    public:
        enum State : int
        {
            Entering = 0,
            WalkingIn = 1,
            LookingAround = 2,
            LookingForShortQueue = 3,
            InQueue = 4,
            AtQueuePlace = 5,
            Served = 6,
            SeatSearch = 7,
            Seated = 8,
            FinishedEating = 9,
            Leaving = 10,
            Gone = 11,
            Walking = 12,
            TimedWait = 13,
            AtFight = 14,
            Fighting = 15
        };

        enum Pose : int
        {
            PoseAtStall = 0,
            PoseWalking = 1,
            PoseSeated = 2,
            PoseCarrying = 3,
            PoseLeaving = 4,
            PoseNone = 5
        };

        // Bubble kinds; 0 is none, 9 the preference bubble.
        enum Bubble : int
        {
            BubbleNone = 0,
            BubbleLike = 1,
            BubbleDislike = 2,
            BubbleFrustrated = 3,
            BubbleAngry = 4,
            BubbleNoTime = 5,
            BubbleNoSeats = 6,
            BubbleTrash = 7,
            BubbleFire = 8,
            BubblePreference = 9
        };

        CustomerAIBehaviour();
        ~CustomerAIBehaviour() override;

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Customer AI Behaviour"; }

        // Movement (walks, paths, waypoint choice).
        void MoveTo(int nextState, float x, float y);
        void FollowPath(int nextState);
        void GoToCurrentNode(int nextState);
        bool PickNextNode(const std::string& prefix);
        // avoid: a node not to choose while another entrance exists.
        const VertexNode* RandomStartNode(const VertexNode* avoid = nullptr);
        StallNodesLink* FindPreferredStall();
        StallNodesLink* FindShortQueueStall();
        void SetSprite(int pose);
        bool RollWander();

        // Giving up and reacting; called by stalls and seats.
        void LoseHeart();
        void LoseHeartAndLeave();
        void ReactToFire(float likesChange, float speedFactor);
        // The fight cloud broke up: the fighter walks off and leaves.
        void EndFight();
        void ShowBubble(int kind, bool force);
        void ShowPreferenceBubble(int stallType);

        // The one way out: lowers the customer count, removes the bubble,
        // leaves the customer list, frees any seat place it holds and
        // destroys the object. Safe to call twice.
        void Despawn();

        // Read by stalls and seats.
        int GetState() const { return customerState; }
        // Out of the level (its object goes at the factory's next update).
        bool HasLeft() const { return despawned; }
        int GetNextState() const { return nextState; }
        int GetPose() const { return pose; }
        int GetPreference() const { return preference; }
        int GetBubbleKind() const { return bubbleKind; }
        bool IsQueueing() const { return queueing; }
        bool IsSearchingForSeat() const { return searchingForSeat; }
        float GetLikes() const { return startOffLikes; }
        StallNodesLink* GetStallLink() const;
        StallsBehaviour* GetStall() const;
        SeatNodesLink* GetSeatLink() const;
        // The object the bubble is on, or null.
        GameObject* GetBubbleObject() const { return bubble.Get(); }
        const VertexNode* GetCurrentNode() const;
        const VertexNode* GetTargetNode() const;
        std::size_t GetPathLength() const { return path.size(); }
        Vector2D GetPosition() const;
        // Movement state (tests, fights).
        Vector2D GetMoveTarget() const { return moveTarget; }
        float GetMoveDuration() const { return moveDuration; }
        unsigned GetWanderCount() const { return wanderCount; }

        // Forgetting a stall when it drops the customer (stall code).
        void ForgetStall() { stall.Reset(); queueing = false; }
        // Set by the customer system once the customer is counted.
        void MarkCounted() { counted = true; }

        // Stored settings (archetype values).
        float likesTimeout = 0.0f;
        float startOffLikes = 0.0f;
        float likesMin = 0.0f;
        float likesDecrementStep = 0.0f;
        Vector2D interpolateStep;
        int customerIndex = 0;
        int customerState = Entering;

    private:
        friend class CustomerTestAccess;

        float Step() const;
        void UpdateQueueWait();
        void UpdateSeatSearchPatience(float dt);
        void RunState();
        void Enter();
        void WalkIn();
        void LookAround();
        void LookForShortQueue();
        void ArriveAtQueuePlace();
        void BeServed();
        void SearchSeat();
        void SitDown();
        void FinishEating();
        void Leave();
        void Walk(float dt);
        void TimedWaitStep(float dt);
        void JoinQueue(StallNodesLink* link);
        void GiveUpInQueue();
        // Trouble hooks: a fight when giving up, the fight location,
        // fleeing a burning court on arrival, trash after eating.
        bool TryStartFight();
        void ArriveAtFight();
        void FleeFireOnArrival();
        void LeaveTrash(SeatNodesLink* link);
        void GiveUp();
        void WalkToTarget(int next);
        void ShowEffect(const std::string& archetype, float value);
        void FaceAlongQueue(const StallsBehaviour* s);
        void BubbleFollows();
        void FreeSeatPlace();
        // Random active neighbour of node whose label begins with prefix,
        // or null when it has none.
        const VertexNode* RandomNeighbourWithPrefix(const VertexNode* node, const std::string& prefix) const;
        bool NoStalls() const;
        void SetPath(const VertexNode* from, const VertexNode* to);
        void SetCurrentNode(const VertexNode* n);
        void SetTargetNode(const VertexNode* n);

        // Run-time state.
        ObjectHandle stall;  // object of the chosen stall's link node
        ObjectHandle seat;   // object of the chosen seat place's link node
        float likesTimer = 0.0f;
        float eatTime = 0.0f;
        float waitTime = 0.0f;
        unsigned seatSearches = 0;
        unsigned trashSeen = 0;
        bool searchingForSeat = false;
        Sprite* sprite = nullptr;
        int pose = PoseNone;
        unsigned wanderCount = 1;
        Vector2D moveStart;
        Vector2D moveTarget;
        Vector2D moveDelta;
        float moveElapsed = 0.0f;
        float moveDuration = 0.0f;
        int nextState = 0;
        // Waypoint objects; the back is the top of the path.
        std::vector<ObjectHandle> path;
        ObjectHandle currentNode;
        ObjectHandle targetNode;
        int preference = 0;
        int lookAroundsLeft = 0;
        int shortQueueTriesLeft = 0;
        bool queueing = false;
        double stateTimer = 0.0;
        int bubbleKind = BubbleNone;
        ObjectHandle bubble;
        bool counted = false;
        bool despawned = false;
    };
}
