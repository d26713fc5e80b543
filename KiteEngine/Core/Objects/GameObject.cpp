// GameObject: components, activity, parenting, cloning.
#include "Core/Objects/GameObject.h"

#include <algorithm>
#include <iostream>

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/LiveObjects.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    namespace
    {
        std::uint64_t NextSerial()
        {
            static std::uint64_t last = 0;
            return ++last;
        }
    }

    GameObject::GameObject(const std::string& n) : name(n), serial(NextSerial())
    {
        LiveObjects::Add(this, serial);
    }

    GameObject::GameObject(const GameObject& other) : name(other.name), serial(NextSerial())
    {
        LiveObjects::Add(this, serial);
        CopyComponentsFrom(other);
    }

    GameObject& GameObject::operator=(const GameObject& other)
    {
        if (this == &other)
            return *this;
        name = other.name;
        layerTag = other.layerTag;
        SetActiveFlag(other.active);
        // Leaving a user-interface map entry behind would break the factory's
        // invariant, so go through RemoveComponent for every type held.
        std::vector<GameComponent*> held = GetAllComponentsList();
        for (GameComponent* c : held)
            RemoveComponent(c);
        CopyComponentsFrom(other);
        return *this;
    }

    GameObject::~GameObject()
    {
        LiveObjects::Remove(serial);
        DeleteComponents();
    }

    void GameObject::DeleteComponents()
    {
        // Nothing may keep a pointer to a sibling that is about to go.
        transform = nullptr;
        TellComponents();
        // The mesh is the one shared instance that Graphics owns; it may
        // already be freed, so it is told apart by its address alone.
        for (GameComponent* c : components)
            if (c != sharedMesh)
                delete c;
        for (GameComponent* c : uiComponents)
            if (c != sharedMesh)
                delete c;
        sharedMesh = nullptr;
        components.clear();
        uiComponents.clear();
        typeSet = BitExtender<char, short>();
    }

    void GameObject::CopyComponentsFrom(const GameObject& source)
    {
        for (const std::vector<GameComponent*>* list : {&source.components, &source.uiComponents})
            for (GameComponent* c : *list)
            {
                GameComponent* copy = c->Clone();
                if (!copy)
                    continue;
                copy->SetComponentTypeId(c->GetComponentTypeId());
                if (!AddComponent(copy) && copy != c && copy->GetComponentTypeId() != CT_Mesh)
                    delete copy;
            }
    }

    bool GameObject::AddComponent(GameComponent* c)
    {
        if (!c)
            return false;
        const int t = c->GetComponentTypeId();
        if (t < 0 || t >= CT_MaxTypes || typeSet[static_cast<unsigned>(t)])
            return false;
        const bool isUI = c->IsUserInterface();
        if (isUI && id != 0 && uiComponents.empty() && FACTORY)
            FACTORY->ConvertToUI(this);
        if (isUI)
            uiComponents.push_back(c);
        else
            components.push_back(c);
        c->owner = this;
        typeSet |= t;
        if (t == CT_Mesh)
            sharedMesh = c;
        ComponentsChanged();
        return true;
    }

    void GameObject::ComponentsChanged()
    {
        transform = HasComponent(CT_Transform) ? GetComponent<Transform>() : nullptr;
        TellComponents();
    }

    void GameObject::SetActiveFlag(bool a)
    {
        active = a;
        TellComponents();
    }

    void GameObject::TellComponents()
    {
        // The shared mesh may belong to another object by now (and may be
        // freed at shutdown): it is not told.
        for (std::vector<GameComponent*>* list : {&components, &uiComponents})
            for (GameComponent* c : *list)
                if (c != sharedMesh)
                    c->OwnerChanged();
    }

    GameComponent* GameObject::AddComponent(ComponentTypeId t)
    {
        if (typeSet[static_cast<unsigned>(t)])
            return nullptr;
        ComponentCreator* creator = FACTORY ? FACTORY->GetCreator(t) : nullptr;
        if (!creator)
        {
            std::cerr << "Object \"" << name << "\": no creator for component type " << static_cast<int>(t)
                      << std::endl;
            return nullptr;
        }
        GameComponent* c = creator->Create();
        if (!AddComponent(c))
        {
            delete c;
            return nullptr;
        }
        return c;
    }

    void GameObject::RemoveComponent(ComponentTypeId t)
    {
        if (!typeSet[static_cast<unsigned>(t)])
            return;
        typeSet &= t;
        if (t == CT_Mesh)
            sharedMesh = nullptr;
        auto sameType = [t](GameComponent* c) { return c->GetComponentTypeId() == t; };
        auto it = std::find_if(components.begin(), components.end(), sameType);
        if (it != components.end())
        {
            GameComponent* c = *it;
            components.erase(it);
            // The others let go of it before it is deleted.
            ComponentsChanged();
            if (t != CT_Mesh)
                delete c;
            return;
        }
        it = std::find_if(uiComponents.begin(), uiComponents.end(), sameType);
        if (it != uiComponents.end())
        {
            GameComponent* c = *it;
            uiComponents.erase(it);
            ComponentsChanged();
            if (t != CT_Mesh)
                delete c;
            if (uiComponents.empty() && FACTORY)
                FACTORY->ConvertToNonUI(this);
        }
    }

    void GameObject::RemoveComponent(GameComponent* c)
    {
        if (c)
            RemoveComponent(c->GetComponentTypeId());
    }

    std::vector<GameComponent*> GameObject::GetAllComponentsList() const
    {
        std::vector<GameComponent*> all(components);
        all.insert(all.end(), uiComponents.begin(), uiComponents.end());
        return all;
    }

    // The walks below index rather than iterate: a component's reaction may
    // add a component to this object.
    void GameObject::Initialise()
    {
        for (std::size_t i = 0; i < components.size(); ++i)
            components[i]->Initialise();
        for (std::size_t i = 0; i < uiComponents.size(); ++i)
            uiComponents[i]->Initialise();
    }

    void GameObject::OnStart()
    {
        for (std::size_t i = 0; i < components.size(); ++i)
            components[i]->OnStart();
        for (std::size_t i = 0; i < uiComponents.size(); ++i)
            uiComponents[i]->OnStart();
    }

    void GameObject::SendMessage(Message* message)
    {
        // A handler may delete this object (a scene clear): the delivery, and
        // any outer delivery to it, must then stop at once.
        const ObjectHandle self(this);
        for (std::vector<GameComponent*>* list : {&components, &uiComponents})
            for (std::size_t i = 0; i < list->size(); ++i)
            {
                (*list)[i]->SendMessage(message);
                if (!self.Get())
                    return;
            }
    }

    void GameObject::setActive(bool a)
    {
        SetActiveFlag(a);
        for (std::size_t i = 0; i < children.size(); ++i)
            children[i]->setActive(a);
        for (std::size_t i = 0; i < components.size(); ++i)
        {
            if (a)
                components[i]->TriggerActive();
            else
                components[i]->TriggerDeactive();
        }
    }

    namespace
    {
        // True when a is o or one of o's descendants; parenting o under a
        // would close a loop.
        bool IsWithin(const GameObject* a, const GameObject* o)
        {
            for (; a; a = a->GetParent())
                if (a == o)
                    return true;
            return false;
        }

        void Forget(std::vector<GameObject*>& list, GameObject* o)
        {
            auto it = std::find(list.begin(), list.end(), o);
            if (it != list.end())
                list.erase(it);
        }
    }

    void GameObject::AddParent(GameObject* p)
    {
        if (!p || p == parent || IsWithin(p, this))
            return;
        // A second parent replaces the first, which must forget this child.
        if (parent)
        {
            Forget(parent->children, this);
            parent->ChildrenChanged();
        }
        parent = p;
        parentId = p->id;
        p->children.push_back(this);
        p->ChildrenChanged();
        if (Transform* t = GetComponent<Transform>())
            t->Parent(p);
    }

    void GameObject::AddChildren(GameObject* c)
    {
        if (!c || c->parent == this || IsWithin(this, c))
            return;
        if (c->parent)
        {
            Forget(c->parent->children, c);
            c->parent->ChildrenChanged();
        }
        c->parentId = id;
        c->parent = this;
        children.push_back(c);
        ChildrenChanged();
    }

    void GameObject::RemoveChildren(GameObject* c)
    {
        auto it = std::find(children.begin(), children.end(), c);
        if (it == children.end())
            return;
        c->parent = nullptr;
        children.erase(it);
        ChildrenChanged();
    }

    void GameObject::Unparent()
    {
        if (!parent)
            return;
        if (Transform* t = GetComponent<Transform>())
            t->Unparent();
        Forget(parent->children, this);
        parent->ChildrenChanged();
        parent = nullptr;
        parentId = 0;
    }

    void GameObject::ChildrenChanged()
    {
        if (transform)
            transform->ChildrenChanged();
    }

    GameObject* GameObject::Clone() const
    {
        return new GameObject(*this);
    }

    void GameObject::Destroy()
    {
        if (FACTORY)
            FACTORY->Destroy(this);
    }

    void GameObject::UpdateGameObjectID(unsigned newId)
    {
        id = newId;
        for (GameObject* child : children)
            child->parentId = newId;
    }

    void Destroy(GameObject* object)
    {
        if (object && FACTORY)
            FACTORY->Destroy(object);
    }

    GameObject* InstantiateClone(const GameObject* source, float x, float y, float rotation)
    {
        if (!source || !FACTORY)
            return nullptr;
        GameObject* clone = source->Clone();
        FACTORY->IdGameObject(clone);
        if (Transform* t = clone->GetComponent<Transform>())
        {
            t->SetTrans(x, y);
            t->SetRot(rotation);
        }
        clone->Initialise();
        return clone;
    }
}
