// Editor: the optional system that turns the running engine into a level
// editor: the scene drawn into its own framebuffer and shown in a GUI
// window, panels around it, picking and the gizmo, menus, keys and files,
// and play and stop through a snapshot of the scene.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Core/Editor/EditorRedraw.h"
#include "Core/Engine/System.h"
#include "Core/Math/Vector2D.h"
#include "Core/Objects/ComponentTypeId.h"
#include "Core/Objects/ObjectHandle.h"

struct ImVec2;

namespace KiteFramework
{
    class Graphics;
    class GameObject;
    class GameComponent;
    class Transform;
    class FileBrowser;

    class Editor : public System
    {
    public:
        enum GizmoMode
        {
            GizmoOff = 0,
            GizmoTranslate = 1,
            GizmoScale = 2,
            GizmoRotate = 3
        };

        // The screen rectangle of the scene image.
        struct ViewRect
        {
            float x = 0.0f;
            float y = 0.0f;
            float w = 0.0f;
            float h = 0.0f;
        };

        explicit Editor(Graphics* graphics);
        ~Editor() override;
        Editor(const Editor&) = delete;
        Editor& operator=(const Editor&) = delete;

        void Initialise() override;
        void Update() override;
        void SendMessage(Message* message) override;

        void UpdateSystemTime(const SystemType& type, const float& time, const float& frameTime);
        // Switches between editing and playing. Returns false when PLAY was
        // refused (the snapshot could not be saved).
        bool TogglePlayStop();
        // One editor frame of GUI work (between the binding's new frame and
        // the render).
        void SetUp();

        GameObject* GetInspecting() const { return inspected.Get(); }
        void SetInspecting(GameObject* object);
        void ClearInspecting();
        ImVec2 getInspectorPanelSize() const;
        // Left button pressed (true) or released (false) over the window.
        void SetMouseClick(const bool& clicked);
        bool GetMouseClick() const { return mouseClicked; }
        void setAddRemoveLinkBool(const bool& open) { linkPopup = open; }
        void setMessagePopupBool(const bool& open) { messagePopup = open; }
        void PublicRemoveComponent(GameComponent* component);

        // Widgets for component panels; each returns true when the value
        // changed. precision is the number of decimals shown.
        static bool ChangePos(const char* label, float* const xy, float* z, int precision = 3, int flags = 0);
        static bool ChangeScale(const char* label, float* const xy, int precision = 3, int flags = 0);
        static bool ChangeColor(const char* label, float* const rgb, int precision = 3, int flags = 0);
        static bool ChangeRot(const char* label, float* const value, int step = 1, int fastStep = 10);
        static bool ChangeTextScale(const char* label, float* const value, int step = 1, int fastStep = 10);

        // Scene view, picking and gizmo.
        bool MouseInViewport() const;
        Vector2D genericConversionTest() const;
        // World position of a point in window pixels, through the scene view.
        Vector2D ViewToWorld(float x, float y) const;
        // Window pixels of a world position, through the scene view.
        Vector2D WorldToView(const Vector2D& world) const;
        void MouseToWorld();
        void TurnDebug(bool on);
        void Gizmo();
        Vector2D TestConvertToNDC(const Transform& transform) const;
        static bool HitTest(Transform& transform, const Vector2D& point);
        // The objects whose box holds a world point, in the order a click
        // there picks them: interface objects seen there, front to back, then
        // scene objects seen there, front to back, then the rest.
        std::vector<GameObject*> ObjectsUnder(const Vector2D& point) const;

        // The console panel's lines (waypoint editing writes here too).
        void Print(const std::string& line);
        const std::vector<std::string>& GetConsoleLines() const { return consoleLines; }

        // File actions behind the menus and keys; each reports in the console.
        // A scene that did not load completely is never saved under its own
        // name. Opening a scene or making a new one with unsaved changes asks
        // first (see AnswerUnsaved) and does nothing yet.
        bool SaveScene();
        bool SaveSceneAs(const std::string& name);
        bool CreateNewScene(const std::string& name);
        void OpenScene(const std::string& name);
        // Ends the program, asking first when there are unsaved changes.
        void Exit();
        enum class ArchetypeResult
        {
            Saved,
            Exists, // not written: replacing an archetype needs replace = true
            Failed
        };
        // Writes the selected object as an archetype. A replaced archetype
        // is read again at once, so that new copies follow the new file.
        ArchetypeResult CreateArchetype(const std::string& name, bool replace = false);
        void LoadAsset(const std::string& path);
        void OpenProjectFolder();
        void RemoveObject(GameObject* object);
        GameObject* AddObject();
        // Create > Add: each entry instantiates a shipped archetype at the
        // origin (null, and a console line, when there is no such archetype).
        struct AddEntry
        {
            const char* label;
            const char* archetype;
        };
        static const std::vector<AddEntry>& AddMenuArchetypes();
        GameObject* AddFromArchetype(const std::string& archetype);
        GameObject* AddNode();
        GameObject* AddSquare();
        GameObject* AddCircle();
        // Whether a scene name may be written (not empty, not the snapshot).
        static bool IsSavableSceneName(const std::string& name);
        // The play snapshot's name, and whether an entry of a folder (a path
        // under the asset tree, "Scenes/" for the scenes' folder) is one of
        // its files, which no list shows.
        static const char* SnapshotName();
        static bool IsSnapshotEntry(const std::string& assetFolder, const std::string& entry);
        // The scene name of a chosen file: its name up to the first ".xml".
        static std::string SceneNameFromPath(const std::string& path);

        // Unsaved changes: a save now would write something other than what
        // the scene's files held when it was loaded or last saved.
        bool HasUnsavedChanges();
        // Whether the current scene is one that did not load completely.
        bool IsSceneUnsafeToSave() const;
        enum class UnsavedChoice
        {
            Save,
            Discard,
            Cancel
        };
        // An action waits for the answer to "save the changes first?".
        bool IsAskingAboutUnsaved() const { return pending != PendingAction::None; }
        void AnswerUnsaved(UnsavedChoice choice);
        // Whether the archetype popup waits for a yes to replace one.
        bool IsAskingToReplaceArchetype() const { return !archetypeToReplace.empty(); }

        // State read by the host and by tests.
        bool IsPlaying() const;
        bool HasSnapshot() const { return snapshotTaken; }
        const std::string& GetRememberedScene() const { return rememberedScene; }
        const std::vector<std::string>& GetSceneList() const { return sceneList; }
        void RefreshSceneList();
        int GetGizmoMode() const { return gizmoMode; }
        void SetGizmoMode(int mode) { gizmoMode = mode; }
        const ViewRect& GetViewRect() const { return view; }
        void SetViewRect(const ViewRect& rect) { view = rect; }
        bool IsSceneViewHovered() const { return sceneHovered; }
        void SetSceneViewHovered(bool hovered) { sceneHovered = hovered; }
        bool CheckPopUp() const;
        bool IsShowingPerformance() const { return performanceShown; }
        bool IsShowingSpriteEditor() const { return spriteEditorShown; }
        bool IsDrawingLinks() const { return drawLinks; }
        const std::array<float, 10>* GetHistory(SystemType type) const;
        float GetFrameTime() const { return frameTime; }
        FileBrowser& GetFileBrowser() { return *browser; }
        // The explorer's entries: ".." first, then the folder's, by name.
        const std::vector<std::string>& GetDirectoryListing() const { return directoryListing; }
        // The title the editor last gave the window.
        const std::string& GetWindowTitle() const { return shownTitle; }
        // Keys of the frame: shortcuts, unless a text field has the keyboard.
        void CheckIO();

    private:
        struct Layout
        {
            float w = 0.0f, h = 0.0f;
            float sceneW = 0.0f, sceneH = 0.0f;
            float hierarchyX = 0.0f, hierarchyY = 0.0f, hierarchyW = 0.0f, hierarchyH = 0.0f;
            float reflectionX = 0.0f, reflectionY = 0.0f;
            float consoleX = 0.0f, consoleY = 0.0f, consoleW = 0.0f, consoleH = 0.0f;
            float inspectorX = 0.0f, inspectorY = 0.0f, inspectorW = 0.0f, inspectorH = 0.0f;
            float explorerX = 0.0f, explorerY = 0.0f, explorerW = 0.0f, explorerH = 0.0f;
        };

        // Frame pieces.
        // Whether something moves in the view or the panels this frame.
        bool IsBusy() const;
        void ComputeLayout();
        void DrawSceneIntoFramebuffer();
        void MakeFramebuffer(unsigned int& framebuffer, unsigned int& texture, int width, int height);
        void FreeFramebuffers();

        // Panels.
        void HierarchyPanel();
        void ShowHierarchyObject(GameObject* object);
        void InspectorPanel();
        void InspectorObjectHeader(GameObject* object);
        void InspectorParent(GameObject* object);
        void InspectorAddComponent(GameObject* object);
        void ConsolePanel();
        void ProjectExplorerPanel();
        void GetCurrentDir(const std::string& folder);
        // An entry of the explorer's folder chosen: a folder is entered, a
        // scene file opened.
        void ExplorerChoose(const std::string& folder, const std::string& entry);
        void Performance();
        void ReflectionMenuButtons();
        void ReflectionPanel();
        void SceneContextMenu();
        void LinkDraw();

        // Menus and files.
        void MainMenuBar();
        void FileMenu();
        void CreateMenu();
        void ArchetypePopup();
        void DrawFileBrowser();
        void StartSaveAs();
        void StartNewScene();
        void StartOpenScene();
        void StartLoadAsset();
        void SaveOrAskForName();
        void DoOpenScene(const std::string& name);
        bool DoCreateNewScene(const std::string& name);
        void UnsavedPopup();
        // The answers the unsaved-changes question offers, as a line.
        std::string UnsavedQuestion() const;
        bool AllowQuit();
        void NoteSceneLoads();
        void RememberSavedState();
        // Says so (the line given) and gives true while the game runs: the
        // scene then holds the running game's objects.
        bool RefusedWhilePlaying(const std::string& line);
        static constexpr const char* kStopBeforeSaving =
            "Stop the game before saving: the scene now holds the running game's objects.";
        static constexpr const char* kStopBeforeNewScene = "Stop the game before making a new scene.";
        // The scene's files written under name; false, with the report, when
        // they could not be.
        bool WriteSceneFiles(const std::string& name);
        // After a save: the line saying so, the state edits are compared with
        // and the scene list.
        void Saved(const std::string& line);
        // Picks at a world point; again: a click at the point of the last
        // one, which takes the next object down.
        void Pick(const Vector2D& world, bool again);
        bool NearLastPick() const;
        // The left button went up: ends a click made where the last one
        // picked by taking the next object down.
        void ReleasedInView();
        void SetCurrentSceneName(const std::string& name);
        // Once a drawn frame: the title, when input has come and rested.
        void TitleAfterInput();
        // The window's title: the open scene, marked while it has unsaved
        // changes, before the program's own title.
        void UpdateWindowTitle();
        // The play snapshot's files, once nothing needs them.
        void RemoveSnapshot();
        // F3: a copy of the selection beside it, under a name of its own,
        // selected.
        void DuplicateInspected();
        Vector2D BesideOf(const Transform& original) const;
        static std::string NameApartFrom(const std::string& name);
        void ReapLaunched();

        Graphics* graphics;
        float imageOffsetX = 7.5f;
        float imageOffsetY = 37.0f;
        std::vector<std::string> consoleLines;
        std::string rememberedScene;
        bool snapshotTaken = false;
        int windowFlags = 0;
        bool mouseClicked = false;
        bool showReflection = true, showConsole = true, showHierarchy = true, showInspector = true,
             showExplorer = true, showUserGuide = false;
        Layout layout;
        ViewRect view;
        bool sceneHovered = false;
        Vector2D previousMouseWorld;
        Vector2D currentMouseWorld;
        Vector2D mouseWorldDelta;
        unsigned int sceneFramebuffer = 0;
        unsigned int sceneTexture = 0;
        unsigned int sceneDepth = 0;
        int framebufferWidth = 0;
        int framebufferHeight = 0;
        ObjectHandle inspected;
        ObjectHandle lastSet;
        // Where the last click in the view picked, in window pixels.
        int lastPickX = -1000;
        int lastPickY = -1000;
        bool cyclePending = false;
        // The press in the view fell on the object already selected, so
        // that the drag that follows acts on it.
        bool dragArmed = false;
        // An object picked in the view, which the hierarchy scrolls to with
        // its parents open.
        ObjectHandle revealInHierarchy;
        std::vector<std::string> directoryListing;
        std::vector<std::string> directoryStack;
        std::vector<std::string> sceneList;
        std::map<SystemType, std::pair<bool, std::array<float, 10>*>> systemTimes;
        std::map<SystemType, std::string> systemLabels;
        std::vector<bool*> popupFlags;
        bool spriteEditorShown = false;
        bool performanceShown = false;
        bool fileMenuOpen = false, createMenuOpen = false, helpMenuOpen = false, aboutMenuOpen = false;
        bool linkPopup = false;
        bool messagePopup = false;
        bool drawLinks = false;
        // The links overlay as it was when PLAY was pressed.
        bool linksBeforePlay = false;
        bool sceneContextOpen = false;
        std::array<std::array<float, 10>, 10> histories{};
        float frameTime = 0.0f;
        int gizmoMode = GizmoOff;
        // The "##parentid" value, taken from the object shown and its parent
        // whenever either changes; typed values last until then.
        int parentIdInput = 0;
        ObjectHandle parentFieldObject;
        ObjectHandle parentFieldParent;
        bool addComponentOpen = false;
        bool openArchetypePopup = false;
        std::array<char, 256> archetypeName{};
        std::unique_ptr<FileBrowser> browser;
        // Programs started to open the project folder, reaped once they end.
        std::vector<int> launched;
        // Unsaved changes: the files of the scene as last loaded or saved.
        enum class PendingAction
        {
            None,
            OpenScene,
            NewScene,
            Quit
        } pending = PendingAction::None;
        std::string pendingName;
        bool openUnsavedPopup = false;
        // The GUI frame the unsaved-changes question came up in.
        int unsavedAskedFrame = 0;
        bool quitConfirmed = false;
        std::map<std::string, std::string> savedTexts;
        bool haveSavedTexts = false;
        // Play keeps the answer of the moment PLAY was pressed.
        bool unsavedAtPlay = false;
        bool restoringSnapshot = false;
        EditorRedraw redraw;
        unsigned seenLoads = 0;
        std::string shownTitle;
        bool titleStale = true;
        bool inputSinceTitle = false;
        unsigned long eventsAtTitle = 0;
        int framesSinceInput = 0;
        static constexpr int kQuietFramesBeforeTitle = 10;
        // The scene that did not load completely, while it is open.
        std::string unsafeScene;
        std::string archetypeToReplace;
        // What the file browser was opened for.
        enum class BrowserPurpose
        {
            None,
            OpenScene,
            SaveSceneAs,
            NewScene,
            LoadAsset
        } browserPurpose = BrowserPurpose::None;
    };
}
