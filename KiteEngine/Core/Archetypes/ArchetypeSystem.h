// ArchetypeSystem: the named object templates read from Assets/Archetypes
// at start-up, and Instantiate, which clones one into the running scene.
#pragma once

#include <map>
#include <string>

#include "Core/Engine/System.h"
#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    class GameObject;

    class ArchetypeSystem : public System
    {
    public:
        using ArchetypeMap = std::map<std::string, GameObject*>;

        ArchetypeSystem();
        ~ArchetypeSystem() override;
        ArchetypeSystem(const ArchetypeSystem&) = delete;
        ArchetypeSystem& operator=(const ArchetypeSystem&) = delete;

        void Initialise() override;
        void Update() override {}
        void SendMessage(Message* message) override {}

        void LoadAllArchetypes();
        const ArchetypeMap& GetArcheMap() const { return archetypes; }
        // Null for a name without a template.
        GameObject* FindArchetype(const std::string& name) const;
        // Writes the object's components as an archetype file; a name already
        // loaded keeps its old template until the next start. False (and a
        // report) for an unusable name or a failed write.
        bool MakeArchetypeAndSerialise(const std::string& name, GameObject* object);
        // Whether the name has a template or a file.
        bool Exists(const std::string& name) const;
        // Reads the archetype's file again and puts the result in place of
        // its template (copies made before keep what they are). False, and
        // the template unchanged, when the file cannot be read cleanly.
        bool ReloadArchetype(const std::string& name);

    private:
        ArchetypeMap archetypes;
    };

    extern ArchetypeSystem* ARCHETYPESYS;

    // A numbered, initialised and started clone of the named archetype at
    // the position; null when no archetype has that name.
    GameObject* Instantiate(std::string name, Vector2D position, float rotation);
}
