// VertexNode: makes its object a waypoint of the scene's graph. Carries the
// node's label, its outgoing links as stored in the scene file, its active
// flag (only active nodes take part in paths) and the path search's fields.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class GraphNetwork;

    class VertexNode : public GameComponent
    {
    public:
        using Link = std::pair<std::string, unsigned>;

        VertexNode();
        // Copies only the component base: the copy is unlabelled, inactive,
        // hides its sprite and has no links. A label names one node of the
        // graph, so an instance of an archetype never takes its template's.
        VertexNode(const VertexNode& other);
        // The listed fields and the search fields; graph membership is not
        // copied.
        VertexNode& operator=(const VertexNode& other);
        ~VertexNode() override;

        // Registers the label with the waypoint system (a label already used
        // by another node is reported and the node stays out of the graph).
        void Initialise() override;
        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        // A new node: see the copy constructor.
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void ListFields(FieldVisitor& fields) override;

        bool isActive() const { return active; }
        void isActive(bool a) { active = a; }
        bool GetHideSprite() const { return hideSprite; }
        void SetHideSprite(bool h) { hideSprite = h; }
        const std::string& Label() const { return label; }
        // The owner's Transform position; (0, 0) without one.
        Vector2D GetTrans() const;
        const std::vector<Link>& GetLinks() const { return links; }
        // Whether the graph holds this node under its label.
        bool IsInGraph() const;

        std::vector<const VertexNode*> GetAllNeighbours() const;
        std::vector<const VertexNode*> GetActiveNeighbours() const;

        // Editing operations (the inspector's); failures go to the console.
        void AddLink(const std::string& other, unsigned cost, bool directed);
        void RemoveLink(const std::string& other, bool bothSides);
        void EditedLabel(const std::string& newLabel);

        // Path search order: by distance only.
        bool operator<(const VertexNode& o) const { return distance < o.distance; }
        bool operator<=(const VertexNode& o) const { return distance <= o.distance; }
        bool operator>(const VertexNode& o) const { return distance > o.distance; }
        bool operator>=(const VertexNode& o) const { return distance >= o.distance; }

        // Written by the path search.
        mutable std::uint32_t distance = 0;
        mutable const VertexNode* parent = nullptr;

    private:
        friend class GraphNetwork;

        void PostLoad();
        void ToggleNodeVisibility(bool visible);
        // Shows the node's sprite while the editor edits, leaving the stored
        // render flag as the scene has it.
        void ShowForEditing(bool shown);
        void AddToAdList(const std::string& other, unsigned cost);
        void EditLinkCost(const std::string& other, unsigned cost);
        void EditLinkLabel(const std::string& oldLabel, const std::string& newLabel);
        // The stored link to `other` (first one), or null.
        Link* FindLink(const std::string& other);
        VertexNode* FindNode(const std::string& other) const;

        // Stored (see ListFields).
        std::string label;
        bool hideSprite = true;
        bool active = false;
        std::vector<Link> links;

        // Scratch of the path search: position in label order, done flag.
        mutable std::uint32_t searchIndex = 0;
        mutable bool searchClosed = false;
    };
}
