// GameObjectFactory: scene index files and per-object component files.
// Saving writes every new file beside the old ones first and moves them into
// place only when all were written, so a failed save loses nothing.
#include "Core/Factory/GameObjectFactory.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <limits>
#include <system_error>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/XMLFile.h"
#include "Core/Factory/UneditedText.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Mesh.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        const char* const TempSuffix = ".tmp";

        // The texts of a file read in the editor are compared and saved with
        // each float in its shortest form: a value edited to 0.9 is written
        // "0.9", as a developer would type it.
        class ShortestFloatsWhileAlive
        {
        public:
            ShortestFloatsWhileAlive() : was(SetShortestFloatTexts(true)) {}
            ~ShortestFloatsWhileAlive() { SetShortestFloatTexts(was); }
            ShortestFloatsWhileAlive(const ShortestFloatsWhileAlive&) = delete;
            ShortestFloatsWhileAlive& operator=(const ShortestFloatsWhileAlive&) = delete;

        private:
            const bool was;
        };
    }

    std::string GameObjectFactory::PrintDocument(XMLDocument& document)
    {
        XMLPrinter printer(nullptr, false);
        document.Print(&printer);
        const std::size_t size = static_cast<std::size_t>(printer.CStrSize() > 0 ? printer.CStrSize() - 1 : 0);
        return std::string(printer.CStr(), size);
    }

    // Unless the file already holds exactly the text, writes it to a
    // temporary beside the file; CommitFile moves it into place. An
    // unchanged file is never rewritten.
    GameObjectFactory::FileStage GameObjectFactory::StageText(const std::string& text, const std::string& path)
    {
        std::string existing;
        std::string unread;
        if (Assets::ReadText(path, existing, unread) && existing == text)
            return FileStage::Unchanged;

        const std::string temp = path + TempSuffix;
        errno = 0;
        std::FILE* file = std::fopen(temp.c_str(), "wb");
        bool ok = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
        int error = ok ? 0 : errno;
        if (file && std::fclose(file) != 0)
        {
            error = ok ? errno : error;
            ok = false;
        }
        if (!ok)
        {
            ReportDataError(temp, "cannot be written" + (error ? ": " + std::string(std::strerror(error)) : ""));
            std::error_code ec;
            fs::remove(temp, ec);
            return FileStage::Failed;
        }
        return FileStage::Staged;
    }

    GameObjectFactory::FileStage GameObjectFactory::StageDocument(XMLDocument& document, const std::string& path)
    {
        return StageText(PrintDocument(document), path);
    }

    bool GameObjectFactory::CommitFile(const std::string& path)
    {
        std::error_code ec;
        fs::rename(path + TempSuffix, path, ec);
        if (!ec)
            return true;
        ReportDataError(path, "cannot be replaced: " + ec.message());
        fs::remove(path + TempSuffix, ec);
        return false;
    }

    void GameObjectFactory::DiscardFile(const std::string& path)
    {
        std::error_code ec;
        fs::remove(path + TempSuffix, ec);
    }

    bool GameObjectFactory::IsValidFileName(const std::string& name)
    {
        return !name.empty() && name != "." && name.find("..") == std::string::npos &&
               name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
    }

    std::string GameObjectFactory::GOLevelPathParser(const std::string& file, const std::string& sceneName) const
    {
        // Beside the scene's index file, in whichever tree that was found.
        const std::string index = Assets::Resolve("Scenes/" + sceneName + ".xml");
        return index.substr(0, index.size() - 4) + "/" + file;
    }

    std::string GameObjectFactory::ArchetypePathParser(const std::string& file) const
    {
        return Assets::Resolve("Archetypes/" + file);
    }

    void GameObjectFactory::AddSharedMesh(GameObject* o)
    {
        if (GRAPHICS)
            if (Mesh* mesh = GRAPHICS->GetMesh(0))
                o->AddComponent(mesh);
    }

    void GameObjectFactory::BuildComponentDocument(GameObject* o, XMLDocument& document)
    {
        XMLElement* root = document.NewElement("Components");
        document.InsertEndChild(root);
        for (GameComponent* c : o->GetAllComponentsList())
        {
            if (c->GetComponentTypeId() == CT_Mesh)
                continue;
            const std::string typeName = GetCreatorName(c->GetComponentTypeId());
            if (typeName.empty())
            {
                // Without a registered name the component could never be read back.
                ReportDataError("Object " + std::to_string(o->id) + " \"" + o->name + "\"",
                                "component type " + std::to_string(static_cast<int>(c->GetComponentTypeId())) +
                                    " has no creator; not written");
                continue;
            }
            XMLElement* element = document.NewElement(typeName.c_str());
            c->XMLSerialise(element, &document);
            root->InsertEndChild(element);
        }
    }

    GameObjectFactory::FileStage GameObjectFactory::WriteComponentFile(GameObject* o, const std::string& path)
    {
        XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
        BuildComponentDocument(o, document);
        return StageDocument(document, path);
    }

    std::string GameObjectFactory::ComponentText(GameObject* o)
    {
        XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
        auto stored = storedForms.find(o);
        if (stored == storedForms.end() || !stored->second.hasLoaded)
        {
            BuildComponentDocument(o, document);
            return PrintDocument(document);
        }
        const StoredForm& form = stored->second;
        std::string text;
        {
            ShortestFloatsWhileAlive shortest;
            BuildComponentDocument(o, document);
            text = PrintDocument(document);
        }
        if (text == form.loaded)
            return form.original;
        // Edited: only the fields that changed since loading are new.
        XMLDocument loaded(true, tinyxml2::PRESERVE_WHITESPACE);
        XMLDocument original(true, tinyxml2::PRESERVE_WHITESPACE);
        if (loaded.Parse(form.loaded.data(), form.loaded.size()) != XML_SUCCESS ||
            original.Parse(form.original.data(), form.original.size()) != XML_SUCCESS)
            return text;
        KeepUneditedText(document.RootElement(), loaded.RootElement(), original.RootElement());
        return PrintDocument(document);
    }

    std::vector<GameObject*> GameObjectFactory::ObjectsInIndexOrder() const
    {
        // Ordinary objects by id, then user-interface objects by id; in the
        // editor, objects read from the scene keep the order its index gave
        // them, and new ones follow.
        std::vector<GameObject*> all;
        all.reserve(objects.size() + uiObjects.size());
        for (const ObjectMap* m : {&objects, &uiObjects})
            for (const auto& entry : *m)
                all.push_back(entry.second);
        if (loadedOrder.empty())
            return all;
        auto place = [this](const GameObject* o) {
            auto it = loadedOrder.find(o);
            return it == loadedOrder.end() ? std::numeric_limits<std::size_t>::max() : it->second;
        };
        std::stable_sort(all.begin(), all.end(),
                         [&place](const GameObject* a, const GameObject* b) { return place(a) < place(b); });
        return all;
    }

    bool GameObjectFactory::KeepsFileTexts()
    {
        return ENGINE && ENGINE->GetEngineStatus(ES_EDITORVIEW);
    }

    void GameObjectFactory::RememberLoadedScene(const std::string& indexText)
    {
        for (auto& entry : storedForms)
        {
            ShortestFloatsWhileAlive shortest;
            XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
            BuildComponentDocument(const_cast<GameObject*>(entry.first), document);
            entry.second.loaded = PrintDocument(document);
            entry.second.hasLoaded = true;
        }
        indexForm = StoredForm();
        indexForm.original = indexText;
        SceneTexts texts = PrintLevel();
        indexForm.loaded = texts[""];
        indexForm.hasLoaded = true;
    }

    GameObjectFactory::SceneTexts GameObjectFactory::PrintLevel()
    {
        SceneTexts texts;
        XMLDocument index(true, tinyxml2::PRESERVE_WHITESPACE);
        XMLElement* root = index.NewElement("Scene");
        index.InsertEndChild(root);
        for (GameObject* o : ObjectsInIndexOrder())
        {
            texts[std::to_string(o->id) + ".xml"] = ComponentText(o);
            root->InsertEndChild(MakeObjectElement(&index, o));
        }
        std::string indexText = PrintDocument(index);
        if (indexForm.hasLoaded && indexText == indexForm.loaded)
            indexText = indexForm.original;
        texts[""] = indexText;
        return texts;
    }

    XMLElement* GameObjectFactory::MakeObjectElement(XMLDocument* document, const GameObject* o)
    {
        XMLElement* element = document->NewElement("GameObject");
        element->SetAttribute("name", o->name.c_str());
        element->SetAttribute("objectId", o->id);
        element->SetAttribute("parentId", o->parentId);
        element->SetAttribute("active", o->active);
        element->SetAttribute("layerTag", o->layerTag);
        return element;
    }

    XMLElement* GameObjectFactory::SerialiseGameObject(XMLDocument* document, GameObject* o, const std::string& folder)
    {
        if (!document || !o)
            return nullptr;
        const std::string path = folder + "/" + std::to_string(o->id) + ".xml";
        FileStage stage = StageText(ComponentText(o), path);
        if (stage == FileStage::Failed || (stage == FileStage::Staged && !CommitFile(path)))
            return nullptr;
        return MakeObjectElement(document, o);
    }

    bool GameObjectFactory::SerialiseLevel()
    {
        if (SCENEMNGR)
            return SerialiseLevel(SCENEMNGR->GetCurrentSceneName());
        ReportDataError("Save", "no scene manager, so no current scene name");
        return false;
    }

    bool GameObjectFactory::SerialiseLevel(const std::string& name)
    {
        if (!IsValidFileName(name))
        {
            ReportDataError("Save", "\"" + name + "\" is not a usable scene name");
            return false;
        }
        // Saved where scenes are read from.
        const std::string folder = Assets::Resolve("Scenes") + "/" + name;
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (!fs::is_directory(folder, ec))
        {
            ReportDataError("Save", "cannot create the folder \"" + folder + "\"" + (ec ? ": " + ec.message() : ""));
            return false;
        }

        // Every changed file is written as a temporary first; none replaces
        // its old version until all were written.
        const SceneTexts texts = PrintLevel();
        std::vector<std::string> staged;
        std::set<std::string> keep;
        bool ok = true;
        // The index goes last, once every file it lists is in place.
        std::vector<std::pair<std::string, const std::string*>> order;
        for (const auto& entry : texts)
            if (!entry.first.empty())
                order.emplace_back(folder + "/" + entry.first, &entry.second);
        order.emplace_back(folder + ".xml", &texts.at(""));
        for (const auto& file : order)
        {
            FileStage stage = StageText(*file.second, file.first);
            if (stage == FileStage::Failed)
            {
                ok = false;
                break;
            }
            if (stage == FileStage::Staged)
                staged.push_back(file.first);
        }
        for (const auto& entry : texts)
            if (!entry.first.empty())
                keep.insert(entry.first);

        if (!ok)
        {
            for (const std::string& path : staged)
                DiscardFile(path);
            ReportDataError("Save", "scene \"" + name + "\" was not saved; its files are unchanged");
            return false;
        }

        for (const std::string& path : staged)
            ok = CommitFile(path) && ok;
        if (!ok)
            return false;
        // Only now are the files of objects that no longer exist removed.
        RemoveFilesInDir(folder, ".xml", keep);
        return true;
    }

    void GameObjectFactory::RemoveFilesInDir(const std::string& folder, const std::string& extension,
                                             const std::set<std::string>& keep)
    {
        std::string problem;
        std::vector<std::string> stale;
        for (const Assets::Entry& entry : Assets::Entries(folder, problem))
        {
            const std::string& file = entry.name;
            if (file.size() >= extension.size() &&
                file.compare(file.size() - extension.size(), extension.size(), extension) == 0 && !keep.count(file))
                stale.push_back(file);
        }
        for (const std::string& file : stale)
        {
            std::cout << "Deleting file: " << folder << "/" << file << std::endl;
            std::error_code ec;
            fs::remove(folder + "/" + file, ec);
        }
    }

    GameObject* GameObjectFactory::UnserialiseGameObject(XMLElement* element, const std::string& sceneName)
    {
        if (!element)
            return nullptr;
        const std::string where = "Scene \"" + sceneName + "\"";
        const char* nameText = element->Attribute("name");
        const std::string name = nameText ? nameText : "";

        unsigned id = 0;
        tinyxml2::XMLError idResult = element->QueryUnsignedAttribute("objectId", &id);
        // The unsigned conversion takes "-1" as the largest id, after which
        // numbering new objects would wrap round to 0.
        const char* idText = element->Attribute("objectId");
        while (idText && std::isspace(static_cast<unsigned char>(*idText)))
            ++idText;
        if (idText && *idText == '-')
            idResult = tinyxml2::XML_WRONG_ATTRIBUTE_TYPE;
        if (idResult != XML_SUCCESS || id == 0)
        {
            ReportDataError(where, "object \"" + name + "\": " +
                                       (idResult == tinyxml2::XML_NO_ATTRIBUTE ? "no objectId"
                                                                               : "objectId is not a positive number") +
                                       "; it gets a new id");
            id = 0;
        }
        else if (FindObjectWithId(id))
        {
            ReportDataError(where, "object " + std::to_string(id) + " \"" + name + "\": duplicate objectId; object dropped");
            return nullptr;
        }

        // In the editor the file's own text is kept for later saves.
        std::string text;
        GameObject* o = id != 0
                            ? LoadComponents(GOLevelPathParser(std::to_string(id) + ".xml", sceneName),
                                             where + ": object " + std::to_string(id), KeepsFileTexts() ? &text : nullptr)
                            : CreateEmptyCompositionWithoutID();
        if (!text.empty())
            storedForms[o].original = std::move(text);
        if (KeepsFileTexts())
            loadedOrder.emplace(o, loadedOrder.size());
        if (id == 0)
            AddSharedMesh(o);
        o->name = name;

        bool active = true;
        if (element->QueryBoolAttribute("active", &active) == tinyxml2::XML_WRONG_ATTRIBUTE_TYPE)
            ReportDataError(where, "object " + std::to_string(id) + ": \"active\" is not true or false");
        o->SetActiveFlag(active);
        unsigned parentId = 0;
        if (element->QueryUnsignedAttribute("parentId", &parentId) == tinyxml2::XML_WRONG_ATTRIBUTE_TYPE)
            ReportDataError(where, "object " + std::to_string(id) + ": \"parentId\" is not a number");
        o->parentId = parentId;
        int layerTag = 0;
        if (element->QueryIntAttribute("layerTag", &layerTag) == tinyxml2::XML_WRONG_ATTRIBUTE_TYPE)
            ReportDataError(where, "object " + std::to_string(id) + ": \"layerTag\" is not a number");
        o->layerTag = layerTag;

        if (id == 0)
        {
            pendingIds.push_back(o);
            return o;
        }
        o->id = id;
        IdUnserialisedObject(o);
        // Ids are kept as stored (other components refer to them); the next
        // new object is numbered after the highest.
        counter = std::max(counter, id);
        return o;
    }

    GameObject* GameObjectFactory::UnserialiseGameObjectComponents(const std::string& path)
    {
        return LoadComponents(path, "File \"" + path + "\"");
    }

    GameObject* GameObjectFactory::LoadComponents(const std::string& path, const std::string& where, std::string* text)
    {
        GameObject* o = CreateEmptyCompositionWithoutID();
        XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
        XMLElement* root = nullptr;
        const bool read = LoadXMLFile(document, path, where, text);
        if (!read && text)
            text->clear();
        if (read && !(root = document.FirstChildElement("Components")))
            ReportDataError(where, "\"" + path + "\" has no \"Components\" root");

        for (XMLElement* e = root ? root->FirstChildElement() : nullptr; e; e = e->NextSiblingElement())
        {
            const std::string typeName = e->Name() ? e->Name() : "";
            ComponentCreator* creator = GetCreator(typeName);
            if (!creator)
            {
                ReportDataError(where, "unknown component \"" + typeName + "\"");
                continue;
            }
            GameComponent* c = nullptr;
            try
            {
                c = creator->Create();
                if (!c)
                    continue;
                c->SetComponentTypeId(creatorNames[typeName]);
                c->XMLUnSerialise(e->FirstChildElement());
            }
            catch (const std::exception& error)
            {
                ReportDataError(where, "component \"" + typeName + "\" could not be read: " + error.what());
                delete c;
                continue;
            }
            if (!o->AddComponent(c))
            {
                ReportDataError(where, "second \"" + typeName + "\" component ignored");
                delete c;
            }
        }
        AddSharedMesh(o);
        return o;
    }
}
