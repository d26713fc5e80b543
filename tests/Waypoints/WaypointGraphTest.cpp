// The waypoint graph as scenes and the editor change it: loading nodes and
// their stored links, duplicate and dangling labels, removal, renaming,
// link editing, cloning and the XML form.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "Support/XmlText.h"

using namespace KiteFramework;

namespace
{
    class WaypointGraph : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            GraphNetwork::SetConsoleWriter([this](const std::string& line) { console.push_back(line); });
        }
        void TearDown() override { GraphNetwork::SetConsoleWriter(nullptr); }

        // A node read from its component element, as a scene load makes it.
        VertexNode& Load(const std::string& xml)
        {
            XMLDocument doc;
            EXPECT_EQ(doc.Parse(xml.c_str()), XML_SUCCESS) << xml;
            nodes.push_back(std::make_unique<VertexNode>());
            nodes.back()->XMLUnSerialise(doc.RootElement()->FirstChildElement());
            nodes.back()->Initialise();
            return *nodes.back();
        }

        static std::string NodeXML(const std::string& label, const std::vector<std::pair<std::string, unsigned>>& links)
        {
            std::string xml = "<VertexNode><Label>" + label +
                              "</Label><HideSprite>true</HideSprite><ActiveNode>true</ActiveNode>"
                              "<localAdjacencyList size=\"" + std::to_string(links.size()) + "\">";
            for (const auto& l : links)
                xml += "<vectorElement><first>" + l.first + "</first><second>" + std::to_string(l.second) +
                       "</second></vectorElement>";
            return xml + "</localAdjacencyList></VertexNode>";
        }

        void SceneLoaded()
        {
            Message loaded(MsgID::SceneLoaded);
            graph.SendMessage(&loaded);
        }

        std::vector<std::string> Targets(const std::string& from)
        {
            std::vector<std::string> labels;
            for (const EdgeLink& link : graph.GetAdList().at(from))
                labels.push_back(*link.label);
            return labels;
        }

        using Labels = std::vector<std::string>;

        GraphNetwork graph;
        std::vector<std::unique_ptr<VertexNode>> nodes;
        std::vector<std::string> console;
    };
}

TEST_F(WaypointGraph, SceneLoadBuildsStoredLinks)
{
    VertexNode& a = Load(NodeXML("A", {{"B", 5}, {"C", 2}}));
    Load(NodeXML("B", {{"A", 5}}));
    Load(NodeXML("C", {}));
    // Unlabelled: stays out of the graph, its links are not added.
    VertexNode& none = Load(NodeXML("", {{"A", 1}}));
    SceneLoaded();

    EXPECT_EQ(graph.GetNodeList().size(), 3u);
    EXPECT_FALSE(none.IsInGraph());
    EXPECT_EQ(Targets("A"), (Labels{"B", "C"}));
    EXPECT_EQ(Targets("B"), (Labels{"A"}));
    EXPECT_TRUE(Targets("C").empty());
    EXPECT_EQ(graph.GetAdList().at("A").front().cost, 5u);
    EXPECT_EQ(a.GetAllNeighbours().size(), 2u);
    EXPECT_TRUE(graph.AreThereActiveNodes());
    a.isActive(false);
    EXPECT_EQ(graph.GetAllActiveNodes().size(), 2u);
    EXPECT_EQ(graph.GetAllNodes().front(), &a);

    Message clear(MsgID::ClearScene);
    graph.SendMessage(&clear);
    EXPECT_FALSE(graph.AreThereAnyNode());
    EXPECT_TRUE(graph.GetAdList().empty());
}

// A duplicate label and a link to a label no node has are each reported in
// one line and skipped; the rest of the scene loads.
TEST_F(WaypointGraph, DuplicateAndDanglingLabelsAreSkipped)
{
    testing::internal::CaptureStderr();
    VertexNode& first = Load(NodeXML("A", {{"B", 1}, {"Ghost", 4}}));
    Load(NodeXML("B", {}));
    auto duplicate = std::make_unique<VertexNode>();
    {
        XMLDocument doc;
        doc.Parse(NodeXML("A", {{"B", 9}}).c_str());
        duplicate->XMLUnSerialise(doc.RootElement()->FirstChildElement());
    }
    duplicate->Initialise();
    SceneLoaded();
    std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_NE(errors.find("\"A\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("Ghost"), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 2) << errors;
    EXPECT_EQ(graph.GetNodeList().at("A"), &first);
    EXPECT_FALSE(duplicate->IsInGraph());
    EXPECT_EQ(Targets("A"), (Labels{"B"}));
    // The stored link stays, so saving the scene keeps it.
    EXPECT_EQ(first.GetLinks().size(), 2u);

    // Destroying the node that failed to register leaves the other alone.
    duplicate.reset();
    EXPECT_EQ(graph.GetNodeList().at("A"), &first);
    EXPECT_EQ(Targets("A"), (Labels{"B"}));

    // Initialising a registered node again is not a duplicate.
    testing::internal::CaptureStderr();
    first.Initialise();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// A removed node takes every link to it with it, duplicates included, so
// no edge is left pointing at a deleted node.
TEST_F(WaypointGraph, RemovedNodeTakesItsLinks)
{
    VertexNode& a = Load(NodeXML("A", {{"B", 1}, {"C", 3}}));
    Load(NodeXML("B", {{"C", 1}}));
    VertexNode& c = Load(NodeXML("C", {{"B", 1}}));
    SceneLoaded();
    SceneLoaded(); // a second load message doubles the edges
    EXPECT_EQ(Targets("A"), (Labels{"B", "C", "B", "C"}));

    nodes[1].reset(); // "B"
    EXPECT_EQ(graph.GetNodeList().count("B"), 0u);
    EXPECT_EQ(graph.GetAdList().count("B"), 0u);
    EXPECT_EQ(Targets("A"), (Labels{"C", "C"}));
    EXPECT_TRUE(Targets("C").empty());
    EXPECT_EQ(a.GetLinks(), (std::vector<VertexNode::Link>{{"C", 3}}));
    EXPECT_TRUE(c.GetLinks().empty());
    EXPECT_EQ(graph.GetShortestPath("A", "C").size(), 2u);

    // Renaming to the empty label removes the node the same way.
    c.EditedLabel("");
    EXPECT_EQ(graph.GetNodeList().size(), 1u);
    EXPECT_TRUE(Targets("A").empty());
    EXPECT_TRUE(a.GetLinks().empty());
    EXPECT_EQ(c.Label(), "");
}

TEST_F(WaypointGraph, Renaming)
{
    VertexNode& a = Load(NodeXML("A", {{"B", 1}}));
    VertexNode& b = Load(NodeXML("B", {{"A", 1}}));
    SceneLoaded();

    // To a taken label: nothing changes.
    a.EditedLabel("B");
    EXPECT_EQ(console, (Labels{"Node already exist!"}));
    EXPECT_EQ(a.Label(), "A");
    EXPECT_EQ(graph.GetNodeList().at("A"), &a);
    EXPECT_EQ(graph.GetNodeList().at("B"), &b);

    // To a new label: the graph, the edges and the other node's stored
    // links follow.
    a.EditedLabel("Z");
    EXPECT_EQ(a.Label(), "Z");
    EXPECT_EQ(graph.GetNodeList().count("A"), 0u);
    EXPECT_EQ(graph.GetNodeList().at("Z"), &a);
    EXPECT_EQ(Targets("Z"), (Labels{"B"}));
    EXPECT_EQ(Targets("B"), (Labels{"Z"}));
    EXPECT_EQ(b.GetLinks().front().first, "Z");
    EXPECT_EQ(graph.GetShortestPath("B", "Z").size(), 2u);
    a.EditedLabel("Z");
    EXPECT_EQ(console.size(), 1u);

    // A node that never registered joins under its new label; one that
    // takes a used label keeps the label but stays out.
    auto fresh = std::make_unique<VertexNode>();
    fresh->EditedLabel("C");
    EXPECT_TRUE(fresh->IsInGraph());
    auto clash = std::make_unique<VertexNode>();
    clash->EditedLabel("C");
    EXPECT_EQ(clash->Label(), "C");
    EXPECT_FALSE(clash->IsInGraph());
    EXPECT_EQ(console.back(), "Node already exist!");
    clash.reset();
    EXPECT_EQ(graph.GetNodeList().at("C"), fresh.get());
}

TEST_F(WaypointGraph, EditingLinks)
{
    VertexNode& a = Load(NodeXML("A", {}));
    VertexNode& b = Load(NodeXML("B", {}));
    SceneLoaded();

    // To an unknown label: reported, and neither direction is added.
    a.AddLink("Nobody", 3, false);
    EXPECT_EQ(console, (Labels{"Adding of link failed!"}));
    EXPECT_TRUE(Targets("A").empty());
    EXPECT_TRUE(a.GetLinks().empty());

    // Undirected: both graph directions and both stored lists.
    a.AddLink("B", 4, false);
    EXPECT_EQ(Targets("A"), (Labels{"B"}));
    EXPECT_EQ(Targets("B"), (Labels{"A"}));
    EXPECT_EQ(a.GetLinks(), (std::vector<VertexNode::Link>{{"B", 4}}));
    EXPECT_EQ(b.GetLinks(), (std::vector<VertexNode::Link>{{"A", 4}}));

    // Again: only the cost changes, on both sides.
    a.AddLink("B", 7, false);
    EXPECT_EQ(Targets("A").size(), 1u);
    EXPECT_EQ(graph.GetAdList().at("A").front().cost, 7u);
    EXPECT_EQ(graph.GetAdList().at("B").front().cost, 7u);
    EXPECT_EQ(b.GetLinks().front().second, 7u);
    // Directed: only this side.
    a.AddLink("B", 2, true);
    EXPECT_EQ(graph.GetAdList().at("A").front().cost, 2u);
    EXPECT_EQ(graph.GetAdList().at("B").front().cost, 7u);

    // Removing one side, then both.
    b.RemoveLink("A", false);
    EXPECT_TRUE(Targets("B").empty());
    EXPECT_TRUE(b.GetLinks().empty());
    EXPECT_EQ(Targets("A"), (Labels{"B"}));
    b.AddLink("A", 1, true);
    a.RemoveLink("B", true);
    EXPECT_TRUE(Targets("A").empty());
    EXPECT_TRUE(Targets("B").empty());
    EXPECT_TRUE(a.GetLinks().empty());
    EXPECT_TRUE(b.GetLinks().empty());

    a.RemoveLink("Nobody", true);
    EXPECT_EQ(console.back(), "Other node not found!");

    // Without a console nothing is written and nothing fails.
    GraphNetwork::SetConsoleWriter(nullptr);
    a.AddLink("Nobody", 1, true);
    EXPECT_EQ(console.size(), 2u);
}

TEST_F(WaypointGraph, CloneAndXMLForm)
{
    VertexNode& a = Load(NodeXML("A", {{"B", 5}, {"C", 6}}));
    a.SetHideSprite(false);
    std::unique_ptr<GameComponent> copy(a.Clone());
    auto* clone = dynamic_cast<VertexNode*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetComponentTypeId(), CT_VertexNode);
    EXPECT_EQ(clone->Label(), "");
    EXPECT_FALSE(clone->isActive());
    EXPECT_TRUE(clone->GetHideSprite());
    EXPECT_TRUE(clone->GetLinks().empty());

    const std::string text = KiteTest::WrittenText(a, "VertexNode");
    EXPECT_EQ(text,
              "<VertexNode><Label>A</Label><HideSprite>false</HideSprite><ActiveNode>true</ActiveNode>"
              "<localAdjacencyList size=\"2\"><vectorElement><first>B</first><second>5</second></vectorElement>"
              "<vectorElement><first>C</first><second>6</second></vectorElement></localAdjacencyList></VertexNode>");

    XMLDocument doc;
    ASSERT_EQ(doc.Parse(text.c_str()), tinyxml2::XML_SUCCESS);
    VertexNode back;
    back.XMLUnSerialise(doc.RootElement()->FirstChildElement());
    EXPECT_EQ(back.Label(), "A");
    EXPECT_FALSE(back.GetHideSprite());
    EXPECT_TRUE(back.isActive());
    EXPECT_EQ(back.GetLinks(), a.GetLinks());
    // Not initialised: not in the graph, and its end does not touch "A".
    EXPECT_FALSE(back.IsInGraph());
}

// Through the factory: the creator, the owner's position and the sprite
// shown in the editor and hidden once the game starts.
TEST_F(WaypointGraph, ObjectsAndVisibility)
{
    GameObjectFactory factory;
    graph.Initialise();
    ComponentCreator* creator = factory.GetCreator("VertexNode");
    ASSERT_NE(creator, nullptr);
    EXPECT_EQ(creator->typeId, CT_VertexNode);

    GameObject* object = factory.CreateEmptyComposition();
    auto* transform = new Transform();
    object->AddComponent(transform);
    transform->SetTrans(30, -40);
    auto* sprite = new Sprite();
    object->AddComponent(sprite);
    auto* node = static_cast<VertexNode*>(object->AddComponent(CT_VertexNode));
    ASSERT_NE(node, nullptr);
    node->EditedLabel("door");
    EXPECT_EQ(node->GetTrans(), Vector2D(30, -40));

    sprite->ToggleRender(false);
    SceneLoaded(); // no game running: shown, the stored flag untouched
    EXPECT_TRUE(sprite->IsShown());
    EXPECT_FALSE(sprite->IsRenderable());
    Message start(MsgID::Start);
    graph.SendMessage(&start);
    EXPECT_FALSE(sprite->IsShown());

    node->SetHideSprite(false);
    SceneLoaded();
    EXPECT_FALSE(sprite->IsShown());

    // The object's end unregisters the node.
    factory.DeleteAllObjects();
    EXPECT_FALSE(graph.AreThereAnyNode());
}

// The global pointer belongs to the first system and is released by it.
TEST(WaypointSystem, GlobalPointer)
{
    GraphNetwork* before = WAYPOINTSYS;
    {
        GraphNetwork first;
        GraphNetwork* expected = before ? before : &first;
        EXPECT_EQ(WAYPOINTSYS, expected);
        {
            GraphNetwork second;
            EXPECT_EQ(WAYPOINTSYS, expected);
        }
        EXPECT_EQ(WAYPOINTSYS, expected);
        EXPECT_EQ(first.getSystemType(), ST_GraphNetwork);
    }
    EXPECT_EQ(WAYPOINTSYS, before);
}
