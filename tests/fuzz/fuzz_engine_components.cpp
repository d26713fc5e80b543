// Feeds arbitrary bytes to the component file reader with the engine's own
// components registered, as the file of an object in a scene that is then
// loaded, played a frame, cloned, written and cleared.
#include "fuzz/FuzzWorld.h"

namespace
{
    // The engine's own component types (Transform is there already).
    bool Setup()
    {
        KiteFuzz::World::Get().RegisterEngineComponents();
        return true;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace KiteFuzz;
    static bool ready = Setup();
    (void)ready;
    World& w = World::Get();
    static const std::string index =
        "<Scene><GameObject name=\"a\" objectId=\"1\"/>"
        "<GameObject name=\"b\" objectId=\"2\" parentId=\"1\"/></Scene>";
    World::Write(w.scenesFolder + "FuzzEngine.xml", reinterpret_cast<const uint8_t*>(index.data()), index.size());
    World::Write(w.scenesFolder + "FuzzEngine/1.xml", data, size);
    World::Write(w.scenesFolder + "FuzzEngine/2.xml", data, size);
    w.scenes->LoadLevel("FuzzEngine");
    w.Frame();
    if (GameObject* first = w.factory->FindObjectWithId(1))
    {
        InstantiateClone(first, 1.0f, 2.0f, 3.0f)->OnStart();
        first->setActive(false);
        w.factory->SerialiseLevel("FuzzEngineSaved");
        first->Destroy();
    }
    w.Frame();
    w.factory->DeleteAllObjects();
    return 0;
}
