// GameObjectFactory: creators, numbering, lookup, deferred destruction and
// the scene messages. Scene and component files are in SceneFiles.cpp.
#include "Core/Factory/GameObjectFactory.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        // The object's entry moves from one map to the other; nothing
        // changes when the first does not hold it under that id.
        template <class Map>
        void MoveEntry(Map& from, Map& to, unsigned id, GameObject* o)
        {
            auto it = from.find(id);
            if (it == from.end() || it->second != o)
                return;
            from.erase(it);
            to[id] = o;
        }

        // While the editor edits a scene (not while it plays), ids are what
        // the scene's files and the objects' references to one another are
        // stored under: a destroyed object leaves its id unused instead of
        // handing it to the object with the highest id.
        bool KeepsIdsOnDestruction()
        {
            return ENGINE && ENGINE->GetEngineStatus(ES_EDITORVIEW) && !ENGINE->GetEngineStatus(ES_GAMEPLAYING);
        }
    }

    GameObjectFactory* FACTORY = nullptr;

    GameObjectFactory::GameObjectFactory() : System(ST_GameObjectFactory)
    {
        ClaimGlobal(FACTORY, this);
        if (ENGINE)
            ENGINE->logMessage("System: GameObjectFactory initialised.");
    }

    GameObjectFactory::~GameObjectFactory()
    {
        if (FACTORY == this)
            ClearTmpFolder();
        // The frame loop has normally deleted every object; whatever is left
        // (a host that never ran the loop) must not leak.
        DeleteAllObjects();
        for (auto& entry : creators)
            delete entry.second.second;
        creators.clear();
        creatorNames.clear();
        ReleaseGlobal(FACTORY, this);
    }

    void GameObjectFactory::AddComponentCreator(ComponentTypeId type, const std::string& name,
                                                ComponentCreator* creator)
    {
        if (!creator)
            return;
        auto it = creators.find(type);
        if (it != creators.end())
        {
            // The first registration stays; the factory owns what it is given.
            if (it->second.second != creator)
                delete creator;
            return;
        }
        creators.emplace(type, std::make_pair(name, creator));
        // A name registered twice keeps the lowest type, as a scan would.
        auto named = creatorNames.find(name);
        if (named == creatorNames.end() || type < named->second)
            creatorNames[name] = type;
    }

    ComponentCreator* GameObjectFactory::GetCreator(ComponentTypeId type) const
    {
        auto it = creators.find(type);
        return it == creators.end() ? nullptr : it->second.second;
    }

    ComponentCreator* GameObjectFactory::GetCreator(const std::string& name) const
    {
        auto it = creatorNames.find(name);
        return it == creatorNames.end() ? nullptr : GetCreator(it->second);
    }

    std::string GameObjectFactory::GetCreatorName(ComponentTypeId type) const
    {
        auto it = creators.find(type);
        return it == creators.end() ? std::string() : it->second.first;
    }

    GameObject* GameObjectFactory::CreateEmptyComposition()
    {
        GameObject* o = new GameObject();
        IdGameObject(o);
        return o;
    }

    GameObject* GameObjectFactory::CreateEmptyCompositionWithoutID()
    {
        return new GameObject();
    }

    unsigned GameObjectFactory::HighestId() const
    {
        unsigned a = objects.empty() ? 0u : objects.rbegin()->first;
        unsigned b = uiObjects.empty() ? 0u : uiObjects.rbegin()->first;
        return std::max(a, b);
    }

    GameObject* GameObjectFactory::Highest() const
    {
        unsigned id = HighestId();
        return id == 0 ? nullptr : FindObjectWithId(id);
    }

    void GameObjectFactory::IdGameObject(GameObject* o)
    {
        if (!o)
            return;
        // The counter never falls below an id in use, so the new id is free.
        counter = std::max(counter, HighestId());
        unsigned newId = counter + 1;
        if (newId == 0)
        {
            // A scene file claimed the largest id: take the lowest free one
            // rather than wrap round to 0, which names no object.
            newId = 1;
            while (FindObjectWithId(newId))
                ++newId;
        }
        else
            counter = newId;
        o->UpdateGameObjectID(newId);
        o->SetActiveFlag(true);
        (o->uiComponents.empty() ? objects : uiObjects)[newId] = o;
    }

    bool GameObjectFactory::IdUnserialisedObject(GameObject* o)
    {
        if (!o || o->id == 0 || objects.count(o->id) || uiObjects.count(o->id))
            return false;
        (o->uiComponents.empty() ? objects : uiObjects)[o->id] = o;
        return true;
    }

    void GameObjectFactory::ConvertToUI(GameObject* o)
    {
        MoveEntry(objects, uiObjects, o->id, o);
    }

    void GameObjectFactory::ConvertToNonUI(GameObject* o)
    {
        MoveEntry(uiObjects, objects, o->id, o);
    }

    bool GameObjectFactory::Owns(GameObject* o) const
    {
        if (!o)
            return false;
        if (o->id != 0 && FindObjectWithId(o->id) == o)
            return true;
        return std::find(pendingIds.begin(), pendingIds.end(), o) != pendingIds.end();
    }

    void GameObjectFactory::Destroy(GameObject* o)
    {
        if (!o || queued.count(o))
            return;
        if (!Owns(o))
        {
            std::cerr << "Destroy: object \"" << o->name << "\" is not a live object of the factory; ignored"
                      << std::endl;
            return;
        }
        // Descendants go first, so each is deleted before its ancestor.
        std::vector<GameObject*> children;
        children.swap(o->children);
        o->ChildrenChanged();
        for (GameObject* child : children)
            Destroy(child);
        queued.insert(o);
        destroyList.push_back(o);
    }

    void GameObjectFactory::Update()
    {
        DeleteDestroyedObjects();
    }

    void GameObjectFactory::DeleteDestroyedObjects()
    {
        const bool keepIds = KeepsIdsOnDestruction();
        while (!destroyList.empty())
        {
            GameObject* o = destroyList.front();
            destroyList.erase(destroyList.begin());
            queued.erase(o);

            auto pending = std::find(pendingIds.begin(), pendingIds.end(), o);
            if (pending != pendingIds.end())
                pendingIds.erase(pending);
            else
            {
                const unsigned i = o->id;
                ObjectMap& m = objects.count(i) && objects[i] == o ? objects : uiObjects;
                m.erase(i);
                // The object with the highest id takes the freed one, so ids
                // stay dense.
                GameObject* h = keepIds ? nullptr : Highest();
                if (h && h->id > i)
                {
                    ObjectMap& l = objects.count(h->id) ? objects : uiObjects;
                    l.erase(h->id);
                    h->UpdateGameObjectID(i);
                    l[i] = h;
                }
            }
            storedForms.erase(o);
            loadedOrder.erase(o);
            o->Unparent();
            // Children added after the request become roots rather than
            // keep a pointer to a deleted parent.
            std::vector<GameObject*> late(o->children);
            for (GameObject* child : late)
                child->Unparent();
            delete o;
            // A freed id is not handed out again while the scene is edited.
            if (!keepIds)
                counter = HighestId();
        }
    }

    void GameObjectFactory::SendMessage(Message* message)
    {
        if (!message)
            return;
        if (message->id == MsgID::ClearScene)
            DeleteAllObjects();
        else if (message->id == MsgID::SceneLoaded)
        {
            NumberPendingObjects();
            ParentingLink();
            InitialiseAllObjects();
        }
    }

    void GameObjectFactory::NumberPendingObjects()
    {
        std::vector<GameObject*> pending;
        pending.swap(pendingIds);
        for (GameObject* o : pending)
            IdGameObject(o);
    }

    void GameObjectFactory::DeleteAllObjects()
    {
        ObjectMap all;
        all.swap(objects);
        ObjectMap ui;
        ui.swap(uiObjects);
        std::vector<GameObject*> pending;
        pending.swap(pendingIds);
        destroyList.clear();
        queued.clear();
        storedForms.clear();
        loadedOrder.clear();
        indexForm = StoredForm();
        counter = 0;
        // Every object goes, so no parent or child link needs undoing.
        for (auto& entry : all)
            delete entry.second;
        for (auto& entry : ui)
            delete entry.second;
        for (GameObject* o : pending)
            delete o;
    }

    GameObject* GameObjectFactory::FindObjByName(const std::string& name) const
    {
        for (const ObjectMap* m : {&objects, &uiObjects})
            for (const auto& entry : *m)
                if (entry.second->name == name)
                    return entry.second;
        return nullptr;
    }

    GameObject* GameObjectFactory::FindObjectWithId(unsigned id) const
    {
        if (id == 0)
            return nullptr;
        auto it = objects.find(id);
        if (it != objects.end())
            return it->second;
        it = uiObjects.find(id);
        return it == uiObjects.end() ? nullptr : it->second;
    }

    void GameObjectFactory::ParentingLink()
    {
        std::vector<GameObject*> all;
        for (const ObjectMap* m : {&objects, &uiObjects})
            for (const auto& entry : *m)
                all.push_back(entry.second);
        for (GameObject* o : all)
        {
            if (o->parentId == 0 || o->parent)
                continue;
            GameObject* p = FindObjectWithId(o->parentId);
            bool cycle = false;
            for (GameObject* a = p; a && !cycle; a = a->parent)
                cycle = (a == o);
            if (!p || cycle)
            {
                ReportDataError("Object " + std::to_string(o->id) + " \"" + o->name + "\"",
                                (p ? "parent " + std::to_string(o->parentId) + " would make a cycle"
                                   : "no parent with id " + std::to_string(o->parentId)) +
                                    "; left without a parent");
                o->parentId = 0;
                continue;
            }
            o->AddParent(p);
        }
    }

    void GameObjectFactory::InitialiseAllObjects()
    {
        // A snapshot: initialising may instantiate objects (already
        // initialised) or move an object between the maps.
        std::vector<GameObject*> all;
        for (const ObjectMap* m : {&objects, &uiObjects})
            for (const auto& entry : *m)
                all.push_back(entry.second);
        for (GameObject* o : all)
        {
            // One object's bad data must not stop the rest of the scene.
            try
            {
                o->Initialise();
            }
            catch (const std::exception& error)
            {
                ReportDataError("Object " + std::to_string(o->id) + " \"" + o->name + "\"",
                                std::string("could not be initialised: ") + error.what());
            }
        }
    }

    void GameObjectFactory::DestroyArchetype(std::map<std::string, GameObject*>& archetypes)
    {
        for (auto& entry : archetypes)
            delete entry.second;
        archetypes.clear();
    }

    void GameObjectFactory::ClearTmpFolder()
    {
        if (!ENGINE)
            return;
        const std::string scenes = Assets::Resolve("Scenes") + "/";
        std::error_code ec;
        fs::remove_all(scenes + "tmp", ec);
        fs::remove(scenes + "tmp.xml", ec);
    }
}
