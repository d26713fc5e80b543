// GraphNetwork: node registry, links, scene messages and the path search.
#include "Core/Waypoints/GraphNetwork.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Waypoints/VertexNode.h"

namespace KiteFramework
{
    GraphNetwork* WAYPOINTSYS = nullptr;

    namespace
    {
        constexpr std::uint32_t Unreached = std::numeric_limits<std::uint32_t>::max();

        GraphNetwork::ConsoleWriter& ConsoleSink()
        {
            static GraphNetwork::ConsoleWriter writer;
            return writer;
        }
    }

    GraphNetwork::GraphNetwork() : System(ST_GraphNetwork)
    {
        ClaimGlobal(WAYPOINTSYS, this);
    }

    GraphNetwork::~GraphNetwork()
    {
        nodeList.clear();
        adList.clear();
        ReleaseGlobal(WAYPOINTSYS, this);
    }

    void GraphNetwork::Initialise()
    {
        RegisterComponent<VertexNode>(CT_VertexNode, "VertexNode");
        DebugPrintHandler("System: WaypointSystem initialised.");
        if (ENGINE)
            ENGINE->logMessage("System: WaypointSystem initialised.");
    }

    void GraphNetwork::SendMessage(Message* message)
    {
        if (!message)
            return;
        switch (message->id)
        {
        case MsgID::ClearScene:
            ClearWaypoints();
            break;
        case MsgID::SceneLoaded:
            PostLoad();
            // In the editor (game not running) the node sprites are shown,
            // without changing what the scene stores.
            if (ENGINE && ENGINE->GetEngineStatus(ES_GAMEPLAYING))
                ToggleNodeVisibility(false);
            else
                ShowNodesForEditing(true);
            break;
        case MsgID::Start:
            ShowNodesForEditing(false);
            ToggleNodeVisibility(false);
            break;
        default:
            break;
        }
    }

    GraphNetwork::Path GraphNetwork::GetShortestPath(const std::string& start, const std::string& target)
    {
        auto startIt = nodeList.find(start);
        auto targetIt = nodeList.find(target);
        if (startIt == nodeList.end() || targetIt == nodeList.end())
            return Path();
        const VertexNode* goal = targetIt->second;
        if (!goal->active)
            return Path();

        ResetSearch();
        const VertexNode* found = SearchFrom(startIt->second, goal);
        // The open set ran out of reachable nodes: an active target is still
        // taken from it in the end, unreached, and is the whole path.
        return TracePath(found ? found : goal);
    }

    void GraphNetwork::ResetSearch()
    {
        std::uint32_t index = 0;
        for (auto& entry : nodeList)
        {
            VertexNode* node = entry.second;
            node->distance = Unreached;
            node->parent = nullptr;
            node->searchIndex = index++;
            // Inactive nodes never enter the open set.
            node->searchClosed = !node->active;
        }
    }

    void GraphNetwork::IndexForSearch(std::vector<VertexNode*>& nodes,
                                      std::vector<const std::list<EdgeLink>*>& edgeLists) const
    {
        nodes.reserve(nodeList.size());
        edgeLists.reserve(nodeList.size());
        // Both maps hold the same labels, so they are walked side by side.
        auto edges = adList.begin();
        for (auto& entry : nodeList)
        {
            nodes.push_back(entry.second);
            if (edges == adList.end() || edges->first != entry.first)
                edges = adList.find(entry.first);
            edgeLists.push_back(edges == adList.end() ? nullptr : &edges->second);
            if (edges != adList.end())
                ++edges;
        }
    }

    bool GraphNetwork::Relax(const VertexNode* from, const EdgeLink& link)
    {
        const VertexNode* v = link.node;
        if (!v->active)
            return false;
        // A sum past the largest distance means unreachable, not a
        // wrapped short cut (which could make a parent cycle).
        if (link.cost > Unreached - 1 - from->distance)
            return false;
        std::uint32_t alt = from->distance + link.cost;
        if (alt >= v->distance)
            return false;
        v->distance = alt;
        v->parent = from;
        return true;
    }

    const VertexNode* GraphNetwork::SearchFrom(VertexNode* start, const VertexNode* goal)
    {
        start->distance = 0;
        // The open set ordered by (distance, label order): the same node is
        // taken next as a linear scan for the first smallest distance in
        // label order would take. Stale entries are skipped when popped.
        using Entry = std::pair<std::uint32_t, std::uint32_t>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
        std::vector<VertexNode*> byIndex;
        std::vector<const std::list<EdgeLink>*> edgesByIndex;
        IndexForSearch(byIndex, edgesByIndex);
        if (!start->searchClosed)
            open.emplace(0u, start->searchIndex);

        while (!open.empty())
        {
            Entry top = open.top();
            open.pop();
            VertexNode* u = byIndex[top.second];
            if (u->searchClosed || top.first != u->distance)
                continue;
            if (u == goal)
                return u;
            u->searchClosed = true;
            if (!edgesByIndex[top.second])
                continue;
            for (const EdgeLink& link : *edgesByIndex[top.second])
                if (Relax(u, link) && !link.node->searchClosed)
                    open.emplace(link.node->distance, link.node->searchIndex);
        }
        return nullptr;
    }

    GraphNetwork::Path GraphNetwork::TracePath(const VertexNode* found) const
    {
        Path path;
        // Bounded by the node count, so a corrupted parent chain cannot loop.
        std::size_t guard = nodeList.size();
        for (const VertexNode* n = found; n && guard; n = n->parent, --guard)
            path.push(n);
        return path;
    }

    GraphNetwork::Path GraphNetwork::GetShortestPath(const VertexNode* start, const VertexNode* target)
    {
        if (!start || !target)
            return Path();
        return GetShortestPath(start->Label(), target->Label());
    }

    std::vector<const VertexNode*> GraphNetwork::GetAllNodes() const
    {
        std::vector<const VertexNode*> result;
        result.reserve(nodeList.size());
        for (const auto& entry : nodeList)
            result.push_back(entry.second);
        return result;
    }

    std::vector<const VertexNode*> GraphNetwork::GetAllActiveNodes() const
    {
        std::vector<const VertexNode*> result;
        for (const auto& entry : nodeList)
            if (entry.second->active)
                result.push_back(entry.second);
        return result;
    }

    bool GraphNetwork::AreThereActiveNodes() const
    {
        for (const auto& entry : nodeList)
            if (entry.second->active)
                return true;
        return false;
    }

    void GraphNetwork::ClearWaypoints()
    {
        nodeList.clear();
        adList.clear();
    }

    void GraphNetwork::PostLoad()
    {
        // A node's PostLoad only adds links, never registers or removes
        // nodes, so the map is stable while it is walked.
        for (auto& entry : nodeList)
            entry.second->PostLoad();
    }

    void GraphNetwork::ToggleNodeVisibility(bool visible) const
    {
        for (const auto& entry : nodeList)
            entry.second->ToggleNodeVisibility(visible);
    }

    void GraphNetwork::ShowNodesForEditing(bool shown) const
    {
        for (const auto& entry : nodeList)
            entry.second->ShowForEditing(shown);
    }

    void GraphNetwork::SetConsoleWriter(ConsoleWriter writer)
    {
        ConsoleSink() = std::move(writer);
    }

    void GraphNetwork::WriteConsoleLine(const std::string& line)
    {
        if (ConsoleSink())
            ConsoleSink()(line);
    }

    bool GraphNetwork::AddToListOfNodes(const std::string& label, VertexNode* node)
    {
        if (label.empty() || !node)
            return false;
        auto it = nodeList.find(label);
        if (it != nodeList.end())
            return it->second == node;
        nodeList.emplace(label, node);
        adList.emplace(label, std::list<EdgeLink>());
        return true;
    }

    void GraphNetwork::RemoveFromListOfNodes(const std::string& label, const VertexNode* node)
    {
        auto it = nodeList.find(label);
        if (it == nodeList.end() || it->second != node)
        {
            // The node may sit under another label if its label was changed
            // behind the graph's back; it must not be left dangling.
            it = std::find_if(nodeList.begin(), nodeList.end(),
                              [node](const NodeList::value_type& e) { return e.second == node; });
            if (it == nodeList.end())
                return;
        }
        const std::string removed = it->first;
        nodeList.erase(it);
        adList.erase(removed);

        // Every edge to the node goes, duplicates included, so no edge can
        // point at a deleted node; the other nodes drop their stored link.
        for (auto& entry : adList)
            entry.second.remove_if([node](const EdgeLink& link) { return link.node == node; });
        for (auto& entry : nodeList)
            entry.second->RemoveLink(removed, false);
    }

    bool GraphNetwork::EditedLabel(const std::string& oldLabel, const std::string& newLabel)
    {
        if (newLabel.empty() || nodeList.count(newLabel))
            return false;
        auto nodeIt = nodeList.find(oldLabel);
        if (nodeIt == nodeList.end())
            return false;
        VertexNode* node = nodeIt->second;
        nodeList.erase(nodeIt);
        nodeList.emplace(newLabel, node);
        auto links = adList.find(oldLabel);
        std::list<EdgeLink> moved;
        if (links != adList.end())
        {
            moved = std::move(links->second);
            adList.erase(links);
        }
        adList.emplace(newLabel, std::move(moved));
        for (auto& entry : nodeList)
            entry.second->EditLinkLabel(oldLabel, newLabel);
        return true;
    }

    bool GraphNetwork::AddDirectedLink(const std::string& from, const std::string& to, std::uint32_t cost)
    {
        auto source = adList.find(from);
        auto target = nodeList.find(to);
        if (source == adList.end() || target == nodeList.end())
            return false;
        source->second.emplace_back(target->second, &target->second->Label(), cost);
        return true;
    }

    bool GraphNetwork::AddUndirectedLink(const std::string& a, const std::string& b, std::uint32_t cost)
    {
        // Both ends are checked first so a failure adds neither direction.
        if (!HasNode(a) || !HasNode(b))
            return false;
        AddDirectedLink(a, b, cost);
        AddDirectedLink(b, a, cost);
        return true;
    }

    GraphNetwork::FoundLink GraphNetwork::FirstLink(const std::string& from, const std::string& to)
    {
        auto source = adList.find(from);
        if (source == adList.end())
            return {nullptr, {}};
        auto& links = source->second;
        return {&links,
                std::find_if(links.begin(), links.end(), [&to](const EdgeLink& l) { return *l.label == to; })};
    }

    bool GraphNetwork::RemoveDirectedLink(const std::string& from, const std::string& to)
    {
        auto [links, it] = FirstLink(from, to);
        if (!links)
            return false;
        if (it != links->end())
            links->erase(it);
        return true;
    }

    bool GraphNetwork::EditLinkCost(const std::string& from, const std::string& to, std::uint32_t cost)
    {
        auto [links, it] = FirstLink(from, to);
        if (!links)
            return false;
        if (it != links->end())
            it->cost = cost;
        return true;
    }

    std::vector<const VertexNode*> GraphNetwork::GetAllNeighbours(const std::string& label) const
    {
        return Neighbours(label, false);
    }

    std::vector<const VertexNode*> GraphNetwork::GetActiveNeighbours(const std::string& label) const
    {
        return Neighbours(label, true);
    }

    std::vector<const VertexNode*> GraphNetwork::Neighbours(const std::string& label, bool activeOnly) const
    {
        std::vector<const VertexNode*> result;
        auto it = adList.find(label);
        if (it != adList.end())
            for (const EdgeLink& link : it->second)
                if (!activeOnly || link.node->active)
                    result.push_back(link.node);
        return result;
    }
}
