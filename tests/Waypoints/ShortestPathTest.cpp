// Shortest paths over the waypoint graph: cost and tie rules, inactive and
// unknown nodes, unreachable targets and costs near the unsigned limit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"

using namespace KiteFramework;

namespace
{
    class ShortestPath : public ::testing::Test
    {
    protected:
        VertexNode& Node(const std::string& label, bool active = true)
        {
            nodes.push_back(std::make_unique<VertexNode>());
            nodes.back()->EditedLabel(label);
            nodes.back()->isActive(active);
            return *nodes.back();
        }

        // Active nodes of the labels.
        void Nodes(std::initializer_list<const char*> labels)
        {
            for (const char* label : labels)
                Node(label);
        }

        VertexNode& Get(const std::string& label)
        {
            for (auto& n : nodes)
                if (n->Label() == label)
                    return *n;
            throw std::runtime_error("no node " + label);
        }

        void Link(const std::string& from, const std::string& to, unsigned cost)
        {
            Get(from).AddLink(to, cost, true);
        }

        // Labels from the top of the stack (the start) to the target.
        std::vector<std::string> Path(const std::string& start, const std::string& target)
        {
            GraphNetwork::Path path = graph.GetShortestPath(start, target);
            std::vector<std::string> labels;
            for (; !path.empty(); path.pop())
                labels.push_back(path.top()->Label());
            return labels;
        }

        using Labels = std::vector<std::string>;

        GraphNetwork graph;
        std::vector<std::unique_ptr<VertexNode>> nodes;
    };
}

// Only a strictly shorter distance replaces a parent.
TEST_F(ShortestPath, EqualCostKeepsTheFirstFound)
{
    Nodes({"A", "B", "C"});
    Link("A", "B", 5);
    Link("B", "C", 5);
    Link("A", "C", 10);
    EXPECT_EQ(Path("A", "C"), (Labels{"A", "C"}));

    Get("A").AddLink("C", 11, true); // existing link: only its cost changes
    EXPECT_EQ(Path("A", "C"), (Labels{"A", "B", "C"}));
    EXPECT_EQ(graph.GetAdList().at("A").size(), 2u);
}

// Of two nodes at equal distance the smaller label is settled first, so
// its links win the tie, whatever order the links were added in.
TEST_F(ShortestPath, TiesGoToTheSmallerLabel)
{
    Nodes({"S", "N", "M", "T"});
    Link("S", "N", 1);
    Link("S", "M", 1);
    Link("N", "T", 1);
    Link("M", "T", 1);
    EXPECT_EQ(Path("S", "T"), (Labels{"S", "M", "T"}));
}

TEST_F(ShortestPath, InactiveUnknownAndUnreachable)
{
    // No nodes at all: nothing, and no exception.
    EXPECT_TRUE(Path("A", "C").empty());

    Node("A");
    Node("B", false);
    Node("C");
    Node("D");
    Link("A", "B", 1);
    Link("B", "C", 1);

    // The only way runs through an inactive node: the target alone.
    EXPECT_EQ(Path("A", "C"), (Labels{"C"}));
    // Unreachable active target: the target alone.
    EXPECT_EQ(Path("A", "D"), (Labels{"D"}));
    // Inactive target, unknown labels: empty.
    EXPECT_TRUE(Path("A", "B").empty());
    EXPECT_TRUE(Path("A", "Z").empty());
    EXPECT_TRUE(Path("Z", "C").empty());
    EXPECT_TRUE(graph.GetShortestPath(nullptr, &Get("C")).empty());
    // Start equal to the target.
    EXPECT_EQ(Path("A", "A"), (Labels{"A"}));

    // An inactive start relaxes nothing.
    Get("B").isActive(true);
    Get("A").isActive(false);
    EXPECT_EQ(Path("A", "C"), (Labels{"C"}));
    Get("A").isActive(true);
    EXPECT_EQ(Path("A", "C"), (Labels{"A", "B", "C"}));
    EXPECT_EQ(graph.GetShortestPath(&Get("A"), &Get("C")).size(), 3u);

    // Search fields are left for callers to read.
    EXPECT_EQ(Get("C").distance, 2u);
    EXPECT_EQ(Get("C").parent, &Get("B"));
    EXPECT_EQ(Get("D").distance, 0xFFFFFFFFu);
}

// Sums past the unsigned limit are unreachable rather than wrapped to a
// short cut (a wrapped sum could make two nodes each other's parent and
// hang the path building).
TEST_F(ShortestPath, HugeCostsDoNotWrap)
{
    Nodes({"A", "B", "C"});
    Link("A", "B", 4294967290u);
    Link("B", "C", 10);
    Link("C", "B", 1);
    EXPECT_EQ(Path("A", "B"), (Labels{"A", "B"}));
    EXPECT_EQ(Path("A", "C"), (Labels{"C"}));
}

TEST_F(ShortestPath, LongerGraph)
{
    // A ring of 50 nodes with one expensive short cut: the ring wins while
    // it is cheaper, the short cut once the ring costs more.
    const int count = 50;
    auto name = [](int i) { return "n" + std::to_string(100 + i); };
    for (int i = 0; i < count; ++i)
        Node(name(i));
    for (int i = 0; i < count; ++i)
        Get(name(i)).AddLink(name((i + 1) % count), 1, false);
    Link(name(0), name(25), 30);
    EXPECT_EQ(Path(name(0), name(25)).size(), 26u);
    Link(name(0), name(24), 3);
    Labels viaCut = Path(name(0), name(25));
    EXPECT_EQ(viaCut, (Labels{name(0), name(24), name(25)}));
    // Undirected links: the way back goes the other way round the ring.
    EXPECT_EQ(Path(name(0), name(45)).size(), 6u);
}
