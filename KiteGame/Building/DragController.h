// DragController: picking up, carrying and dropping a placed or new object
// (a stall or a seat) on the placement nodes of its kind. A hold on a placed
// object or a build button starts it; a drop on a free node buys (full
// price) or moves (half price) the object, anywhere else a placed object goes
// back and a new one is thrown away. What differs between the kinds (their
// nodes, settings, price, after-image, and what leaving and taking a node
// does) each kind supplies by overriding the hooks below.
#pragma once

#include <string>

#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    class GameObject;
    class ObjectHandle;

    class DragController
    {
    public:
        // The drag state the dragged behaviour keeps.
        struct State
        {
            bool& pressed;
            bool& dragging;
            float& holdTimer;
            Vector2D& savedPosition;
            ObjectHandle& afterImage;
        };

        // Depths, collider tags and whether placed objects may be moved
        // (the kind's system's; these without one).
        struct Settings
        {
            float actualDepth = 0.0f;
            float draggingDepth = 0.0f;
            bool movable = true;
            // The collider tag once dropped, while lifted by a hold, and
            // while handed over by a build button.
            int droppedLayer = 0;
            int liftedLayer = 0;
            int buttonLayer = 0;
        };

        void Press();
        // The hold that lifts a placed object, the carry, and a release that
        // was picked elsewhere.
        void Update();
        void Drop();
        void BeginFromButton();
        // Pays and puts the object on the node; false when it was refused.
        bool PlaceOnNode(GameObject* node);
        void ReturnOrDiscard();
        // Whether the object is a node of this kind with nothing on it.
        bool IsFreeNode(GameObject* target) const;

    protected:
        DragController(GameObject* owner, State state, Settings settings, float holdTime, bool (*isNode)(GameObject*));
        virtual ~DragController() = default;

        // The settings of a kind's system, or the defaults without one.
        template <class System>
        static Settings SettingsOf(const System* system, bool System::*movable)
        {
            Settings s;
            if (system)
                s = {system->actualDepth, system->draggingDepth, system->*movable, system->originalLayer,
                     system->draggedLayer, system->draggedLayer};
            return s;
        }
        // A new object the level has no system for: reported and thrown away.
        bool NotBought(const std::string& kind, const std::string& system);

        // The full price; a move costs half.
        virtual float Price() const = 0;
        // Whether a press and a carry are followed at all.
        virtual bool Carryable() const { return true; }
        // Just before a hold lifts the placed object.
        virtual void BeforeLift() {}
        // The look left where a placed object stood; null without one.
        virtual GameObject* MakeAfterImage(float depth) = 0;
        virtual void LiftedFromButton() {}
        // The carried look has just ended.
        virtual void LookRestored() {}
        // A press and release without a drag.
        virtual void Clicked() {}
        // Whether a free node may be taken now (it may show why not).
        virtual bool MayTakeFreeNode() { return true; }
        // Leaving the node it stood on, before paying for the move.
        virtual void LeaveNode(GameObject* oldNode) = 0;
        // Registers a new object with its system; false when refused.
        virtual bool BuyNew() = 0;
        // Standing on the node now, paid for.
        virtual void TookNode(GameObject*) {}
        // Placed by a drop: the links through which customers reach it.
        virtual void Link(GameObject* node) = 0;

        GameObject* const owner;

    private:
        void StartHoldDrag();
        void Follow();
        void EndDragLook();
        GameObject* NodeObject() const;

        State state;
        const Settings settings;
        const float holdTime;
        bool (*const isNode)(GameObject*);
    };
}
