// Seat places and their bounds, where trash lands, seats read back with
// their occupants, buying against the money, fire and moving, and the four
// link nodes a placed seat gets.
#include <algorithm>

#include <gtest/gtest.h>

#include <tinyxml2.h>

#include "Game/StallWorld.h"

using namespace KiteTest;

namespace
{
    // Stands for a piece of trash: only its type number matters to seats.
    class TrashStandIn : public Script
    {
    public:
        TrashStandIn() : Script(CT_Trash) {}
        GameComponent* Clone() const override { return new TrashStandIn(); }
    };

    class Seats : public StallWorld
    {
    protected:
        void SetUp() override
        {
            StallWorld::SetUp();
            LevelSystems();
            seats->upperSeatsOffset = Vector2D(40.0f, 20.0f);
            seats->lowerSeatsOffset = Vector2D(45.0f, -25.0f);
            seats->seatsCost = 20.0f;
        }

        SeatPlacementNode* SeatNode(const std::string& name, float x, float y)
        {
            GameObject* o = Make(name, x, y);
            o->AddComponent(CT_Sprite);
            auto* node = Add<SeatPlacementNode>(o, CT_SeatPlacementNode);
            node->nodesToBeConnected = {"o1", "o2", "o3", "o4"};
            for (const std::string& label : node->nodesToBeConnected)
                Node(label, x, y - 200.0f - 10.0f * static_cast<float>(label.back() - '0'));
            return node;
        }

        // A seat object standing on node, initialised as one read back is.
        SeatsBehaviour* StoredSeat(SeatPlacementNode* node)
        {
            Transform* at = node->GetOwner()->GetComponent<Transform>();
            GameObject* o = Make("Seat1", at->GetTransVec().x, at->GetTransVec().y);
            auto* seat = Add<SeatsBehaviour>(o, CT_SeatsBehaviour);
            o->AddParent(node->GetOwner());
            return seat;
        }

        GameObject* Trash()
        {
            GameObject* o = Make("Trash");
            o->AddComponent(new TrashStandIn());
            return o;
        }
    };
}

TEST_F(Seats, PlacesHoldOneObjectEachAndIgnoreBadIndexes)
{
    SeatsBehaviour* seat = StoredSeat(SeatNode("SeatNode1", 0.0f, 0.0f));
    GameObject* a = Make("A");
    GameObject* b = Make("B");
    seat->SetOccupant(1, a);
    seat->SetOccupant(3, b);
    seat->SetOccupant(-1, b);
    seat->SetOccupant(4, b);
    EXPECT_EQ(seat->GetOccupant(1), a);
    EXPECT_EQ(seat->GetOccupant(3), b);
    EXPECT_EQ(seat->GetOccupant(-1), nullptr);
    EXPECT_EQ(seat->GetOccupant(4), nullptr);
    EXPECT_TRUE(seat->IsPlaceFree(0));
    EXPECT_TRUE(seat->IsPlaceFree(7));

    seat->FreePlacesOf(a);
    EXPECT_TRUE(seat->IsPlaceFree(1));
    // An occupant that is destroyed no longer holds its place.
    ObjectHandle hb(b);
    b->Destroy();
    factory->Update();
    ASSERT_FALSE(hb.Get());
    EXPECT_TRUE(seat->IsPlaceFree(3));
}

TEST_F(Seats, StoredSeatTakesItsOccupantsAndIsRegisteredWithoutACharge)
{
    stats->SetMoney(5.0f);
    SeatsBehaviour* seat = StoredSeat(SeatNode("SeatNode1", 0.0f, 0.0f));
    GameObject* seven = Make("Occupant");
    const std::string id = std::to_string(seven->GetId());
    tinyxml2::XMLDocument doc;
    ASSERT_EQ(doc.Parse(std::string("<SeatsBehaviour><POArray size=\"4\"><POArrayElement>0</POArrayElement>"
                        "<POArrayElement>" + id + "</POArrayElement><POArrayElement>0</POArrayElement>"
                        "<POArrayElement>999</POArrayElement></POArray></SeatsBehaviour>")
                  .c_str()),
              tinyxml2::XML_SUCCESS);
    seat->XMLUnSerialise(doc.RootElement()->FirstChildElement());
    testing::internal::CaptureStderr();
    seat->GetOwner()->Initialise();
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_EQ(seat->GetOccupant(1), seven);
    EXPECT_TRUE(seat->IsPlaceFree(0));
    EXPECT_TRUE(seat->IsPlaceFree(2));
    // Id 999 names no object: reported, and the place is free.
    EXPECT_TRUE(seat->IsPlaceFree(3));
    EXPECT_NE(errors.find("999"), std::string::npos);
    EXPECT_TRUE(seats->IsPlaced(seat));
    EXPECT_FLOAT_EQ(stats->Money(), 5.0f);
    EXPECT_EQ(CountNamed("NoMoney"), 0);

    // Written back, the places carry the occupants' ids.
    tinyxml2::XMLDocument out;
    tinyxml2::XMLElement* written = out.NewElement("SeatsBehaviour");
    out.InsertEndChild(written);
    seat->XMLSerialise(written, &out);
    tinyxml2::XMLElement* entry = written->FirstChildElement("POArray")->FirstChildElement("POArrayElement");
    std::vector<unsigned> ids;
    for (; entry; entry = entry->NextSiblingElement())
        ids.push_back(entry->UnsignedText());
    EXPECT_EQ(ids, (std::vector<unsigned>{0, seven->GetId(), 0, 0}));
}

TEST_F(Seats, BuyingNeedsTheSeatPriceButChargesNothing)
{
    GameObject* o = Make("Seat1", 3.0f, 4.0f);
    auto* seat = Add<SeatsBehaviour>(o, CT_SeatsBehaviour);
    stats->SetMoney(10.0f);
    EXPECT_FALSE(seats->AddSeat(seat));
    EXPECT_FLOAT_EQ(stats->Money(), 10.0f);
    EXPECT_EQ(CountNamed("NoMoney"), 1);
    EXPECT_EQ(seats->GetSeatCount(), 0u);
    ObjectHandle h(o);
    factory->Update();
    EXPECT_FALSE(h.Get());

    GameObject* p = Make("Seat1");
    auto* paid = Add<SeatsBehaviour>(p, CT_SeatsBehaviour);
    stats->SetMoney(20.0f);
    EXPECT_TRUE(seats->AddSeat(paid));
    EXPECT_TRUE(seats->AddSeat(paid));
    EXPECT_EQ(seats->GetSeatCount(), 1u);
    EXPECT_FLOAT_EQ(stats->Money(), 20.0f);
}

TEST_F(Seats, FireSendsSeatedCustomersAwayAndLeavesTrash)
{
    CustomerArchetype();
    SeatsBehaviour* seat = StoredSeat(SeatNode("SeatNode1", 0.0f, 0.0f));
    seat->GetOwner()->Initialise();
    CustomerAIBehaviour* c = NewCustomer();
    GameObject* trash = Trash();
    seat->SetOccupant(0, c->GetOwner());
    seat->SetOccupant(2, trash);
    seats->ClearSeatsOnFire();
    EXPECT_TRUE(seat->IsPlaceFree(0));
    EXPECT_EQ(seat->GetOccupant(2), trash);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleFire);
}

TEST_F(Seats, ClearingThrowsTrashAwayAndSendsCustomersOff)
{
    CustomerArchetype();
    SeatsBehaviour* seat = StoredSeat(SeatNode("SeatNode1", 0.0f, 0.0f));
    CustomerAIBehaviour* c = NewCustomer();
    GameObject* trash = Trash();
    ObjectHandle trashHandle(trash);
    seat->SetOccupant(1, c->GetOwner());
    seat->SetOccupant(3, trash);
    c->likesMin = -3.0f;
    const float likesBefore = stats->Likes;
    seat->ClearOccupants();
    for (int place = 0; place < SeatsBehaviour::PlaceCount; ++place)
        EXPECT_TRUE(seat->IsPlaceFree(place)) << place;
    // The customer gave up: its bubble, and the player's likes took its floor.
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleDislike);
    EXPECT_FLOAT_EQ(stats->Likes, likesBefore - 3.0f);
    factory->Update();
    EXPECT_FALSE(trashHandle.Get());
}

TEST_F(Seats, LinkNodesAreNamedAfterTheNodeAndSitAtThePlaceOffsets)
{
    SeatPlacementNode* node = SeatNode("SeatNode3", 200.0f, 100.0f);
    SeatsBehaviour* seat = StoredSeat(node);
    seat->CreateSeatLinkNodes(node);
    const Vector2D expected[4] = {{160.0f, 120.0f}, {240.0f, 120.0f}, {155.0f, 75.0f}, {245.0f, 75.0f}};
    for (int i = 0; i < SeatsBehaviour::PlaceCount; ++i)
    {
        VertexNode* v = seat->GetLinkVertex(i);
        ASSERT_NE(v, nullptr) << i;
        EXPECT_EQ(v->Label(), "SeatNode3" + std::to_string(i));
        EXPECT_TRUE(v->isActive());
        EXPECT_EQ(v->GetTrans(), expected[i]) << i;
        EXPECT_FALSE(v->GetOwner()->GetComponent<Sprite>()->IsRenderable());
        // Joined both ways to its floor waypoint.
        const auto neighbours = v->GetActiveNeighbours();
        ASSERT_EQ(neighbours.size(), 1u);
        EXPECT_EQ(neighbours[0]->Label(), "o" + std::to_string(i + 1));
        const auto back = graph->GetNodeList().at("o" + std::to_string(i + 1))->GetActiveNeighbours();
        EXPECT_NE(std::find(back.begin(), back.end(), v), back.end());
        SeatNodesLink* link = v->GetOwner()->GetComponent<SeatNodesLink>();
        EXPECT_EQ(link->GetSeat(), seat);
        EXPECT_EQ(link->GetSeatIndex(), i);
    }
    EXPECT_EQ(seat->GetLinkVertex(4), nullptr);
}

TEST_F(Seats, TrashLiesTowardTheTableBelowThePlace)
{
    SeatPlacementNode* node = SeatNode("SeatNode1", 0.0f, 0.0f);
    SeatsBehaviour* seat = StoredSeat(node);
    seat->CreateSeatLinkNodes(node);
    // Place 0 (left, even) at (-40, 20): trash to its right; place 1
    // (right, odd) at (40, 20): trash to its left.
    SeatNodesLink* left = seat->GetLinkVertex(0)->GetOwner()->GetComponent<SeatNodesLink>();
    SeatNodesLink* right = seat->GetLinkVertex(1)->GetOwner()->GetComponent<SeatNodesLink>();
    EXPECT_EQ(left->TrashPosition(), Vector2D(-40.0f + 28.0f, 14.0f));
    EXPECT_EQ(right->TrashPosition(), Vector2D(40.0f - 28.0f, 14.0f));

    GameObject* trash = Trash();
    right->SetOccupant(trash);
    EXPECT_EQ(seat->GetOccupant(1), trash);
    EXPECT_EQ(right->GetOccupant(), trash);
    EXPECT_EQ(left->GetOccupant(), nullptr);
}

TEST_F(Seats, LinkWithoutASeatHoldsNothing)
{
    GameObject* o = Make("Loose");
    auto* link = Add<SeatNodesLink>(o, CT_SeatNodesLink);
    link->SetOccupant(Make("X"));
    EXPECT_EQ(link->GetOccupant(), nullptr);
    EXPECT_EQ(link->GetSeat(), nullptr);
}

TEST_F(Seats, ALinkWhoseLabelNamesNoPlaceIsReportedOnceAndSeatsNoOne)
{
    SeatsBehaviour* seat = StoredSeat(SeatNode("SeatNode1", 0.0f, 0.0f));
    auto storedLink = [&](const std::string& label) {
        VertexNode* v = Node(label, 10.0f, 10.0f);
        auto* link = Add<SeatNodesLink>(v->GetOwner(), CT_SeatNodesLink);
        link->seatGOindex = seat->GetOwner()->GetId();
        return link;
    };
    SeatNodesLink* good = storedLink("SeatNode12");
    SeatNodesLink* letter = storedLink("SeatNode1x");
    SeatNodesLink* pastLast = storedLink("SeatNode14");
    testing::internal::CaptureStderr();
    for (SeatNodesLink* link : {good, letter, pastLast})
        link->GetOwner()->Initialise();
    const std::string reports = testing::internal::GetCapturedStderr();

    EXPECT_EQ(std::count(reports.begin(), reports.end(), '\n'), 2) << reports;
    for (SeatNodesLink* bad : {letter, pastLast})
    {
        const std::string object = "object " + std::to_string(bad->GetOwner()->GetId());
        const std::string label = bad->GetOwner()->GetComponent<VertexNode>()->Label();
        EXPECT_NE(reports.find(object), std::string::npos) << reports;
        EXPECT_NE(reports.find("\"" + label + "\" does not end in a place 0 to 3; link skipped"), std::string::npos)
            << reports;
        // Customers take only links with a seat: this one never reads as free.
        EXPECT_EQ(bad->GetSeat(), nullptr);
        bad->SetOccupant(Make("Customer"));
        EXPECT_EQ(bad->GetOccupant(), nullptr);
        // The stored seat id is kept as it was read.
        EXPECT_EQ(bad->seatGOindex, seat->GetOwner()->GetId());
    }
    for (int place = 0; place < SeatsBehaviour::PlaceCount; ++place)
        EXPECT_EQ(seat->GetOccupant(place), nullptr) << place;
    EXPECT_EQ(good->GetSeat(), seat);
    EXPECT_EQ(good->GetSeatIndex(), 2);
}
