// VertexNode: registration with the waypoint system, stored links, editing
// operations and the XML form.
#include "Core/Waypoints/VertexNode.h"

#include <algorithm>

#include "Core/Engine/DataError.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Waypoints/GraphNetwork.h"

namespace KiteFramework
{
    namespace
    {
        // "Waypoint "A" (object "Door")" for report lines.
        std::string Describe(const VertexNode& node)
        {
            std::string text = "Waypoint \"" + node.Label() + "\"";
            if (node.GetOwner())
                text += " (object \"" + node.GetGameObjectName() + "\")";
            return text;
        }
    }

    VertexNode::VertexNode() : GameComponent(CT_VertexNode) {}

    VertexNode::VertexNode(const VertexNode& other) : GameComponent(other) {}

    VertexNode& VertexNode::operator=(const VertexNode& other)
    {
        if (this == &other)
            return *this;
        // A registered node keeps its graph entry consistent with its label.
        if (IsInGraph() && other.label != label)
            WAYPOINTSYS->RemoveFromListOfNodes(label, this);
        CopyListedFields(other, *this);
        distance = other.distance;
        parent = other.parent;
        return *this;
    }

    VertexNode::~VertexNode()
    {
        // The waypoint system may already be gone at shutdown.
        if (WAYPOINTSYS)
            WAYPOINTSYS->RemoveFromListOfNodes(label, this);
        links.clear();
    }

    bool VertexNode::IsInGraph() const
    {
        if (!WAYPOINTSYS)
            return false;
        auto it = WAYPOINTSYS->nodeList.find(label);
        return it != WAYPOINTSYS->nodeList.end() && it->second == this;
    }

    void VertexNode::Initialise()
    {
        if (label.empty() || !WAYPOINTSYS)
            return;
        if (!WAYPOINTSYS->AddToListOfNodes(label, this))
            ReportDataError(Describe(*this),
                            "the label is already used by another node; this node is left out of the graph");
    }

    void VertexNode::PostLoad()
    {
        if (!WAYPOINTSYS || !IsInGraph())
            return;
        for (const Link& link : links)
            if (!WAYPOINTSYS->AddDirectedLink(label, link.first, link.second))
                ReportDataError(Describe(*this), "link to unknown waypoint \"" + link.first + "\" skipped");
    }

    void VertexNode::ToggleNodeVisibility(bool visible)
    {
        if (!hideSprite || !GetOwner())
            return;
        if (Sprite* sprite = GetOwner()->GetComponent<Sprite>())
            sprite->ToggleRender(visible);
    }

    void VertexNode::ShowForEditing(bool shown)
    {
        if (!hideSprite || !GetOwner())
            return;
        if (Sprite* sprite = GetOwner()->GetComponent<Sprite>())
            sprite->ShowForEditing(shown);
    }

    Vector2D VertexNode::GetTrans() const
    {
        if (GetOwner())
            if (Transform* t = GetOwner()->GetComponent<Transform>())
                return t->GetTransVec();
        return Vector2D();
    }

    std::vector<const VertexNode*> VertexNode::GetAllNeighbours() const
    {
        if (!WAYPOINTSYS)
            return {};
        return WAYPOINTSYS->GetAllNeighbours(label);
    }

    std::vector<const VertexNode*> VertexNode::GetActiveNeighbours() const
    {
        if (!WAYPOINTSYS)
            return {};
        return WAYPOINTSYS->GetActiveNeighbours(label);
    }

    VertexNode::Link* VertexNode::FindLink(const std::string& other)
    {
        auto it = std::find_if(links.begin(), links.end(), [&other](const Link& l) { return l.first == other; });
        return it == links.end() ? nullptr : &*it;
    }

    VertexNode* VertexNode::FindNode(const std::string& other) const
    {
        if (!WAYPOINTSYS)
            return nullptr;
        auto it = WAYPOINTSYS->nodeList.find(other);
        return it == WAYPOINTSYS->nodeList.end() ? nullptr : it->second;
    }

    void VertexNode::AddToAdList(const std::string& other, unsigned cost)
    {
        links.emplace_back(other, cost);
    }

    void VertexNode::EditLinkCost(const std::string& other, unsigned cost)
    {
        if (Link* link = FindLink(other))
            link->second = cost;
    }

    void VertexNode::EditLinkLabel(const std::string& oldLabel, const std::string& newLabel)
    {
        if (Link* link = FindLink(oldLabel))
            link->first = newLabel;
    }

    void VertexNode::AddLink(const std::string& other, unsigned cost, bool directed)
    {
        GraphNetwork* graph = WAYPOINTSYS;
        VertexNode* otherNode = FindNode(other);
        if (Link* existing = FindLink(other))
        {
            if (!graph || !IsInGraph())
            {
                GraphNetwork::WriteConsoleLine("Other node not found!");
                return;
            }
            graph->EditLinkCost(label, other, cost);
            existing->second = cost;
            if (!directed)
            {
                if (!otherNode)
                {
                    GraphNetwork::WriteConsoleLine("Other node not found!");
                    return;
                }
                graph->EditLinkCost(other, label, cost);
                otherNode->EditLinkCost(label, cost);
            }
            return;
        }

        // Both ends must be in the graph before anything changes.
        if (!graph || !IsInGraph() || !otherNode)
        {
            GraphNetwork::WriteConsoleLine("Adding of link failed!");
            return;
        }
        if (directed)
            graph->AddDirectedLink(label, other, cost);
        else
        {
            graph->AddUndirectedLink(label, other, cost);
            otherNode->AddToAdList(label, cost);
        }
        AddToAdList(other, cost);
    }

    void VertexNode::RemoveLink(const std::string& other, bool bothSides)
    {
        GraphNetwork* graph = WAYPOINTSYS;
        auto it = std::find_if(links.begin(), links.end(), [&other](const Link& l) { return l.first == other; });
        if (it != links.end())
        {
            if (graph)
                graph->RemoveDirectedLink(label, other);
            links.erase(it);
        }
        if (!bothSides)
            return;
        VertexNode* otherNode = FindNode(other);
        if (!otherNode || otherNode == this)
        {
            if (!otherNode)
                GraphNetwork::WriteConsoleLine("Other node not found!");
            return;
        }
        graph->RemoveDirectedLink(other, label);
        otherNode->RemoveLink(label, false);
    }

    void VertexNode::EditedLabel(const std::string& newLabel)
    {
        if (newLabel == label)
            return;
        GraphNetwork* graph = WAYPOINTSYS;
        if (!IsInGraph())
        {
            // Not in the graph (no label yet, or it was taken): take the new
            // label and try to join.
            label = newLabel;
            if (!label.empty() && graph && !graph->AddToListOfNodes(label, this))
                GraphNetwork::WriteConsoleLine("Node already exist!");
            return;
        }
        if (newLabel.empty())
        {
            graph->RemoveFromListOfNodes(label, this);
            label.clear();
            return;
        }
        if (graph->EditedLabel(label, newLabel))
            label = newLabel;
        else
            GraphNetwork::WriteConsoleLine("Node already exist!");
    }

    void VertexNode::ListFields(FieldVisitor& v)
    {
        // The label is edited through EditedLabel, which keeps the graph in step.
        v.Add("Label", label, {"Label of node", FieldWidget::ReadOnly});
        v.Add("HideSprite", hideSprite, {"Hide Sprite?", FieldWidget::Checkbox});
        v.Add("ActiveNode", active, {"Node Active?", FieldWidget::Checkbox});
        v.Add("localAdjacencyList", links, {"Links", FieldWidget::ReadOnly});
    }

    GameComponent* VertexNode::Clone() const
    {
        return new VertexNode(*this);
    }
}
