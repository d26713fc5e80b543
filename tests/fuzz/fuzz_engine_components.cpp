// Feeds arbitrary bytes to the component file reader with the engine's own
// components registered, as the file of an object in a scene that is then
// loaded, played a frame, cloned, written and cleared.
#include "Core/Audio/AudioListener.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Physics/Collider2D.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/Waypoints/VertexNode.h"
#include "fuzz/FuzzWorld.h"

namespace
{
    template <typename T>
    void Register(KiteFramework::ComponentTypeId type, const char* name)
    {
        KiteFuzz::World::Get().factory->AddComponentCreator(type, name,
                                                           new KiteFramework::ComponentCreatorType<T>(type));
    }

    bool Setup()
    {
        using namespace KiteFramework;
        Register<Sprite>(CT_Sprite, "Sprite");
        Register<Text>(CT_Text, "Text");
        Register<Emitter>(CT_Emitter, "Emitter");
        Register<AudioListener>(CT_AudioListener, "AudioListener");
        Register<AudioSource>(CT_AudioSource, "AudioSource");
        Register<Collider2D>(CT_Collider2D, "Collider2D");
        Register<VertexNode>(CT_VertexNode, "VertexNode");
        Register<PopUpUI>(CT_PopUpUI, "PopUpUI");
        Register<ActivatePopupButton>(CT_ActivatePopupButton, "ActivatePopupButton");
        Register<SystemCallButton>(CT_SystemCallButton, "SystemCallButton");
        Register<ToggleActiveButton>(CT_ToggleActiveButton, "ToggleActiveButton");
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
