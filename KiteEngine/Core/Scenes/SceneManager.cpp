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
#include "Core/Engine/XMLFile.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    SceneManager* SCENEMNGR = nullptr;

    SceneManager::SceneManager() : System(ST_SceneManager)
    {
        if (!SCENEMNGR)
            SCENEMNGR = this;
    }

    SceneManager::~SceneManager()
    {
        if (SCENEMNGR == this)
            SCENEMNGR = nullptr;
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

        Message clear(MsgID::ClearScene);
        if (ENGINE)
            ENGINE->BroadcastMessage(&clear);

        // What goes wrong while the files are read is kept with the scene.
        DataErrorCollector problems;
        std::string indexText;
        XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
        XMLElement* root = nullptr;
        if (!GameObjectFactory::IsValidFileName(name))
            ReportDataError(where, "not a usable scene name; the scene is empty");
        else
        {
            const std::string path = Assets::Resolve("Scenes/" + name + ".xml");
            if (LoadXMLFile(document, path, where, &indexText) && !(root = document.FirstChildElement("Scene")))
                ReportDataError(where, "\"" + path + "\" has no \"Scene\" root");
        }

        current = name;
        if (!forced.empty())
        {
            current = forced;
            forced.clear();
        }

        if (root && FACTORY)
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

        loadProblems = problems.Lines();
        if (ENGINE)
        {
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
        if (FACTORY && GameObjectFactory::KeepsFileTexts())
            FACTORY->RememberLoadedScene(root ? indexText : std::string());
        ++loadCount;
        if (loadListener)
            loadListener();
    }
}
