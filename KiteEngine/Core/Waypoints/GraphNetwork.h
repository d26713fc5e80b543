// GraphNetwork: the waypoint system. Holds the scene's waypoint nodes by
// label with their outgoing links, rebuilt at every scene load, and answers
// shortest-path queries over the active nodes.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <stack>
#include <string>
#include <utility>
#include <vector>

#include "Core/Engine/System.h"
#include "Core/Waypoints/EdgeLink.h"

namespace KiteFramework
{
    class VertexNode;

    class GraphNetwork : public System
    {
    public:
        using NodeList = std::map<std::string, VertexNode*>;
        using AdList = std::map<std::string, std::list<EdgeLink>>;
        using Path = std::stack<const VertexNode*>;
        // Receives the lines of the node editing operations.
        using ConsoleWriter = std::function<void(const std::string&)>;

        GraphNetwork();
        ~GraphNetwork() override;
        GraphNetwork(const GraphNetwork&) = delete;
        GraphNetwork& operator=(const GraphNetwork&) = delete;

        void Initialise() override;
        void SendMessage(Message* message) override;

        // Cheapest path over the active nodes: the start on top, the target
        // at the bottom. Empty when the target is inactive or either label is
        // unknown; only the target when it is active but unreachable. On
        // equal costs the path found first (smaller labels first) wins.
        Path GetShortestPath(const std::string& start, const std::string& target);
        Path GetShortestPath(const VertexNode* start, const VertexNode* target);

        // In ascending label order.
        std::vector<const VertexNode*> GetAllNodes() const;
        std::vector<const VertexNode*> GetAllActiveNodes() const;
        bool AreThereAnyNode() const { return !nodeList.empty(); }
        bool AreThereActiveNodes() const;

        void ClearWaypoints();
        // Adds every node's stored links to the graph.
        void PostLoad();
        void ToggleNodeVisibility(bool visible) const;
        void ShowNodesForEditing(bool shown) const;

        const NodeList& GetNodeList() const { return nodeList; }
        const AdList& GetAdList() const { return adList; }

        // Where node editing operations write their console lines (the
        // editor installs its console here); without one the lines are
        // dropped.
        static void SetConsoleWriter(ConsoleWriter writer);
        static void WriteConsoleLine(const std::string& line);

    private:
        friend class VertexNode;

        // False (and no change) for an empty label, a null node or a label
        // held by another node; true when the node is now registered.
        bool AddToListOfNodes(const std::string& label, VertexNode* node);
        // Removes the node's entry and every link to it; an entry held by
        // another node is left alone.
        void RemoveFromListOfNodes(const std::string& label, const VertexNode* node);
        // False (and no change) when the old label is unknown or the new one
        // already taken.
        bool EditedLabel(const std::string& oldLabel, const std::string& newLabel);
        // False (and no change) when either label is unknown.
        bool AddDirectedLink(const std::string& from, const std::string& to, std::uint32_t cost);
        bool AddUndirectedLink(const std::string& a, const std::string& b, std::uint32_t cost);
        // Affect the first link from `from` to `to`; false when `from` is unknown.
        bool RemoveDirectedLink(const std::string& from, const std::string& to);
        bool EditLinkCost(const std::string& from, const std::string& to, std::uint32_t cost);
        // Empty for an unknown label.
        std::vector<const VertexNode*> GetAllNeighbours(const std::string& label) const;
        std::vector<const VertexNode*> GetActiveNeighbours(const std::string& label) const;
        // The nodes the label's links reach, in link order; only the active
        // ones when asked.
        std::vector<const VertexNode*> Neighbours(const std::string& label, bool activeOnly) const;
        // The links leaving `from` (null when it is unknown) and the first of
        // them to `to` (their end when there is none).
        using FoundLink = std::pair<std::list<EdgeLink>*, std::list<EdgeLink>::iterator>;
        FoundLink FirstLink(const std::string& from, const std::string& to);
        bool HasNode(const std::string& label) const { return nodeList.count(label) != 0; }

        // Path search steps: clear every node's search state, list the nodes
        // and their links in label order, lower a neighbour's distance through
        // one link, run the search (the goal once reached, else null) and read
        // the path back from the parents.
        void ResetSearch();
        void IndexForSearch(std::vector<VertexNode*>& nodes, std::vector<const std::list<EdgeLink>*>& edgeLists) const;
        static bool Relax(const VertexNode* from, const EdgeLink& link);
        const VertexNode* SearchFrom(VertexNode* start, const VertexNode* goal);
        Path TracePath(const VertexNode* found) const;

        NodeList nodeList;
        AdList adList;
    };

    extern GraphNetwork* WAYPOINTSYS;
}
