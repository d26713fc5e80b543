// Feeds arbitrary bytes to the archetype loader, then instantiates the
// template, writes it back as another archetype and clears the scene.
#include "fuzz/FuzzWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace KiteFuzz;
    World& w = World::Get();
    World::Write("Assets/Archetypes/FuzzArchetype.xml", data, size);
    World::Write(w.engine->GetAssetPath() + "Archetypes/FuzzArchetype.xml", data, size);

    // A fresh set of templates for every input; Instantiate looks there.
    ArchetypeSystem* shared = ARCHETYPESYS;
    {
        ArchetypeSystem local;
        ARCHETYPESYS = &local;
        local.LoadAllArchetypes();
        if (GameObject* o = Instantiate("FuzzArchetype", Vector2D(5.0f, 6.0f), 45.0f))
        {
            local.MakeArchetypeAndSerialise("FuzzArchetypeCopy", o);
            o->Destroy();
        }
        Instantiate("NoSuchArchetype", Vector2D(), 0.0f);
        w.Frame();
        w.factory->DeleteAllObjects();
        ARCHETYPESYS = shared;
    }
    return 0;
}
