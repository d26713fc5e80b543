// StallsBehaviour: one food stall. Keeps its queue of customers, serves the
// customer at the front, turns each sale into money, reputation and
// statistics, shows its state through its sprite, and can be upgraded or
// sold.
#pragma once

#include <list>
#include <string>
#include <utility>
#include <vector>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"
#include "Stalls/StallEarnings.h"

namespace KiteFramework
{
    class CustomerAIBehaviour;
    class StallNodesLink;
    class StallPlacementNode;

    class StallsBehaviour : public Script
    {
    public:
        using SpritePair = std::pair<std::string, std::string>;

        enum SpriteState : int
        {
            Idle = 0,
            Serving = 1,
            Burning = 2
        };

        StallsBehaviour();
        ~StallsBehaviour() override;

        // Earnings by level, the upkeep from the stall table, the queue
        // side from its node, and registration of a stall stored on a node.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        // ---- Dragging and placing (Building/StallDragging) ----------------
        void OnMouseDown() override;
        void OnMouseUp() override;
        void Update() override;
        void BeginDragFromButton();
        bool PlaceOnNode(GameObject* node);
        void ReturnOrDiscard();

        // ---- Queue --------------------------------------------------------
        // Sends the customer to the next free place and appends it.
        void JoinQueue(CustomerAIBehaviour* customer);
        // Removes every occurrence of the customer, then re-places the rest.
        void LeaveQueue(CustomerAIBehaviour* customer);
        // Re-places every queued customer; the front customer already being
        // served stays where it is.
        void RepositionQueue();
        // Removes the customer without re-placing the others; false when it
        // was not queued.
        bool RemoveFromQueue(CustomerAIBehaviour* customer);
        // Where queue place k lies (0 is the front; later places jittered).
        Vector2D QueuePlace(unsigned k) const;
        std::size_t GetQueueLength() const;
        // The living customer at queue position i (0 is the front), or null.
        CustomerAIBehaviour* GetQueuedCustomer(std::size_t i) const;
        CustomerAIBehaviour* GetFrontCustomer() const { return GetQueuedCustomer(0); }
        bool IsFront(const CustomerAIBehaviour* customer) const;
        bool IsQueued(const CustomerAIBehaviour* customer) const;
        // Customers join only while the stall is operational.
        bool IsOpenForCustomers() const { return operational; }

        // ---- Serving, fire, upgrade, sale -------------------------------
        // The front customer's wait has ended: sell, or catch fire.
        void ServeCustomer();
        void SetStallSprite(int state);
        void SetOnFire();
        void EjectQueue();
        void ApplyUpgrade(float cost, float factor);
        void Sell();
        // Money += amount with the button refresh; a positive amount also
        // counts as a served customer and as revenue.
        void GainMoney(float amount);

        // ---- Sprites ------------------------------------------------------
        // The stall's level band: 0 lowest third of the levels, 2 the top
        // (and every level when the stall has no upgrades).
        int GetLevelBand() const;
        // The texture pair of a stall type (from 1) and state at this
        // stall's band; empty when the stall system has none.
        SpritePair GetSpritePair(int stallType, int state) const;

        // ---- Placement ----------------------------------------------------
        // Creates the waypoint link node beside the stall on its node.
        void CreateStallLinkNode(StallPlacementNode* node);
        StallNodesLink* GetLinkNode() const;
        void SetLinkNode(StallNodesLink* link);
        // The placement node object the stall stands on, or null.
        GameObject* GetNodeObject() const;
        GameObject* GetFireObject() const { return fireObject.Get(); }
        // The fire went out (its resolver destroys it).
        void ForgetFire() { fireObject.Reset(); }

        // Stored fields.
        StallEarnings stallEarningsBasic;
        float constructionCost = 0.0f;
        float earningsMult = 1.0f;
        float serveTime = 0.0f;
        float foodConsumeTime = 0.0f;
        bool busy_ = false;
        int stallIndex_ = 0;
        float stallPriceModifier = 1.0f;
        float stallQualityModifier = 1.0f;
        float stallRepModifier = 1.0f;

        // Run-time state read by other parts.
        StallEarnings stallEarnings;
        unsigned level = 1;
        float upkeep = 0.0f;
        unsigned maxLevel = 0;
        int spriteState = Idle;
        bool operational = true;
        bool queueToLeft = false;
        // Drag state (moving stalls by hand).
        bool pressed = false;
        bool dragging = false;
        float holdTimer = 0.0f;
        Vector2D savedPosition;

    private:
        friend class StallDragging;

        void ComputeEarnings();
        void ReadUpkeep();
        void RestoreFromNode();
        void PruneQueue();
        std::vector<CustomerAIBehaviour*> QueuedCustomers() const;
        Vector2D NodePosition() const;
        Vector2D Position() const;
        void RaiseReputation(float amount);
        void ShowAmount(const std::string& archetype, const std::string& text) const;

        // Customer objects, front first.
        std::list<ObjectHandle> queue;
        ObjectHandle linkNode;
        ObjectHandle fireObject;
        ObjectHandle afterImage;
    };
}
