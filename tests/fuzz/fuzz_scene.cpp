// Feeds arbitrary bytes to the scene loader: the input up to the first
// "\n--\n" is the scene index, the rest is the component file of objects 1
// and 2. The loaded scene is then played a frame, saved and cleared.
#include <cstring>

#include "fuzz/FuzzWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace KiteFuzz;
    World& w = World::Get();
    const char* separator = "\n--\n";
    const uint8_t* split = static_cast<const uint8_t*>(memmem(data, size, separator, 4));
    const std::size_t indexSize = split ? static_cast<std::size_t>(split - data) : size;
    const uint8_t* rest = split ? split + 4 : data + size;
    const std::size_t restSize = static_cast<std::size_t>(data + size - rest);

    World::Write(w.scenesFolder + "FuzzScene.xml", data, indexSize);
    World::Write(w.scenesFolder + "FuzzScene/1.xml", rest, restSize);
    World::Write(w.scenesFolder + "FuzzScene/2.xml", rest, restSize);
    w.scenes->LoadLevel("FuzzScene");
    w.Frame();
    if (GameObject* first = w.factory->FindObjectWithId(1))
        first->Destroy();
    w.Frame();
    w.factory->SerialiseLevel("FuzzSaved");
    w.factory->DeleteAllObjects();
    return 0;
}
