// FileBrowser: listing, moving within the root, choosing and confirming,
// and the modal that shows it.
#include "Core/Editor/FileBrowser.h"

#include <algorithm>
#include <filesystem>

#include <imgui.h>
#include <imgui_stdlib.h>

#include "Core/Factory/GameObjectFactory.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        bool EndsWith(const std::string& text, const std::string& tail)
        {
            return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
        }
    }

    void FileBrowser::Open(const Options& o)
    {
        options = o;
        open = true;
        popupRequested = true;
        folder = o.start;
        typed.clear();
        pendingFile.clear();
        awaitingConfirm = false;
        hasChosen = false;
        message.clear();
        selected = -1;
        Refresh();
    }

    void FileBrowser::Close()
    {
        open = false;
        awaitingConfirm = false;
    }

    std::string FileBrowser::FullFolder() const
    {
        std::string root = options.root;
        if (!root.empty() && root.back() != '/')
            root += '/';
        return folder.empty() ? root : root + folder + "/";
    }

    void FileBrowser::Refresh()
    {
        entries.clear();
        std::string problem;
        const std::vector<Entry> listed = Assets::Entries(FullFolder(), problem);
        if (!problem.empty())
        {
            message = "Cannot list \"" + FullFolder() + "\": " + problem;
            return;
        }
        for (const Entry& entry : listed)
        {
            if (entry.folder && !options.browseFolders)
                continue;
            if (options.hidden && options.hidden(folder, entry.name))
                continue;
            if (!entry.folder && !options.extension.empty() && !EndsWith(entry.name, options.extension))
                continue;
            // Reserved names (the play snapshot) are not offered either.
            if (!entry.folder && std::find(options.reserved.begin(), options.reserved.end(),
                                           entry.name.substr(0, entry.name.size() - options.extension.size())) !=
                                     options.reserved.end())
                continue;
            entries.push_back(entry);
        }
        std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            if (a.folder != b.folder)
                return a.folder;
            return a.name < b.name;
        });
    }

    bool FileBrowser::Enter(const std::string& name)
    {
        // Only a listed folder: no "..", no slashes, nothing outside root.
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const Entry& e) { return e.folder && e.name == name; });
        if (it == entries.end() || name == ".." || name.find('/') != std::string::npos)
            return false;
        folder = folder.empty() ? name : folder + "/" + name;
        selected = -1;
        Refresh();
        return true;
    }

    bool FileBrowser::Up()
    {
        if (folder.empty())
            return false;
        const std::size_t slash = folder.rfind('/');
        folder = slash == std::string::npos ? std::string() : folder.substr(0, slash);
        selected = -1;
        Refresh();
        return true;
    }

    void FileBrowser::Choose(const std::string& fileName)
    {
        chosenPath = FullFolder() + fileName;
        chosenName = fileName;
        if (!options.extension.empty() && EndsWith(chosenName, options.extension))
            chosenName.resize(chosenName.size() - options.extension.size());
        hasChosen = true;
        awaitingConfirm = false;
        open = false;
    }

    bool FileBrowser::ChooseFile(const std::string& name)
    {
        if (!open || options.mode != Mode::Open)
            return false;
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const Entry& e) { return !e.folder && e.name == name; });
        if (it == entries.end())
            return false;
        Choose(name);
        return true;
    }

    FileBrowser::Submit FileBrowser::SubmitName(const std::string& name)
    {
        if (!open || options.mode != Mode::Save)
            return Submit::Invalid;
        std::string base = name;
        if (!options.extension.empty() && EndsWith(base, options.extension))
            base.resize(base.size() - options.extension.size());
        if (!GameObjectFactory::IsValidFileName(base))
        {
            message = "\"" + name + "\" is not a usable name.";
            return Submit::Invalid;
        }
        if (std::find(options.reserved.begin(), options.reserved.end(), base) != options.reserved.end())
        {
            message = "\"" + base + "\" is reserved; choose another name.";
            return Submit::Invalid;
        }
        const std::string file = base + options.extension;
        std::error_code ec;
        if (fs::exists(FullFolder() + file, ec))
        {
            if (!options.allowReplace)
            {
                message = "\"" + base + "\" already exists; choose another name.";
                return Submit::Invalid;
            }
            pendingFile = file;
            awaitingConfirm = true;
            message = "\"" + base + "\" already exists. Replace it?";
            return Submit::NeedsConfirm;
        }
        Choose(file);
        return Submit::Chosen;
    }

    void FileBrowser::ConfirmOverwrite()
    {
        if (awaitingConfirm)
            Choose(pendingFile);
    }

    bool FileBrowser::TakeChosen(std::string& path, std::string& name)
    {
        if (!hasChosen)
            return false;
        hasChosen = false;
        path = chosenPath;
        name = chosenName;
        return true;
    }

    void FileBrowser::Draw()
    {
        const char* title = options.title.c_str();
        if (!open)
        {
            // Closed from outside the modal (a choice made for it): the
            // modal goes too, or it would hold every other click.
            if (shown && ImGui::BeginPopupModal(title))
            {
                ImGui::CloseCurrentPopup();
                ImGui::EndPopup();
            }
            shown = false;
            return;
        }
        if (popupRequested)
        {
            ImGui::OpenPopup(title);
            popupRequested = false;
        }
        ImGui::SetNextWindowSize(ImVec2(520.0f, 420.0f), ImGuiCond_Appearing);
        bool keepOpen = true;
        if (!ImGui::BeginPopupModal(title, &keepOpen))
        {
            // Closed by its close box or by Escape.
            if (!keepOpen)
                Close();
            shown = false;
            return;
        }
        shown = true;
        ImGui::Text("Folder: %s", FullFolder().c_str());
        DrawEntries();
        if (options.mode == Mode::Save)
            DrawSaveRow();
        else if (ImGui::Button("Open") && selected >= 0 && selected < static_cast<int>(entries.size()) &&
                 !entries[static_cast<std::size_t>(selected)].folder)
        {
            ChooseFile(entries[static_cast<std::size_t>(selected)].name);
        }

        if (!message.empty())
            ImGui::TextWrapped("%s", message.c_str());
        if (awaitingConfirm)
            DrawConfirmRow();
        ImGui::SameLine();
        if (ImGui::Button("Cancel", ImVec2(120.0f, 0.0f)))
            Close();
        if (!open)
            ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
    }

    void FileBrowser::DrawEntries()
    {
        ImGui::BeginChild("##entries", ImVec2(0.0f, -64.0f), true);
        if (!folder.empty() && ImGui::Selectable("[..]", false, ImGuiSelectableFlags_AllowDoubleClick))
            Up();
        std::string enter;
        std::string pick;
        for (std::size_t i = 0; i < entries.size(); ++i)
        {
            const Entry& e = entries[i];
            ImGui::PushID(static_cast<int>(i));
            const std::string label = e.folder ? "[" + e.name + "]" : e.name;
            if (ImGui::Selectable(label.c_str(), selected == static_cast<int>(i),
                                  ImGuiSelectableFlags_AllowDoubleClick))
            {
                selected = static_cast<int>(i);
                if (e.folder)
                    enter = e.name;
                else if (options.mode == Mode::Save)
                    typed = options.extension.empty() || !EndsWith(e.name, options.extension)
                                ? e.name
                                : e.name.substr(0, e.name.size() - options.extension.size());
                else if (ImGui::IsMouseDoubleClicked(0))
                    pick = e.name;
            }
            ImGui::PopID();
        }
        ImGui::EndChild();
        // Acted on after the list, which must not change while it is drawn.
        if (!enter.empty())
            Enter(enter);
        if (!pick.empty())
            ChooseFile(pick);
    }

    void FileBrowser::DrawSaveRow()
    {
        ImGui::TextUnformatted("Name:");
        ImGui::SameLine();
        ImGui::SetNextItemWidth(300.0f);
        // The name is what one types first.
        if (ImGui::IsWindowAppearing())
            ImGui::SetKeyboardFocusHere();
        const bool entered = ImGui::InputText("##filename", &typed, ImGuiInputTextFlags_EnterReturnsTrue);
        ImGui::SameLine();
        if ((ImGui::Button("Save") || entered) && !awaitingConfirm)
            SubmitName(typed);
    }

    void FileBrowser::DrawConfirmRow()
    {
        if (ImGui::Button("Replace", ImVec2(120.0f, 0.0f)))
            ConfirmOverwrite();
        ImGui::SameLine();
        if (ImGui::Button("Keep it", ImVec2(120.0f, 0.0f)))
        {
            awaitingConfirm = false;
            message.clear();
        }
    }
}
