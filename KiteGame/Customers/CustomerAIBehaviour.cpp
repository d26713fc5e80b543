// CustomerAIBehaviour, behaviour: the states, likes, giving up and the one
// way out of the level.
#include "Customers/CustomerAIBehaviour.h"

#include "Audio/AudioFeedbackSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerSystem.h"
#include "Customers/RandomDraw.h"
#include "Customers/ReportOnce.h"
#include "Economy/LevelStatsSystem.h"
#include "Mail/MailBoxSystem.h"
#include "Seats/SeatNodesLink.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallNodesLink.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FireController.h"
#include "Trouble/Trash.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    namespace
    {
        // Likes at or below which a waiting customer says it has no time.
        constexpr float NoTimeLikes = 3.0f;

        // A leaving customer's complaint or wish becomes mail; fire is not
        // a complaint about the court.
        void ReportMail(int bubbleKind, int preference)
        {
            MailBoxSystem* mail = MailBoxSystem::Instance();
            if (!mail || bubbleKind <= 0 || bubbleKind == 8)
                return;
            if (bubbleKind == 9 && preference != 0)
                mail->AddBadMail(preference);
            else
                mail->AddMail(bubbleKind);
        }

        void UpdateStanding(float delta)
        {
            if (CustomerSystem* customers = CustomerSystem::Instance())
                customers->UpdateStanding(delta);
        }
    }

    CustomerAIBehaviour::CustomerAIBehaviour() : Script(CT_CustomerAIBehaviour) {}

    CustomerAIBehaviour::~CustomerAIBehaviour()
    {
        // Removed without leaving (a scene clear, or another part destroying
        // it): the count and list must still forget it.
        if (!despawned)
            if (CustomerSystem* customers = CustomerSystem::Instance())
            {
                if (counted)
                    customers->CustomerGone();
                customers->RemoveCustomer(this);
            }
    }

    void CustomerAIBehaviour::ListFields(FieldVisitor& v)
    {
        v.Add("customerState", customerState, HiddenField());
        v.Add("startOffLikes", startOffLikes, HiddenField());
        v.Add("likesTimeout", likesTimeout, FieldInfo{"likesTimeout", FieldWidget::Input, 0.0f}.Id("##Timeout"));
        v.Add("likesMin", likesMin, {"likesMin", FieldWidget::Input, 0.0f});
        v.Add("likesDecrementStep", likesDecrementStep, {"likesDecrementStep", FieldWidget::Input, 0.0f});
        v.Add("interpolateStep", interpolateStep, {"interpolateStep"});
        v.Add("customerIndex", customerIndex, {"customerIndex", FieldWidget::Input, 1.0f});
    }

    GameComponent* CustomerAIBehaviour::Clone() const
    {
        CustomerAIBehaviour* copy = CloneListed(*this);
        // A new customer always starts by entering.
        copy->customerState = Entering;
        copy->likesTimer = likesTimeout;
        copy->waitTime = waitTime;
        return copy;
    }

    void CustomerAIBehaviour::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->AddCustomer(this);
    }

    StallNodesLink* CustomerAIBehaviour::GetStallLink() const
    {
        return stall.Get<StallNodesLink>();
    }

    StallsBehaviour* CustomerAIBehaviour::GetStall() const
    {
        const StallNodesLink* link = GetStallLink();
        return link ? link->GetStall() : nullptr;
    }

    SeatNodesLink* CustomerAIBehaviour::GetSeatLink() const
    {
        return seat.Get<SeatNodesLink>();
    }

    bool CustomerAIBehaviour::NoStalls() const
    {
        const StallsSystem* stalls = StallsSystem::Instance();
        return !stalls || stalls->GetStallCount() == 0;
    }

    void CustomerAIBehaviour::Update()
    {
        if (despawned)
            return;
        const float dt = Step();
        if (queueing)
            UpdateQueueWait();
        if (searchingForSeat && seatSearches >= 3 && trashSeen >= 2)
            UpdateSeatSearchPatience(dt);
        if (!despawned)
            RunState();
    }

    void CustomerAIBehaviour::RunState()
    {
        switch (customerState)
        {
        case Entering: Enter(); break;
        case WalkingIn: WalkIn(); break;
        case LookingAround: LookAround(); break;
        case LookingForShortQueue: LookForShortQueue(); break;
        case AtQueuePlace: ArriveAtQueuePlace(); break;
        case Served: BeServed(); break;
        case SeatSearch: SearchSeat(); break;
        case Seated: SitDown(); break;
        case FinishedEating: FinishEating(); break;
        case Leaving: Leave(); break;
        case Gone: Despawn(); break;
        case Walking:
            Walk(Step());
            BubbleFollows();
            break;
        case TimedWait: TimedWaitStep(Step()); break;
        case AtFight: ArriveAtFight(); break;
        default: break;
        }
    }

    void CustomerAIBehaviour::UpdateQueueWait()
    {
        if (likesMin < startOffLikes)
        {
            const float dt = Step();
            likesTimer -= dt;
            waitTime += dt;
            if (likesTimer < 0.0f)
            {
                startOffLikes -= likesDecrementStep;
                likesTimer = likesTimeout;
                if (startOffLikes <= NoTimeLikes)
                    ShowBubble(BubbleNoTime, true);
            }
            return;
        }
        GiveUpInQueue();
    }

    void CustomerAIBehaviour::GiveUpInQueue()
    {
        ShowBubble(BubbleFrustrated, true);
        UpdateStanding(likesMin);
        ShowEffect("LoseHeart", likesMin);
        if (TryStartFight())
            return;
        queueing = false;
        if (StallsBehaviour* s = GetStall())
            s->LeaveQueue(this);
        SetSprite(PoseWalking);
        stall.Reset();
        GoToCurrentNode(Leaving);
    }

    void CustomerAIBehaviour::UpdateSeatSearchPatience(float dt)
    {
        waitTime += dt;
        likesTimer -= dt;
        if (likesTimer < 0.0f)
        {
            startOffLikes -= likesDecrementStep;
            likesTimer = likesTimeout;
        }
    }

    void CustomerAIBehaviour::Enter()
    {
        const VertexNode* start = RandomStartNode();
        if (!start)
        {
            ReportOnce("Waypoints", "no active waypoint labelled \"start...\"; customers cannot enter");
            Despawn();
            return;
        }
        SetCurrentNode(start);
        if (transform)
            transform->SetTrans(start->GetTrans());
        SetSprite(PoseWalking);
        if (const FireController* fire = FireController::Instance(); fire && fire->GetBurningCount() > 0)
        {
            FleeFireOnArrival();
            return;
        }
        if (NoStalls())
        {
            Leave();
            return;
        }
        const CustomerSystem* settings = CustomerSystem::Instance();
        const StallsSystem* stalls = StallsSystem::Instance();
        const bool preferences = settings && settings->preferenceAllowed;
        preference = preferences ? RandomDraw::Mod(GENRANDNUM::Rand(), stalls->typesOfStalls + 1) : 0;
        lookAroundsLeft = settings ? settings->lookAroundfCountoutMin +
                                         RandomDraw::Mod(GENRANDNUM::Rand(), settings->lookAroundfCountoutMax) +
                                         (preferences ? settings->preferenceLookAroundCountoutBuff : 0)
                                   : 0;
        PickNextNode("");
        WalkToTarget(WalkingIn);
    }

    void CustomerAIBehaviour::WalkToTarget(int next)
    {
        const VertexNode* target = GetTargetNode();
        if (!target)
        {
            ReportOnce("Waypoints", "a waypoint customers reach has no active neighbour");
            Leave();
            return;
        }
        MoveTo(next, target->GetTrans().x, target->GetTrans().y);
    }

    void CustomerAIBehaviour::WalkIn()
    {
        SetCurrentNode(GetTargetNode());
        if (NoStalls())
        {
            Leave();
            return;
        }
        const bool stallSide = PickNextNode("os");
        WalkToTarget(stallSide ? LookingAround : WalkingIn);
    }

    void CustomerAIBehaviour::LookAround()
    {
        SetCurrentNode(GetTargetNode());
        if (NoStalls())
        {
            Leave();
            return;
        }
        if (AudioFeedbackSystem* audio = AudioFeedbackSystem::Instance())
            audio->PlayByIndex(5);
        if (lookAroundsLeft <= 0)
        {
            if (preference != 0)
            {
                ShowPreferenceBubble(preference);
                ReportMail(bubbleKind, preference);
            }
            const CustomerSystem* settings = CustomerSystem::Instance();
            shortQueueTriesLeft = settings ? settings->noQueuefCountoutMin +
                                                 RandomDraw::Mod(GENRANDNUM::Rand(), settings->noQueuefCountoutMax)
                                           : 0;
            LookForShortQueue();
            return;
        }
        if (preference != 0)
        {
            StallNodesLink* link = FindPreferredStall();
            const StallsBehaviour* s = link ? link->GetStall() : nullptr;
            if (s && s->IsOpenForCustomers())
            {
                JoinQueue(link);
                --lookAroundsLeft;
                return;
            }
        }
        PickNextNode("os");
        WalkToTarget(LookingAround);
        --lookAroundsLeft;
    }

    void CustomerAIBehaviour::LookForShortQueue()
    {
        SetCurrentNode(GetTargetNode());
        if (NoStalls())
        {
            // Leaving first: the wish is shown, not written as a letter.
            Leave();
            if (preference != 0 && !despawned)
                ShowPreferenceBubble(preference);
            return;
        }
        if (shortQueueTriesLeft <= 0)
        {
            ShowBubble(BubbleFrustrated, true);
            Leave();
            return;
        }
        StallNodesLink* link = FindShortQueueStall();
        const StallsBehaviour* s = link ? link->GetStall() : nullptr;
        const CustomerSystem* settings = CustomerSystem::Instance();
        const int queueMax = settings ? settings->queueMax : 0;
        if (s && static_cast<long long>(s->GetQueueLength()) < queueMax && s->IsOpenForCustomers())
        {
            JoinQueue(link);
            return;
        }
        // A try without an open stall counts too, so that a customer facing
        // only closed stalls gives up in the end.
        --shortQueueTriesLeft;
        PickNextNode("os");
        WalkToTarget(LookingForShortQueue);
    }

    void CustomerAIBehaviour::JoinQueue(StallNodesLink* link)
    {
        StallsBehaviour* s = link ? link->GetStall() : nullptr;
        if (!s)
            return;
        queueing = true;
        stall = ObjectHandle(link->GetOwner());
        s->JoinQueue(this);
    }

    void CustomerAIBehaviour::ArriveAtQueuePlace()
    {
        SetSprite(PoseAtStall);
        StallsBehaviour* s = GetStall();
        if (!s)
        {
            // The stall went away without dismissing its queue.
            LoseHeart();
            return;
        }
        if (!s->IsFront(this))
        {
            FaceAlongQueue(s);
            customerState = InQueue;
            return;
        }
        if (sprite)
            sprite->SetFlipX(true);
        queueing = false;
        eatTime = s->foodConsumeTime;
        startOffLikes += s->stallEarnings.likes;
        if (!s->busy_)
        {
            s->busy_ = true;
            s->SetStallSprite(1);
        }
        if (AudioFeedbackSystem* audio = AudioFeedbackSystem::Instance())
            audio->Play(s->stallIndex_);
        customerState = TimedWait;
        nextState = Served;
        stateTimer = s->serveTime;
    }

    void CustomerAIBehaviour::TimedWaitStep(float dt)
    {
        stateTimer -= dt;
        if (stateTimer < 0.0)
            customerState = nextState;
    }

    void CustomerAIBehaviour::BeServed()
    {
        const CustomerSystem* settings = CustomerSystem::Instance();
        const SeatsSystem* seats = SeatsSystem::Instance();
        bool takeAway = true;
        if (RandomDraw::Percent(GENRANDNUM::Rand(), settings ? settings->tabaoChance : 0.0f))
        {
            ShowBubble(startOffLikes <= 0.0f ? BubbleDislike : BubbleLike, false);
            UpdateStanding(startOffLikes);
            ShowEffect("HeartMoving", startOffLikes);
        }
        else if (seats && seats->GetSeatCount() > 0)
        {
            SetSprite(PoseCarrying);
            GoToCurrentNode(SeatSearch);
            searchingForSeat = true;
            takeAway = false;
        }
        else
        {
            ShowBubble(BubbleNoSeats, true);
        }
        if (takeAway)
        {
            SetSprite(PoseLeaving);
            GoToCurrentNode(Leaving);
        }
        if (StallsBehaviour* s = GetStall())
            s->ServeCustomer();
        stall.Reset();
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->AddServedWait(waitTime);
        likesTimer = 0.0f;
        waitTime = 0.0f;
    }

    void CustomerAIBehaviour::SearchSeat()
    {
        SetCurrentNode(GetTargetNode());
        if (startOffLikes < likesMin)
        {
            LoseHeart();
            searchingForSeat = false;
            return;
        }
        SetSprite(PoseCarrying);
        const VertexNode* current = GetCurrentNode();
        if (!current)
        {
            Despawn();
            return;
        }
        for (const VertexNode* n : current->GetActiveNeighbours())
        {
            GameObject* object = n->GetOwner();
            SeatNodesLink* link = object ? object->GetComponent<SeatNodesLink>() : nullptr;
            if (!link || !link->GetSeat())
                continue;
            GameObject* occupant = link->GetOccupant();
            if (!occupant)
            {
                link->SetOccupant(GetOwner());
                SetTargetNode(n);
                seat = ObjectHandle(object);
                SetPath(current, n);
                FollowPath(Seated);
                return;
            }
            // Trash left on a place is what wears a seat-seeker's patience.
            if (occupant->HasComponent(static_cast<ComponentTypeId>(CT_Trash)))
            {
                ++trashSeen;
                if (trashSeen > 2)
                    ShowBubble(BubbleTrash, false);
            }
        }
        ++seatSearches;
        if (seatSearches > 3 && customerState != Gone && bubbleKind != BubbleTrash)
            ShowBubble(BubbleNoSeats, false);
        const VertexNode* floor = RandomNeighbourWithPrefix(current, "o");
        if (!floor)
        {
            ReportOnce("Waypoints", "no \"o\" waypoint around a seat area; a customer leaves without a seat");
            LoseHeart();
            searchingForSeat = false;
            return;
        }
        SetTargetNode(floor);
        SetPath(current, floor);
        FollowPath(SeatSearch);
    }

    void CustomerAIBehaviour::SitDown()
    {
        SetCurrentNode(GetTargetNode());
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->seatWaitingTime += waitTime;
        seatSearches = 0;
        trashSeen = 0;
        waitTime = 0.0f;
        SetSprite(PoseSeated);
        if (bubbleKind != BubblePreference)
            ShowBubble(BubbleNone, true);
        customerState = TimedWait;
        nextState = FinishedEating;
        stateTimer = eatTime;
    }

    void CustomerAIBehaviour::FinishEating()
    {
        FreeSeatPlace();
        if (const CustomerSystem* settings = CustomerSystem::Instance())
            if (RandomDraw::Percent(GENRANDNUM::Rand(), settings->trashSpawnChance))
                LeaveTrash(GetSeatLink());
        ShowBubble(startOffLikes <= 0.0f ? BubbleAngry : BubbleLike, true);
        seat.Reset();
        UpdateStanding(startOffLikes);
        ShowEffect("HeartMoving", startOffLikes);
        Leave();
        SetSprite(PoseWalking);
    }

    void CustomerAIBehaviour::Leave()
    {
        if (despawned)
            return;
        ReportMail(bubbleKind, preference);
        const VertexNode* current = GetCurrentNode();
        const VertexNode* exit = RandomStartNode(current);
        if (!current || !exit)
        {
            Despawn();
            return;
        }
        SetTargetNode(exit);
        SetPath(current, exit);
        FollowPath(Gone);
    }

    void CustomerAIBehaviour::FreeSeatPlace()
    {
        SeatNodesLink* link = GetSeatLink();
        if (link && link->GetOccupant() == GetOwner())
            link->SetOccupant(nullptr);
    }

    void CustomerAIBehaviour::Despawn()
    {
        if (despawned)
            return;
        despawned = true;
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->FighterGone(this);
        FreeSeatPlace();
        seat.Reset();
        if (queueing)
            if (StallsBehaviour* s = GetStall())
                s->LeaveQueue(this);
        queueing = false;
        stall.Reset();
        customerState = Gone;
        if (GameObject* b = bubble.Get())
        {
            // Off the day-night list before it goes.
            TintedSprites::Forget(b);
            Destroy(b);
        }
        bubble.Reset();
        if (CustomerSystem* customers = CustomerSystem::Instance())
        {
            customers->RemoveCustomer(this);
            if (counted)
                customers->CustomerGone();
        }
        if (GetOwner())
        {
            // Off the day-night list before it goes.
            TintedSprites::Forget(GetOwner());
            Destroy(GetOwner());
        }
    }

    void CustomerAIBehaviour::LoseHeart()
    {
        GiveUp();
        // Shown before the walk: a customer with nowhere to walk leaves at
        // once and takes its bubble with it.
        SetSprite(PoseWalking);
        ShowBubble(BubbleDislike, true);
        GoToCurrentNode(Leaving);
    }

    void CustomerAIBehaviour::LoseHeartAndLeave()
    {
        GiveUp();
        SetSprite(PoseWalking);
        ShowBubble(BubbleDislike, true);
        Leave();
    }

    void CustomerAIBehaviour::GiveUp()
    {
        stall.Reset();
        FreeSeatPlace();
        seat.Reset();
        queueing = false;
        UpdateStanding(likesMin);
        ShowEffect("LoseHeart", likesMin);
    }

    void CustomerAIBehaviour::ReactToFire(float likesChange, float speedFactor)
    {
        if (customerState == Leaving || customerState == Gone || nextState == Leaving || nextState == Gone)
            return;
        // Fighters stay in their fight; its cloud (or time-out) ends it and
        // sends them out.
        if (customerState == AtFight || customerState == Fighting || nextState == AtFight)
            return;
        ShowBubble(BubbleFire, true);
        SetSprite(PoseWalking);
        GoToCurrentNode(Leaving);
        stall.Reset();
        FreeSeatPlace();
        seat.Reset();
        searchingForSeat = false;
        queueing = false;
        UpdateStanding(likesChange);
        interpolateStep = interpolateStep * speedFactor;
    }

    // ---- Trouble: fights, fire on arrival, trash ---------------------------

    bool CustomerAIBehaviour::TryStartFight()
    {
        CustomerSystem* customers = CustomerSystem::Instance();
        StallNodesLink* link = GetStallLink();
        StallsBehaviour* s = GetStall();
        if (!customers || !link || !s || customers->fightOn ||
            !RandomDraw::Percent(GENRANDNUM::Rand(), customers->fightChance))
            return false;
        CustomerAIBehaviour* partner = link->GetRandomQueuedCustomer();
        // Redraw while the draw is this customer (the queue then has at
        // least three, so another one exists).
        while (partner == this)
        {
            const std::size_t n = s->GetQueueLength();
            partner = s->GetQueuedCustomer(static_cast<std::size_t>(GENRANDNUM::Rand()) % (n - 1) + 1);
        }
        if (!partner)
            return false;
        for (CustomerAIBehaviour* c : {partner, this})
        {
            c->queueing = false;
            s->RemoveFromQueue(c);
            c->SetSprite(PoseWalking);
            c->ForgetStall();
        }
        // The rest close the gaps the two left.
        s->RepositionQueue();
        customers->StartFight(this, partner);
        return true;
    }

    void CustomerAIBehaviour::ArriveAtFight()
    {
        ShowBubble(BubbleNone, true);
        customerState = Fighting;
        SetSprite(PoseAtStall);
        if (CustomerSystem* customers = CustomerSystem::Instance())
            if (customers->FighterArrives())
                customers->SpawnFightCloud();
    }

    void CustomerAIBehaviour::EndFight()
    {
        if (despawned)
            return;
        if (bubbleKind != BubbleAngry)
            ShowBubble(BubbleAngry, true);
        SetSprite(PoseWalking);
        const VertexNode* current = GetCurrentNode();
        if (!current)
        {
            customerState = Gone;
            return;
        }
        MoveTo(Leaving, current->GetTrans().x, current->GetTrans().y);
    }

    void CustomerAIBehaviour::FleeFireOnArrival()
    {
        const FireController* fire = FireController::Instance();
        if (bubbleKind != BubbleFire && bubbleKind != BubblePreference)
            ShowBubble(BubbleFire, true);
        UpdateStanding(fire ? -fire->likesToDecrement : 0.0f);
        if (fire)
            interpolateStep = interpolateStep * fire->speedMultiplier;
        // Out through another entrance.
        Leave();
    }

    void CustomerAIBehaviour::LeaveTrash(SeatNodesLink* link)
    {
        if (!link)
            return;
        GameObject* object = Instantiate("Trash", Vector2D(0.0f, 0.0f), 0.0f);
        Trash* trash = object ? object->GetComponent<Trash>() : nullptr;
        if (!trash)
        {
            ReportOnce("Archetypes/Trash", object ? "has no Trash component; no trash left" : "no such archetype; no trash left");
            if (object)
                Destroy(object);
            return;
        }
        trash->Spawn(link);
        // The place stays taken until the trash is cleared.
        link->SetOccupant(object);
    }
}
