// ArchetypeSystem: loading, writing and instantiating object templates.
#include "Core/Archetypes/ArchetypeSystem.h"

#include <filesystem>
#include <system_error>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/DataErrorCollector.h"
#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    ArchetypeSystem* ARCHETYPESYS = nullptr;

    ArchetypeSystem::ArchetypeSystem() : System(ST_ArchetypeSystem)
    {
        ClaimGlobal(ARCHETYPESYS, this);
    }

    ArchetypeSystem::~ArchetypeSystem()
    {
        // The factory is deleted before this system at shutdown, so the
        // templates are deleted here directly.
        for (auto& entry : archetypes)
            delete entry.second;
        archetypes.clear();
        ReleaseGlobal(ARCHETYPESYS, this);
    }

    void ArchetypeSystem::Initialise()
    {
        LoadAllArchetypes();
        if (ENGINE)
            ENGINE->logMessage("System: ArchetypeSystem initialised.");
        DebugPrintHandler("System: ArchetypeSystem initialised.");
    }

    void ArchetypeSystem::LoadAllArchetypes()
    {
        if (!FACTORY)
        {
            ReportDataError("Archetypes", "no object factory; none loaded");
            return;
        }
        // Listed, read and written in the same tree.
        for (const std::string& file : Assets::List("Archetypes", ".xml"))
        {
            // Only the folder's own files; the extension's case is exact.
            if (file.find('/') != std::string::npos || file.size() <= 4 ||
                file.compare(file.size() - 4, 4, ".xml") != 0)
                continue;
            const std::string name = file.substr(0, file.size() - 4);
            if (archetypes.count(name))
                continue;
            GameObject* o = FACTORY->LoadComponents(FACTORY->ArchetypePathParser(file),
                                                    "Archetype \"" + name + "\"");
            o->setName(name);
            archetypes.emplace(name, o);
        }
    }

    GameObject* ArchetypeSystem::FindArchetype(const std::string& name) const
    {
        auto it = archetypes.find(name);
        return it == archetypes.end() ? nullptr : it->second;
    }

    bool ArchetypeSystem::MakeArchetypeAndSerialise(const std::string& name, GameObject* object)
    {
        if (!object || !FACTORY)
            return false;
        if (!GameObjectFactory::IsValidFileName(name))
        {
            ReportDataError("Archetype \"" + name + "\"", "not a usable archetype name; not saved");
            return false;
        }
        const std::string folder = Assets::Resolve("Archetypes");
        std::error_code ec;
        fs::create_directories(folder, ec);
        const std::string path = folder + "/" + name + ".xml";
        GameObjectFactory::FileStage stage = FACTORY->WriteComponentFile(object, path);
        if (stage == GameObjectFactory::FileStage::Failed ||
            (stage == GameObjectFactory::FileStage::Staged && !GameObjectFactory::CommitFile(path)))
        {
            ReportDataError("Archetype \"" + name + "\"", "could not be saved to \"" + path + "\"");
            return false;
        }
        // A template already loaded stays until the next start.
        if (!archetypes.count(name))
        {
            GameObject* copy = object->Clone();
            copy->setName(name);
            archetypes.emplace(name, copy);
        }
        return true;
    }

    bool ArchetypeSystem::Exists(const std::string& name) const
    {
        if (archetypes.count(name))
            return true;
        std::error_code ec;
        return GameObjectFactory::IsValidFileName(name) &&
               fs::exists(Assets::Resolve("Archetypes") + "/" + name + ".xml", ec);
    }

    bool ArchetypeSystem::ReloadArchetype(const std::string& name)
    {
        if (!FACTORY || !GameObjectFactory::IsValidFileName(name))
            return false;
        DataErrorCollector problems;
        GameObject* o = FACTORY->LoadComponents(Assets::Resolve("Archetypes") + "/" + name + ".xml",
                                                "Archetype \"" + name + "\"");
        if (!problems.Lines().empty())
        {
            delete o;
            return false;
        }
        o->setName(name);
        GameObject*& slot = archetypes[name];
        delete slot;
        slot = o;
        return true;
    }

    GameObject* Instantiate(std::string name, Vector2D position, float rotation)
    {
        GameObject* source = ARCHETYPESYS ? ARCHETYPESYS->FindArchetype(name) : nullptr;
        if (!source)
        {
            ReportDataError("Instantiate", "unknown archetype \"" + name + "\"");
            return nullptr;
        }
        GameObject* clone = InstantiateClone(source, position.x, position.y, rotation);
        if (clone)
            clone->OnStart();
        return clone;
    }
}
