// Feeds arbitrary bytes to the component file reader as the file of the
// first of two objects in a scene, then clones the object, plays a frame,
// writes the scene and destroys what was made.
#include "fuzz/FuzzWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace KiteFuzz;
    World& w = World::Get();
    static const std::string index =
        "<Scene><GameObject name=\"a\" objectId=\"1\"/>"
        "<GameObject name=\"b\" objectId=\"2\" parentId=\"1\"/></Scene>";
    World::Write(w.scenesFolder + "FuzzComponents.xml", reinterpret_cast<const uint8_t*>(index.data()), index.size());
    World::Write(w.scenesFolder + "FuzzComponents/1.xml", data, size);
    World::Write(w.scenesFolder + "FuzzComponents/2.xml", data, size);
    w.scenes->LoadLevel("FuzzComponents");
    w.Frame();
    if (GameObject* first = w.factory->FindObjectWithId(1))
    {
        GameObject* copy = InstantiateClone(first, 1.0f, 2.0f, 3.0f);
        copy->OnStart();
        first->setActive(false);
        *copy = *first;
        w.factory->SerialiseLevel("FuzzComponentsSaved");
        first->Destroy();
    }
    w.Frame();
    w.factory->DeleteAllObjects();
    return 0;
}
