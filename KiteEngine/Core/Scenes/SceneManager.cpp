// SceneManager: deferred scene loads.
#include "Core/Scenes/SceneManager.h"

#include <exception>
#include <iostream>

#include "Core/Audio/AudioEngine.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/DataErrorCollector.h"
#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Engine/XMLFile.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    SceneManager* SCENEMNGR = nullptr;

    SceneManager::SceneManager() : System(ST_SceneManager)
    {
        ClaimGlobal(SCENEMNGR, this);
    }

    SceneManager::~SceneManager()
    {
        ReleaseGlobal(SCENEMNGR, this);
    }

    void SceneManager::Initialise()
    {
        current = "Untitled";
        if (ENGINE)
            ENGINE->logMessage("System: SceneManager initialised.");
        DebugPrintHandler("System: SceneManager initialised.");
        std::cout << "Current Scene Name: " << current << std::endl;
    }

    void SceneManager::LoadLevel(const std::string& name)
    {
        if (AUDIO)
            AUDIO->StopAll();
        requested = name;
        pending = true;
    }

    namespace
    {
        void ExpectPicturesIn(const XMLElement* element)
        {
            for (const XMLElement* e = element; e; e = e->NextSiblingElement())
            {
                if (const char* text = e->GetText())
                    GRAPHICS->ExpectTexture(text);
                ExpectPicturesIn(e->FirstChildElement());
            }
        }
    }

    void SceneManager::ExpectPictures(const std::string& name) const
    {
        if (!GRAPHICS || !GameObjectFactory::IsValidFileName(name))
            return;
        // The objects' files lie beside the index, in a folder of its name.
        const std::string indexPath = Assets::Resolve("Scenes/" + name + ".xml");
        const std::string folder = indexPath.substr(0, indexPath.size() - 4) + "/";
        XMLDocument index;
        if (index.LoadFile(indexPath.c_str()) != tinyxml2::XML_SUCCESS)
            return;
        const XMLElement* root = index.FirstChildElement("Scene");
        for (const XMLElement* e = root ? root->FirstChildElement("GameObject") : nullptr; e;
             e = e->NextSiblingElement("GameObject"))
        {
            unsigned id = 0;
            if (e->QueryUnsignedAttribute("objectId", &id) != tinyxml2::XML_SUCCESS || id == 0)
                continue;
            XMLDocument object;
            if (object.LoadFile((folder + std::to_string(id) + ".xml").c_str()) == tinyxml2::XML_SUCCESS)
                ExpectPicturesIn(object.RootElement());
        }
    }

    void SceneManager::Update()
    {
        if (pending)
            EndLoopLoadLevel();
    }

    void SceneManager::EndLoopLoadLevel()
    {
        // Cleared first: a request made while the scene starts is kept for
        // the next frame.
        pending = false;
        const std::string name = requested;
        const std::string where = "Scene \"" + name + "\"";

        // What goes wrong while the files are read is kept with the scene.
        DataErrorCollector problems;
        std::string indexText;
        XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
        XMLElement* root = ReadSceneRoot(name, where, document, indexText);

        // A player is never left on an empty screen: the scene shown stays
        // until the one to go back to loads, next frame.
        if (!root && FallBackFrom(name, where))
            return;
        fallingBack = false;

        Message clear(MsgID::ClearScene);
        if (ENGINE)
            ENGINE->BroadcastMessage(&clear);

        current = name;
        if (!forced.empty())
        {
            current = forced;
            forced.clear();
        }

        if (root && FACTORY)
            MakeSceneObjects(root, name, where);

        std::cout << "Scene loaded: " << current << std::endl;
        loadProblems = problems.Lines();
        AnnounceLoaded(where);
        if (FACTORY && GameObjectFactory::KeepsFileTexts())
            FACTORY->RememberLoadedScene(root ? indexText : std::string());
        ++loadCount;
        if (loadListener)
            loadListener();
    }

    XMLElement* SceneManager::ReadSceneRoot(const std::string& name, const std::string& where,
                                            XMLDocument& document, std::string& indexText) const
    {
        if (!GameObjectFactory::IsValidFileName(name))
        {
            ReportDataError(where, "not a usable scene name; the scene is empty");
            return nullptr;
        }
        XMLElement* root = nullptr;
        const std::string path = Assets::Resolve("Scenes/" + name + ".xml");
        if (LoadXMLFile(document, path, where, &indexText) && !(root = document.FirstChildElement("Scene")))
            ReportDataError(where, "\"" + path + "\" has no \"Scene\" root");
        return root;
    }

    bool SceneManager::FallBackFrom(const std::string& name, const std::string& where)
    {
        const std::string back = FallbackFor(name);
        if (back.empty())
            return false;
        std::cout << where << " cannot be shown; back to \"" << back << "\"" << std::endl;
        requested = back;
        pending = true;
        fallingBack = true;
        return true;
    }

    void SceneManager::MakeSceneObjects(XMLElement* root, const std::string& name, const std::string& where)
    {
        for (XMLElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement())
        {
            if (std::string(e->Name()) != "GameObject")
            {
                ReportDataError(where, "unexpected element \"" + std::string(e->Name()) + "\" skipped");
                continue;
            }
            try
            {
                FACTORY->UnserialiseGameObject(e, name);
            }
            catch (const std::exception& error)
            {
                ReportDataError(where, std::string("object skipped: ") + error.what());
            }
        }
    }

    void SceneManager::AnnounceLoaded(const std::string& where)
    {
        if (!ENGINE)
            return;
        Message loaded(MsgID::SceneLoaded);
        ENGINE->BroadcastMessage(&loaded);
        if (ENGINE->GetEngineStatus(ES_GAMEPLAYING))
        {
            Message start(MsgID::Start);
            try
            {
                ENGINE->BroadcastMessage(&start);
            }
            catch (const std::exception& error)
            {
                ReportDataError(where, std::string("starting the scene failed: ") + error.what());
            }
        }
        // A scene opened in the editor waits, still, until PLAY.
        const bool editing = ENGINE->GetEngineStatus(ES_EDITORVIEW) && !ENGINE->GetEngineStatus(ES_GAMEPLAYING);
        ENGINE->SetTimeFactor(editing ? 0.0f : 1.0f);
    }

    std::string SceneManager::FallbackFor(const std::string& failed) const
    {
        // The editor shows what it was asked for, even empty.
        if (!ENGINE || !ENGINE->GetEngineStatus(ES_GAMEPLAYING) || ENGINE->GetEngineStatus(ES_EDITORVIEW))
            return std::string();
        // First the scene the player came from, then home, then nothing.
        if (!fallingBack && !current.empty() && current != "Untitled" && current != failed)
            return current;
        if (failed != home && !home.empty())
            return home;
        return std::string();
    }
}
