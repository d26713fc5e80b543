// FileBrowser: the editor's modal file chooser over the asset tree, in place
// of the system's file dialogs. Open mode picks an existing file; save mode
// takes a typed name and asks before replacing a file (or refuses names in
// use, when replacing is not allowed). It never leaves its root folder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Core/Engine/Assets.h"

namespace KiteFramework
{
    class FileBrowser
    {
    public:
        enum class Mode
        {
            Open,
            Save
        };

        using Entry = Assets::Entry;

        enum class Submit
        {
            Invalid,      // empty, unusable or refused name (see GetMessage)
            NeedsConfirm, // the file exists: ConfirmOverwrite or Cancel
            Chosen
        };

        struct Options
        {
            Mode mode = Mode::Open;
            std::string title = "Choose a file";
            // The folder the browser never leaves.
            std::string root;
            // Where it starts, relative to root ("" for root itself).
            std::string start;
            // Only files ending so are listed (and appended to typed names).
            std::string extension;
            // Save mode: whether an existing file may be replaced (after a
            // confirmation); otherwise names in use are refused.
            bool allowReplace = true;
            // Names neither listed nor accepted (a reserved scene name).
            std::vector<std::string> reserved;
            // Whether folders may be entered.
            bool browseFolders = true;
            // Entries never listed, by folder (relative to root, "" at root)
            // and name: files kept for the editor's own use.
            std::function<bool(const std::string& folder, const std::string& name)> hidden;
        };

        void Open(const Options& options);
        bool IsOpen() const { return open; }
        void Close();

        // Folders first, then files, each sorted by name.
        const std::vector<Entry>& Entries() const { return entries; }
        // The folder shown, relative to root with '/' ("" at root).
        const std::string& Folder() const { return folder; }
        bool Enter(const std::string& name);
        // False at root.
        bool Up();
        void Refresh();

        // Open mode: chooses an existing file of the folder.
        bool ChooseFile(const std::string& name);
        // Save mode: a typed name (without the extension).
        Submit SubmitName(const std::string& name);
        void ConfirmOverwrite();
        bool IsAwaitingConfirmation() const { return awaitingConfirm; }

        // A chosen file, once; empty when none is waiting.
        bool TakeChosen(std::string& path, std::string& name);
        const std::string& GetMessage() const { return message; }
        const Options& GetOptions() const { return options; }

        // Draws the modal while open.
        void Draw();

    private:
        std::string FullFolder() const;
        void Choose(const std::string& fileName);
        // Parts of the modal: the folder's entries, the name field of a save
        // dialog and the replace-or-keep question.
        void DrawEntries();
        void DrawSaveRow();
        void DrawConfirmRow();

        Options options;
        bool open = false;
        bool popupRequested = false;
        // The modal was drawn open last frame.
        bool shown = false;
        std::string folder;
        std::vector<Entry> entries;
        std::string typed;
        std::string pendingFile;
        bool awaitingConfirm = false;
        bool hasChosen = false;
        std::string chosenPath;
        std::string chosenName;
        std::string message;
        int selected = -1;
    };
}
