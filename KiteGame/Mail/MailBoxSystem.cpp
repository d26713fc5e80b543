// MailBoxSystem: letters from leaving customers, pages and deletion.
#include "Mail/MailBoxSystem.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/DataErrorCollector.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/UI/BaseButton.h"
#include "HUD/TextFit.h"
#include "Mail/MailDeleteButton.h"
#include "Mail/MailSelectionButton.h"
#include "Mail/MailTexts.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        // World units per unit of scale, and the border of a mail entry.
        constexpr float EntryUnits = 100.0f;
        constexpr float EntryMargin = 20.0f;

        std::string MessagesFolder()
        {
            return Assets::Resolve("Messages") + "/";
        }

        // The type number of a letters file: its whole stem in decimal.
        bool TypeOf(const std::filesystem::path& file, int& type)
        {
            const std::string stem = file.stem().string();
            if (stem.empty() || stem.size() > 6 || stem.find_first_not_of("0123456789") != std::string::npos)
                return false;
            type = std::stoi(stem);
            return true;
        }

        // A text shown on a panel stays inside the panel's frame: its box is
        // the object's quad (its scale in world units) less a margin.
        constexpr float PanelInside = 0.9f;

        void ClipToSprite(GameObject* o)
        {
            Text* text = o ? o->GetComponent<Text>() : nullptr;
            Transform* t = o ? o->GetComponent<Transform>() : nullptr;
            if (!text || !t)
                return;
            const float unit = GRAPHICS ? static_cast<float>(GRAPHICS->pixelsPerUnit) : 100.0f;
            const Vector2D scale = t->GetScaleVec();
            text->SetClipBox(Vector2D(std::fabs(scale.x) * unit * PanelInside, std::fabs(scale.y) * unit * PanelInside));
        }

        GameObject* Child(GameObject* parent, const char* archetype, float x, float y, float depth,
                          float rotation = 0.0f)
        {
            GameObject* o = Instantiate(archetype, Vector2D(x, y), rotation);
            if (!o)
                return nullptr;
            if (Transform* t = o->GetComponent<Transform>())
                t->SetDepth(depth);
            if (parent)
                o->AddParent(parent);
            return o;
        }
    }

    MailBoxSystem::MailBoxSystem() : Script(CT_MailBoxSystem)
    {
        LoadTexts();
    }

    MailBoxSystem::MailBoxSystem(const MailBoxSystem& other)
        : Script(other), threshold(other.threshold), letters(other.letters), typeNames(other.typeNames),
          contents(other.contents), menuParent(other.menuParent), prevButton(other.prevButton),
          nextButton(other.nextButton), selected(other.selected) {}

    void MailBoxSystem::ListFields(FieldVisitor& v)
    {
        v.Add("threshold", threshold, {"Threshold", FieldWidget::Input, 1.0f});
    }

    GameComponent* MailBoxSystem::Clone() const
    {
        // The copy keeps the texts: letters come only from the constructor.
        return new MailBoxSystem(*this);
    }

    void MailBoxSystem::LoadTexts()
    {
        namespace fs = std::filesystem;
        // Problems of the mail files are reported, but they are not the
        // scene's: a scene that made a mailbox is still read whole.
        DataErrorCollector mailProblems;
        letters.clear();
        typeNames.clear();
        const std::string folder = MessagesFolder();
        std::error_code ec;
        const fs::path lettersFolder = fs::path(folder) / "LMessages";
        if (!fs::is_directory(lettersFolder, ec))
            ReportDataError(lettersFolder.generic_string(), "folder not found; the mailbox gets no letters");
        else
        {
            const std::vector<std::string> names = Assets::ListFolder(lettersFolder.generic_string());
            if (names.empty())
                ReportDataError(lettersFolder.generic_string(), "holds no letter files; the mailbox gets no letters");
            for (const std::string& name : names)
            {
                const fs::path file = lettersFolder / name;
                int type = 0;
                if (!TypeOf(file, type))
                {
                    ReportDataError(file.generic_string(), "name is not a mail type number; skipped");
                    continue;
                }
                std::vector<std::string> texts;
                if (MailTexts::ReadLines(file.generic_string(), MailTexts::LetterLength, texts))
                    letters[type] = std::move(texts);
            }
        }
        const fs::path types = fs::path(folder) / "types.txt";
        MailTexts::ReadLines(types.generic_string(), MailTexts::TitleLength, typeNames);
    }

    int MailBoxSystem::GetCounter(int type) const
    {
        auto it = counters.find(type);
        return it == counters.end() ? 0 : it->second;
    }

    const std::vector<std::string>& MailBoxSystem::GetLetters(int type) const
    {
        static const std::vector<std::string> none;
        auto it = letters.find(type);
        return it == letters.end() ? none : it->second;
    }

    std::string MailBoxSystem::GetTypeName(int type) const
    {
        // A type past the end of the titles has an empty title.
        return type >= 0 && static_cast<std::size_t>(type) < typeNames.size() ? typeNames[type] : std::string();
    }

    void MailBoxSystem::OnStart()
    {
        GameObject* mailbox = FACTORY ? FACTORY->FindObjByName("Mailbox") : nullptr;
        GameObject* parent = Instantiate("MailboxMenuParent", Vector2D(), 0.0f);
        menuParent = ObjectHandle(parent);
        if (!parent)
            return;
        if (mailbox)
            parent->AddParent(mailbox);
        Child(parent, "MailMenuBG", -443.1654f, 20.1438f, 10.0f);
        contents = ObjectHandle(Child(parent, "MailContents", 264.748f, 27.3381f, 10.0f));
        ClipToSprite(contents.Get());
        Child(parent, "MailCloseBtn", -185.6115f, 362.5899f, 9.0f);
        prevButton = ObjectHandle(Child(parent, "MailPrevBtn", -431.0f, 190.0f, 9.0f));
        nextButton = ObjectHandle(Child(parent, "MailNextBtn", -431.0f, -355.0f, 9.0f, 180.0f));
        for (int i = 0; i < PageSize; ++i)
        {
            GameObject* del = Child(parent, "MailDeleteBtn", -701.0f, 20.0f - (i - 1) * 100.0f, 7.0f);
            if (MailDeleteButton* b = del ? del->GetComponent<MailDeleteButton>() : nullptr)
                b->index = i;
        }
        parent->setActive(false);
    }

    void MailBoxSystem::AddBadMail(int stall)
    {
        if (stall >= 1 && stall <= 8)
            AddMail(stall + PreferenceOffset);
    }

    void MailBoxSystem::AddMail(int type)
    {
        // Fire bubbles are dropped by the customer; type 8 here is the
        // preference for stall 1.
        int& counter = counters[type];
        counter += 1;
        if (counter < threshold)
            return;
        counter = 0;
        const std::vector<std::string>& texts = GetLetters(type);
        // A type without letters sends nothing.
        if (texts.empty())
            return;
        GameObject* entry = Instantiate("MailboxButton2", Vector2D(), 0.0f);
        if (!entry)
            return;
        if (Transform* t = entry->GetComponent<Transform>())
            t->SetDepth(7.1f);
        entry->setActive(false);
        const unsigned index = static_cast<unsigned>(GENRANDNUM::Rand()) % texts.size();
        if (MailSelectionButton* b = entry->GetComponent<MailSelectionButton>())
        {
            b->type = type;
            b->msg_id = index;
        }
        if (Text* t = entry->GetComponent<Text>())
        {
            // A long title is cut to the entry, clear of its border on both
            // sides of where the text is centred.
            const Transform* box = entry->GetComponent<Transform>();
            const float width = box ? box->GetScaleVec().x * EntryUnits -
                                          2.0f * (std::fabs(t->GetOffset().x) + EntryMargin)
                                    : 0.0f;
            const std::string& name = GetTypeName(type);
            t->SetText(width > 0.0f ? TextFit::Ellipsis(name, t->Scale(), width) : name);
        }
        ClipToSprite(entry);
        PruneMails();
        mails.emplace_front(entry);
        if (GameObject* parent = menuParent.Get())
            entry->AddParent(parent);
        LayoutMails();
    }

    void MailBoxSystem::PruneMails()
    {
        for (auto it = mails.begin(); it != mails.end();)
            it = it->Get() ? it + 1 : mails.erase(it);
    }

    void MailBoxSystem::LayoutMails()
    {
        for (std::size_t i = 0; i < mails.size(); ++i)
            if (Transform* t = mails[i].Get<Transform>())
                t->SetTrans(-431.0f, 20.0f - static_cast<float>(static_cast<int>(i % PageSize) - 1) * 100.0f);
    }

    void MailBoxSystem::ShowMail(int type, int index, BaseButton* button)
    {
        const std::vector<std::string>& texts = GetLetters(type);
        if (index < 0 || static_cast<std::size_t>(index) >= texts.size())
            return;
        if (GameObject* c = contents.Get())
        {
            if (Text* t = c->GetComponent<Text>())
                t->SetText(texts[index]);
            c->setActive(true);
        }
        if (GameObject* old = selected.Get())
            if (BaseButton* b = old->GetComponent<BaseButton>())
                if (Sprite* s = old->GetComponent<Sprite>())
                    s->InGameSet(b->GetDefaultPath());
        selected = ObjectHandle(button ? button->GetOwner() : nullptr);
        if (button && button->GetOwner())
            if (Sprite* s = button->GetOwner()->GetComponent<Sprite>())
                s->InGameSet(button->GetMouseDownPath());
    }

    void MailBoxSystem::ShowPage(int page, bool show)
    {
        for (int i = page * PageSize; i < page * PageSize + PageSize; ++i)
            if (GameObject* o = GetMail(static_cast<std::size_t>(i)))
                o->setActive(show);
    }

    void MailBoxSystem::ChangePage(bool previous)
    {
        PruneMails();
        if (previous && currentPage == 0)
            return;
        // Next never leads to an empty page.
        if (!previous && static_cast<std::size_t>((currentPage + 1) * PageSize) >= mails.size())
            return;
        ShowPage(currentPage, false);
        currentPage += previous ? -1 : 1;
        ShowPage(currentPage, true);
    }

    void MailBoxSystem::ShowFirstPage()
    {
        PruneMails();
        for (const ObjectHandle& h : mails)
            if (GameObject* o = h.Get())
                o->setActive(false);
        currentPage = 0;
        ShowPage(0, true);
    }

    void MailBoxSystem::TriggerActive()
    {
        ShowPage(currentPage, true);
    }

    void MailBoxSystem::DeleteMail(int slot)
    {
        PruneMails();
        const int i = currentPage * PageSize + slot;
        if (slot < 0 || i < 0 || static_cast<std::size_t>(i) >= mails.size())
            return;
        GameObject* entry = mails[i].Get();
        if (selected == entry)
        {
            selected.Reset();
            if (GameObject* c = contents.Get())
                c->setActive(false);
        }
        if (GameObject* parent = menuParent.Get())
            parent->RemoveChildren(entry);
        entry->Destroy();
        mails.erase(mails.begin() + i);
        LayoutMails();
        ShowPage(currentPage, true);
    }
}
