// GameObject: a named, numbered holder of at most one component of each
// type, placed in a parent-child tree. Only the factory creates and deletes
// objects; it owns them, and an object owns its components.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Core/Objects/BitExtender.h"
#include "Core/Objects/ComponentTypeId.h"
#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class GameObjectFactory;
    class ArchetypeSystem;
    class Transform;
    struct Message;

    class GameObject
    {
    public:
        // Copies name, layer tag, active flag and clones of the components;
        // never shares a component with the source, and keeps its own id,
        // parent and children.
        GameObject& operator=(const GameObject& other);

        // Adds c unless the object already holds a component of c's type;
        // a rejected component stays with the caller. Returns whether it
        // was added.
        bool AddComponent(GameComponent* c);
        // Creates the type's component through the factory's creator when
        // the object holds none; null (and a report) without a creator.
        GameComponent* AddComponent(ComponentTypeId t);
        void RemoveComponent(ComponentTypeId t);
        void RemoveComponent(GameComponent* c);
        bool HasComponent(ComponentTypeId t) const { return typeSet[static_cast<unsigned>(t)]; }
        // The object's Transform (what GetComponent<Transform> gives), kept
        // as components come and go; null without one.
        Transform* GetTransform() const { return transform; }

        const std::vector<GameComponent*>& GetComponentList() const { return components; }
        const std::vector<GameComponent*>& GetUIComponentList() const { return uiComponents; }
        std::vector<GameComponent*> GetAllComponentsList() const;

        template <typename T>
        T* GetComponent() const
        {
            for (GameComponent* c : components)
                if (T* t = dynamic_cast<T*>(c))
                    return t;
            for (GameComponent* c : uiComponents)
                if (T* t = dynamic_cast<T*>(c))
                    return t;
            return nullptr;
        }

        void Initialise();
        void OnStart();
        void SendMessage(Message* message);

        void setActive(bool a);
        bool isActive() const { return active; }
        const std::string& getName() const { return name; }
        void setName(const std::string& n) { name = n; }
        unsigned GetId() const { return id; }
        unsigned GetParentId() const { return parentId; }
        int GetLayerTag() const { return layerTag; }
        void SetLayerTag(int tag) { layerTag = tag; }

        GameObject* GetParent() const { return parent; }
        const std::vector<GameObject*>& GetChildren() const { return children; }
        void AddParent(GameObject* p);
        void AddChildren(GameObject* c);
        void RemoveChildren(GameObject* c);
        void Unparent();

        // A new object with clones of the components, not yet known to the
        // factory and not initialised.
        GameObject* Clone() const;
        // Deferred: the factory deletes the object at its next update.
        void Destroy();

        bool operator==(const GameObject& other) const { return id == other.id; }
        // Never reused, unlike ids and addresses: a holder of a pointer can
        // tell its object from a later one made at the same address.
        std::uint64_t GetSerial() const { return serial; }
        bool operator<(const GameObject& other) const { return id < other.id; }

    private:
        friend class GameObjectFactory;
        friend class ArchetypeSystem;

        explicit GameObject(const std::string& name = "Game Object");
        GameObject(const GameObject& other);
        ~GameObject();

        void UpdateGameObjectID(unsigned newId);
        void UpdateParentObjectID(unsigned newParentId) { parentId = newParentId; }
        void CopyComponentsFrom(const GameObject& source);
        // The one place that follows a change of the component lists: the
        // Transform is found again and every component is told.
        void ComponentsChanged();
        // Tells the Transform after every change of the children's list.
        void ChildrenChanged();
        // Every write of the active flag goes through here, and every
        // component is told.
        void SetActiveFlag(bool a);
        void TellComponents();
        void DeleteComponents();

        GameObject* parent = nullptr;
        std::vector<GameObject*> children;
        int layerTag = 0;
        unsigned id = 0;
        unsigned parentId = 0;
        bool active = true;
        std::string name;
        BitExtender<char, short> typeSet;
        std::vector<GameComponent*> components;
        std::vector<GameComponent*> uiComponents;
        Transform* transform = nullptr;
        // The shared mesh (owned by Graphics), remembered when added: at
        // shutdown Graphics frees it before the archetype templates go, so
        // the destructor must recognise it without reading it.
        GameComponent* sharedMesh = nullptr;
        std::uint64_t serial;
    };

    // Hands the object to the factory's deferred destruction.
    void Destroy(GameObject* object);

    // Clones source, numbers the clone, places its Transform (if any) at
    // (x, y) with the rotation, and initialises it. Null for a null source.
    GameObject* InstantiateClone(const GameObject* source, float x, float y, float rotation);
}
