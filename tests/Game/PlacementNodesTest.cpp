// A stall's link node, the second-floor links and their user count.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include "Game/StallWorld.h"

using namespace KiteTest;

namespace
{
    class Placement : public StallWorld
    {
    protected:
        void SetUp() override
        {
            StallWorld::SetUp();
            LevelSystems();
            stats->SetMoney(1000.0f);
            os1 = Node("os1", -100.0f, 0.0f);
            os2 = Node("os2", 100.0f, 0.0f);
            stairsDown = Node("stairsDown", 0.0f, 200.0f);
            upstairs = Node("upstairs", 0.0f, 400.0f);
            GameObject* o = Make("SecondFloor");
            upper = Add<SecondFloorController>(o, CT_SecondFloorController);
            upper->nodesToLink = {{"stairsDown", "upstairs"}, {"nowhere", "upstairs"}};
        }

        StallPlacementNode* UpperNode(const std::string& name)
        {
            StallPlacementNode* node = StallNode(name, 0.0f, 500.0f);
            node->GetOwner()->AddComponent(CT_SecondFloorIndicator);
            return node;
        }

        bool StairsOpen() const
        {
            for (const VertexNode* n : stairsDown->GetActiveNeighbours())
                if (n == upstairs)
                    return true;
            return false;
        }

        VertexNode* os1 = nullptr;
        VertexNode* os2 = nullptr;
        VertexNode* stairsDown = nullptr;
        VertexNode* upstairs = nullptr;
        SecondFloorController* upper = nullptr;
    };
}

TEST_F(Placement, StallLinkNodeJoinsTheNodesWaypointsAndKnowsItsStall)
{
    StallPlacementNode* node = StallNode("StallNode4", 50.0f, -20.0f);
    node->nodesToBeConnected = {"os1", "os2"};
    StallsBehaviour* s = StoredStall(2, node);
    s->CreateStallLinkNode(node);
    StallNodesLink* link = s->GetLinkNode();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetStall(), s);
    EXPECT_EQ(link->GetOwner()->GetParent(), nullptr);
    VertexNode* v = link->GetOwner()->GetComponent<VertexNode>();
    EXPECT_EQ(v->Label(), "StallNode4");
    EXPECT_TRUE(v->isActive());
    EXPECT_EQ(v->GetTrans(), Vector2D(50.0f, -20.0f));
    EXPECT_FALSE(link->GetOwner()->GetComponent<Sprite>()->IsRenderable());
    const auto n1 = os1->GetActiveNeighbours();
    EXPECT_NE(std::find(n1.begin(), n1.end(), v), n1.end());
    EXPECT_EQ(v->GetActiveNeighbours().size(), 2u);

    // Written, the link names its stall's object; once the stall is gone, 0.
    XMLDocument doc;
    XMLElement* e = doc.NewElement("StallNodesLink");
    doc.InsertEndChild(e);
    link->XMLSerialise(e, &doc);
    EXPECT_EQ(e->FirstChildElement("stallGOindex")->UnsignedText(), s->GetOwner()->GetId());
    s->GetOwner()->Destroy();
    factory->Update();
    EXPECT_EQ(link->GetStall(), nullptr);
    XMLElement* again = doc.NewElement("StallNodesLink");
    link->XMLSerialise(again, &doc);
    EXPECT_EQ(again->FirstChildElement("stallGOindex")->UnsignedText(), 0u);
}

TEST_F(Placement, UpperFloorLinksOpenWithTheFirstStallAndCloseWithTheLast)
{
    EXPECT_FALSE(StairsOpen());
    StallsBehaviour* a = StoredStall(1, UpperNode("Up1"));
    EXPECT_TRUE(StairsOpen());
    EXPECT_EQ(upper->GetLinkUsers(), 1);
    StallsBehaviour* b = StoredStall(2, UpperNode("Up2"));
    EXPECT_EQ(upper->GetLinkUsers(), 2);
    EXPECT_EQ(stairsDown->GetLinks().size(), 1u);
    // A stall downstairs holds nothing open.
    StoredStall(3, StallNode("Down", 0.0f, 0.0f));
    EXPECT_EQ(upper->GetLinkUsers(), 2);

    a->Sell();
    EXPECT_TRUE(StairsOpen());
    b->Sell();
    EXPECT_FALSE(StairsOpen());
    EXPECT_EQ(upper->GetLinkUsers(), 0);
}

TEST_F(Placement, LinkUserCountNeverFallsBelowZero)
{
    upper->UnlinkNodes();
    upper->UnlinkNodes();
    EXPECT_EQ(upper->GetLinkUsers(), 0);
    // The next placement still opens the links.
    upper->LinkNodes();
    EXPECT_TRUE(StairsOpen());
    EXPECT_EQ(upper->GetLinkUsers(), 1);
}
