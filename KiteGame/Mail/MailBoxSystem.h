// MailBoxSystem: the in-game mail. Counts customers who leave with a
// complaint or a wish per mail type, turns every `threshold` of them into a
// letter in the mailbox, and shows the list five entries a page.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class BaseButton;

    class MailBoxSystem : public Script, public CurrentInstance<MailBoxSystem>
    {
    public:
        static constexpr int PageSize = 5;
        // Preference mails: stall type w is mail type w + 7.
        static constexpr int PreferenceOffset = 7;

        MailBoxSystem();
        MailBoxSystem(const MailBoxSystem& other);

        void OnStart() override;
        void TriggerActive() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        // Reads the letters and the type titles again (tests point the asset
        // path elsewhere after construction).
        void LoadTexts();

        void AddMail(int type);
        void AddBadMail(int stall);
        void ShowMail(int type, int index, BaseButton* button);
        void ChangePage(bool previous);
        void ShowFirstPage();
        void DeleteMail(int slot);
        void LayoutMails();

        std::size_t GetMailCount() const { return mails.size(); }
        GameObject* GetMail(std::size_t i) const { return i < mails.size() ? mails[i].Get() : nullptr; }
        int GetCurrentPage() const { return currentPage; }
        int GetCounter(int type) const;
        const std::vector<std::string>& GetLetters(int type) const;
        std::string GetTypeName(int type) const;
        GameObject* GetContents() const { return contents.Get(); }
        GameObject* GetMenuParent() const { return menuParent.Get(); }

        // Stored field.
        int threshold = 0;

    private:
        void ShowPage(int page, bool show);
        void PruneMails();

        std::map<int, std::vector<std::string>> letters;
        std::map<int, int> counters;
        std::deque<ObjectHandle> mails;
        std::vector<std::string> typeNames;
        ObjectHandle contents;
        ObjectHandle menuParent;
        ObjectHandle prevButton;
        ObjectHandle nextButton;
        int currentPage = 0;
        ObjectHandle selected;
    };
}
