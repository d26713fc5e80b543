// SeatsBehaviour: the four places of a table and their link nodes.
#include "Seats/SeatsBehaviour.h"

#include "Building/SeatDragging.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/Transform.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Seats/SeatNodesLink.h"
#include "Seats/SeatPlacementNode.h"
#include "Seats/SeatsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    SeatsBehaviour::SeatsBehaviour() : Script(static_cast<ComponentTypeId>(CT_SeatsBehaviour)) {}

    SeatsBehaviour::~SeatsBehaviour() = default;

    void SeatsBehaviour::ListFields(FieldVisitor& v)
    {
        v.Add("POArray", POArray, HiddenField());
    }

    GameComponent* SeatsBehaviour::Clone() const
    {
        // Occupants and link nodes belong to the placed seat only.
        SeatsBehaviour* copy = new SeatsBehaviour();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void SeatsBehaviour::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        for (int i = 0; i < PlaceCount; ++i)
        {
            GameObject* o = occupants[i].Get();
            POArray.ids[i] = o ? o->GetId() : 0;
        }
        GameComponent::XMLSerialise(element, document);
    }

    void SeatsBehaviour::OnMouseDown() { SeatDragging(*this).Press(); }
    void SeatsBehaviour::OnMouseUp() { SeatDragging(*this).Drop(); }
    void SeatsBehaviour::Update() { SeatDragging(*this).Update(); }
    void SeatsBehaviour::BeginDragFromButton() { SeatDragging(*this).BeginFromButton(); }
    bool SeatsBehaviour::PlaceOnNode(GameObject* node) { return SeatDragging(*this).PlaceOnNode(node); }

    GameObject* SeatsBehaviour::GetNodeObject() const
    {
        return GetOwner() ? GetOwner()->GetParent() : nullptr;
    }

    void SeatsBehaviour::Initialise()
    {
        Script::Initialise();
        GameObject* owner = GetOwner();
        // Where a dragged new seat goes back to.
        if (Transform* t = owner ? owner->GetComponent<Transform>() : nullptr)
            savedPosition = t->GetTransVec();
        for (int i = 0; i < PlaceCount; ++i)
        {
            const unsigned id = POArray.ids[i];
            if (id == 0 || !FACTORY)
                continue;
            GameObject* o = FACTORY->FindObjectWithId(id);
            if (!o)
                ReportDataError("seat \"" + GetGameObjectName() + "\"",
                                "place " + std::to_string(i) + ": no object with id " + std::to_string(id) + "; place freed");
            occupants[i] = ObjectHandle(o);
        }
        Transform* t = owner ? owner->GetComponent<Transform>() : nullptr;
        if (t)
            savedPosition = t->GetTransVec();
        // A seat read back with its level stands on its node: registered
        // without being charged again.
        if (owner && owner->GetParent())
        {
            if (SeatsSystem* system = SeatsSystem::Instance())
                system->AddStoredSeat(this);
            else
                ReportDataError("seat \"" + GetGameObjectName() + "\"", "the level has no SeatsSystem; seat not registered");
        }
    }

    GameObject* SeatsBehaviour::GetOccupant(int place) const
    {
        return ValidPlace(place) ? occupants[place].Get() : nullptr;
    }

    void SeatsBehaviour::SetOccupant(int place, GameObject* occupant)
    {
        if (ValidPlace(place))
            occupants[place] = ObjectHandle(occupant);
    }

    void SeatsBehaviour::FreePlacesOf(const GameObject* occupant)
    {
        if (!occupant)
            return;
        for (ObjectHandle& h : occupants)
            if (h == occupant)
                h.Reset();
    }

    void SeatsBehaviour::ClearOccupants()
    {
        for (ObjectHandle& h : occupants)
        {
            GameObject* o = h.Get();
            // Freed first: a leaving customer may free its own place too.
            h.Reset();
            if (!o)
                continue;
            if (o->HasComponent(static_cast<ComponentTypeId>(CT_Trash)))
                o->Destroy();
            else if (CustomerAIBehaviour* c = o->GetComponent<CustomerAIBehaviour>())
                c->LoseHeartAndLeave();
        }
    }

    void SeatsBehaviour::CreateSeatLinkNodes(SeatPlacementNode* node)
    {
        GameObject* owner = GetOwner();
        if (!node || !node->GetOwner() || !owner)
            return;
        Transform* t = owner->GetComponent<Transform>();
        const Vector2D p = t ? t->GetTransVec() : Vector2D();
        SeatsSystem* system = SeatsSystem::Instance();
        const Vector2D u = system ? system->upperSeatsOffset : Vector2D();
        const Vector2D l = system ? system->lowerSeatsOffset : Vector2D();
        const Vector2D offsets[PlaceCount] = {Vector2D(-u.x, u.y), Vector2D(u.x, u.y), Vector2D(-l.x, l.y),
                                              Vector2D(l.x, l.y)};
        const std::string nodeName = node->GetOwner()->getName();
        for (int i = 0; i < PlaceCount; ++i)
        {
            GameObject* linkObject = Instantiate("SeatLinkNode", p + offsets[i], 0.0f);
            if (!linkObject)
            {
                ReportDataError("seat \"" + GetGameObjectName() + "\"", "no \"SeatLinkNode\" archetype; place " +
                                                                          std::to_string(i) + " cannot be reached");
                continue;
            }
            if (Sprite* sprite = linkObject->GetComponent<Sprite>())
                sprite->ToggleRender(false);
            if (VertexNode* vertex = linkObject->GetComponent<VertexNode>())
            {
                vertex->EditedLabel(nodeName + std::to_string(i));
                if (!node->nodesToBeConnected[i].empty())
                    vertex->AddLink(node->nodesToBeConnected[i], 1, false);
                vertex->isActive(true);
            }
            linkVertices[i] = ObjectHandle(linkObject);
            if (SeatNodesLink* link = linkObject->GetComponent<SeatNodesLink>())
                link->SetSeat(this, i);
        }
    }

    VertexNode* SeatsBehaviour::GetLinkVertex(int place) const
    {
        return ValidPlace(place) ? linkVertices[place].Get<VertexNode>() : nullptr;
    }

    void SeatsBehaviour::SetLinkVertex(int place, VertexNode* vertex)
    {
        if (ValidPlace(place))
            linkVertices[place] = ObjectHandle(vertex ? vertex->GetOwner() : nullptr);
    }
}
