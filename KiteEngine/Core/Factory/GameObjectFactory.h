// GameObjectFactory: owns every live object and every component creator,
// numbers objects densely, destroys them at its next update when asked,
// and turns scene files into objects and back.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Core/Engine/System.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/ComponentTypeId.h"
#include "Core/XMLSerialisation/XMLNames.h"

namespace KiteFramework
{
    class GameObject;
    class ComponentCreator;
    class GameComponent;
    class ArchetypeSystem;

    class GameObjectFactory : public System
    {
    public:
        using ObjectMap = std::map<unsigned, GameObject*>;
        using CreatorMap = std::map<ComponentTypeId, std::pair<std::string, ComponentCreator*>>;

        GameObjectFactory();
        ~GameObjectFactory() override;
        GameObjectFactory(const GameObjectFactory&) = delete;
        GameObjectFactory& operator=(const GameObjectFactory&) = delete;

        void Initialise() override {}
        void Update() override;
        void SendMessage(Message* message) override;

        // Takes ownership of the creator; a second creator for a type
        // already registered is deleted and the first one stays.
        void AddComponentCreator(ComponentTypeId type, const std::string& name, ComponentCreator* creator);
        // Null for a type or name without a creator.
        ComponentCreator* GetCreator(ComponentTypeId type) const;
        ComponentCreator* GetCreator(const std::string& name) const;
        // The registered name of a type; empty when it has no creator.
        std::string GetCreatorName(ComponentTypeId type) const;
        const CreatorMap& GetCreators() const { return creators; }

        // Numbered, empty (not even the shared mesh).
        GameObject* CreateEmptyComposition();
        // Not numbered and in no map; the caller owns it until it is numbered.
        GameObject* CreateEmptyCompositionWithoutID();

        void DeleteAllObjects();
        GameObject* FindObjByName(const std::string& name) const;
        GameObject* FindObjectWithId(unsigned id) const;
        void ParentingLink();
        void InitialiseAllObjects();

        const ObjectMap& GetObjects() const { return objects; }
        const ObjectMap& GetUIObjects() const { return uiObjects; }
        unsigned GetCounter() const { return counter; }
        std::size_t GetDestroyQueueSize() const { return destroyList.size(); }

        // Writes the scene's index and component files. Nothing already on
        // disk is lost when a write fails; returns whether all succeeded.
        bool SerialiseLevel(const std::string& name);
        bool SerialiseLevel();
        // The files a save would write, in memory: the index under "" and
        // each object's component file under its id followed by ".xml".
        using SceneTexts = std::map<std::string, std::string>;
        SceneTexts PrintLevel();
        // Called once a scene is loaded and initialised, while the editor is
        // on: remembers, for the index and every object read from the scene,
        // the form it has now beside the text its file held, so that later
        // saves give back the file's own text for whatever was not edited
        // since (what loading or the editor's display changed included).
        void RememberLoadedScene(const std::string& indexText);
        // Whether objects keep the text of the files they are read from.
        static bool KeepsFileTexts();
        // Writes o's component file into folder and returns its "GameObject"
        // element (not attached); null when the component file could not
        // be written.
        XMLElement* SerialiseGameObject(XMLDocument* document, GameObject* o, const std::string& folder);
        // Builds one object of a scene from its index element and component
        // file; null when the element is dropped (reported).
        GameObject* UnserialiseGameObject(XMLElement* element, const std::string& sceneName);
        // A new, unnumbered object from a component file, carrying the shared
        // mesh; problems are reported and skipped.
        GameObject* UnserialiseGameObjectComponents(const std::string& path);

        // True for a name usable as a scene or archetype file name.
        static bool IsValidFileName(const std::string& name);

    private:
        friend class GameObject;
        friend class ArchetypeSystem;
        friend void Destroy(GameObject* object);
        friend GameObject* InstantiateClone(const GameObject* source, float x, float y, float rotation);

        void IdGameObject(GameObject* o);
        bool IdUnserialisedObject(GameObject* o);
        void ConvertToUI(GameObject* o);
        void ConvertToNonUI(GameObject* o);
        void Destroy(GameObject* o);
        void DeleteDestroyedObjects();
        void NumberPendingObjects();

        enum class FileStage
        {
            Failed,
            Unchanged,
            Staged
        };
        static FileStage StageDocument(XMLDocument& document, const std::string& path);
        static bool CommitFile(const std::string& path);
        static void DiscardFile(const std::string& path);
        static XMLElement* MakeObjectElement(XMLDocument* document, const GameObject* o);

        GameObject* LoadComponents(const std::string& path, const std::string& context, std::string* text = nullptr);
        void BuildComponentDocument(GameObject* o, XMLDocument& document);
        static std::string PrintDocument(XMLDocument& document);
        static FileStage StageText(const std::string& text, const std::string& path);
        // o's component file as a save writes it (see RememberLoadedScene).
        std::string ComponentText(GameObject* o);
        std::vector<GameObject*> ObjectsInIndexOrder() const;
        // Stages o's component file (see StageDocument).
        FileStage WriteComponentFile(GameObject* o, const std::string& path);
        std::string GOLevelPathParser(const std::string& file, const std::string& sceneName) const;
        std::string ArchetypePathParser(const std::string& file) const;
        void DestroyArchetype(std::map<std::string, GameObject*>& archetypes);
        // Deletes the files of folder ending in extension, except those named in keep.
        void RemoveFilesInDir(const std::string& folder, const std::string& extension,
                              const std::set<std::string>& keep = {});
        void ClearTmpFolder();
        void AddSharedMesh(GameObject* o);
        bool Owns(GameObject* o) const;
        GameObject* Highest() const;
        unsigned HighestId() const;

        unsigned counter = 0;
        ObjectMap objects;
        ObjectMap uiObjects;
        std::vector<GameObject*> destroyList;
        CreatorMap creators;
        // Registered names to types, so that loading does not scan the creators.
        std::map<std::string, ComponentTypeId> creatorNames;
        // Objects queued for destruction, so that each is queued once.
        std::set<GameObject*> queued;
        // Loaded objects whose file gave no id: numbered once the scene is read.
        std::vector<GameObject*> pendingIds;
        // What a file held and what its object printed once loaded.
        struct StoredForm
        {
            std::string original;
            std::string loaded;
            bool hasLoaded = false;
        };
        std::map<const GameObject*, StoredForm> storedForms;
        StoredForm indexForm;
        // The place of each object read from the scene's index (editor only).
        std::map<const GameObject*, std::size_t> loadedOrder;
    };

    extern GameObjectFactory* FACTORY;

    template <typename T>
    void RegisterComponent(ComponentTypeId type, const std::string& name)
    {
        if (FACTORY)
            FACTORY->AddComponentCreator(type, name, new ComponentCreatorType<T>(type));
    }
}
