// The mailbox: letters and titles from the mail texts, the threshold per
// type, pages of five, deleting, and pausing while it is open.
#include <filesystem>
#include <fstream>

#include "Core/Engine/Message.h"
#include "Core/Graphics/Sprite.h"
#include "Mail/MailBoxSystem.h"
#include "Mail/MailDeleteButton.h"
#include "Mail/MailSelectionButton.h"
#include "Mail/MailboxSwitch.h"
#include "FlowWorld.h"
#include "Game/CustomerTestAccess.h"

using namespace KiteTest;

namespace
{
    void Write(const std::filesystem::path& path, const std::string& text)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    class Mailbox : public FlowWorld
    {
    protected:
        void SetUp() override
        {
            FlowWorld::SetUp();
            const auto messages = root / "Assets" / "Messages";
            Write(messages / "types.txt", "Zero\nLiked it\nDid not like it\nFrustrated\r\nAngry\nNo time\n"
                                          "No seats\nTrash\nWants drinks\nWants noodles\n");
            Write(messages / "LMessages" / "1.txt", "Lovely food!\nBest court in town.\n");
            Write(messages / "LMessages" / "more" / "3.txt", "The queue never moved.\r\n");
            Write(messages / "LMessages" / "8.txt", "Where are the drinks?\n");
            Write(messages / "LMessages" / "9.txt", "Noodles please.\n");
            Write(messages / "LMessages" / "notes.txt", "not a type\n");
            Write(messages / "LMessages" / "12.txt", "A stall far down the list.\n");

            GameObject* parent = Make("MailboxMenuParent");
            parent->AddComponent(CT_MailboxSwitch);
            Archetype("MailboxMenuParent", parent);
            for (const char* name : {"MailMenuBG", "MailCloseBtn", "MailPrevBtn", "MailNextBtn"})
                SimpleArchetype(name);
            SimpleArchetype("MailContents", true);
            GameObject* del = Make("MailDeleteBtn");
            del->AddComponent(CT_MailDeleteButton);
            Archetype("MailDeleteBtn", del);
            GameObject* entry = Make("MailboxButton2");
            entry->AddComponent(CT_Sprite);
            entry->AddComponent(CT_Text);
            MailSelectionButton* select = Add<MailSelectionButton>(entry, CT_MailSelectionButton);
            select->SetDefaultPath("UI/Mail_Entry.png");
            select->SetMouseDownPath("UI/Mail_Entry_Down.png");
            select->SetToggleObject("MailContents");
            Archetype("MailboxButton2", entry);

            Make("Mailbox");
            testing::internal::CaptureStderr();
            mail = Add<MailBoxSystem>(Make("MailSystem"), CT_MailBoxSystem);
            errors = testing::internal::GetCapturedStderr();
            mail->threshold = 1;
            mail->Initialise();
            mail->OnStart();
        }

        std::vector<bool> Shown() const
        {
            std::vector<bool> shown;
            for (std::size_t i = 0; i < mail->GetMailCount(); ++i)
                shown.push_back(mail->GetMail(i)->isActive());
            return shown;
        }

        MailBoxSystem* mail = nullptr;
        std::string errors;
    };
}

TEST_F(Mailbox, TextsAreReadPerTypeWithTitles)
{
    EXPECT_EQ(mail->GetLetters(1), (std::vector<std::string>{"Lovely food!", "Best court in town."}));
    EXPECT_EQ(mail->GetLetters(3), (std::vector<std::string>{"The queue never moved."}));
    EXPECT_EQ(mail->GetTypeName(3), "Frustrated");
    // Beyond the titles: an empty title, not a failure.
    EXPECT_EQ(mail->GetTypeName(12), "");
    EXPECT_NE(errors.find("notes.txt"), std::string::npos);
    ASSERT_NE(mail->GetMenuParent(), nullptr);
    EXPECT_FALSE(mail->GetMenuParent()->isActive());
    EXPECT_EQ(mail->GetMenuParent()->GetParent(), Find("Mailbox"));

    mail->AddMail(12);
    ASSERT_EQ(mail->GetMailCount(), 1u);
    EXPECT_EQ(mail->GetMail(0)->GetComponent<Text>()->String(), "");

    // A copy keeps what the constructor read.
    GameComponent* copy = mail->Clone();
    EXPECT_EQ(static_cast<MailBoxSystem*>(copy)->GetLetters(1).size(), 2u);
    EXPECT_EQ(static_cast<MailBoxSystem*>(copy)->GetTypeName(1), "Liked it");
    delete copy;
}

TEST_F(Mailbox, CustomersLeavingWithAFireBubbleSendNoMailButStallOnesWishDoes)
{
    for (const char* name : {"SpeechBubbleFire", "SpeechPreference"})
        SimpleArchetype(name, false, true);
    auto leaving = [&](int bubble, int preference) {
        GameObject* o = Make("Customer");
        o->AddComponent(CT_Sprite);
        auto* c = Add<CustomerAIBehaviour>(o, CT_CustomerAIBehaviour);
        CustomerTestAccess::SetPreference(*c, preference);
        if (bubble == CustomerAIBehaviour::BubblePreference)
            c->ShowPreferenceBubble(preference);
        else
            c->ShowBubble(bubble, true);
        CustomerTestAccess::Leave(*c);
        Step();
    };
    // Fire is the court's trouble, not a complaint; even a customer who
    // wanted stall 1 complains of nothing when fire was the last word.
    leaving(CustomerAIBehaviour::BubbleFire, 0);
    leaving(CustomerAIBehaviour::BubbleFire, 1);
    EXPECT_EQ(mail->GetMailCount(), 0u);
    EXPECT_EQ(mail->GetCounter(8), 0);
    // Type 8 is the wish for stall 1.
    leaving(CustomerAIBehaviour::BubblePreference, 1);
    ASSERT_EQ(mail->GetMailCount(), 1u);
    EXPECT_EQ(mail->GetMail(0)->GetComponent<MailSelectionButton>()->type, 8);
    EXPECT_EQ(mail->GetMail(0)->GetComponent<Text>()->String(), "Wants drinks");
}

TEST_F(Mailbox, ACustomerLeavingForWantOfAnyStallShowsItsWishButSendsNoLetter)
{
    SimpleArchetype("SpeechPreference", false, true);
    VertexNode* floor = Node("os1", 0.0f, 0.0f);
    Link(floor, Node("startA", -500.0f, 0.0f));
    GameObject* o = Make("Customer");
    o->AddComponent(CT_Sprite);
    auto* c = Add<CustomerAIBehaviour>(o, CT_CustomerAIBehaviour);
    c->interpolateStep = Vector2D(100.0f, 0.0f);
    CustomerTestAccess::SetPreference(*c, 1);
    CustomerTestAccess::SetTarget(*c, floor);
    // Arrived beside where a stall stood; the level has none left.
    CustomerTestAccess::SetState(*c, CustomerAIBehaviour::LookingForShortQueue);
    o->Initialise();
    Step();
    EXPECT_EQ(c->GetNextState(), CustomerAIBehaviour::Gone);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubblePreference);
    EXPECT_EQ(mail->GetMailCount(), 0u);
    EXPECT_EQ(mail->GetCounter(8), 0);
}

TEST_F(Mailbox, ThresholdCountsEachTypeOnItsOwn)
{
    mail->threshold = 3;
    mail->AddMail(1);
    mail->AddMail(1);
    mail->AddMail(3);
    EXPECT_EQ(mail->GetMailCount(), 0u);
    EXPECT_EQ(mail->GetCounter(1), 2);
    mail->AddMail(1);
    ASSERT_EQ(mail->GetMailCount(), 1u);
    EXPECT_EQ(mail->GetCounter(1), 0);
    EXPECT_EQ(mail->GetCounter(3), 1);
    GameObject* entry = mail->GetMail(0);
    EXPECT_EQ(entry->GetComponent<Text>()->String(), "Liked it");
    EXPECT_EQ(entry->GetComponent<MailSelectionButton>()->type, 1);
    EXPECT_LT(entry->GetComponent<MailSelectionButton>()->msg_id, 2u);
    EXPECT_FALSE(entry->isActive());
    EXPECT_EQ(entry->GetComponent<Transform>()->GetDepth(), 7.1f);

    // The preference for stall 2 shares type 9 with a preference bubble;
    // stall 1's preference (type 8) is mail too.
    mail->AddBadMail(2);
    mail->AddMail(9);
    EXPECT_EQ(mail->GetCounter(9), 2);
    mail->AddBadMail(1);
    EXPECT_EQ(mail->GetCounter(8), 1);
    mail->AddBadMail(0);
    mail->AddBadMail(9);
    EXPECT_EQ(mail->GetCounter(16), 0);

    mail->threshold = 0;
    mail->AddMail(8);
    EXPECT_EQ(mail->GetMailCount(), 2u);
    EXPECT_EQ(mail->GetMail(0)->GetComponent<Text>()->String(), "Wants drinks");
    // A type without letters sends nothing.
    mail->AddMail(5);
    EXPECT_EQ(mail->GetMailCount(), 2u);
}

TEST_F(Mailbox, SixMailsMakeTwoPagesAndNextNeverShowsAnEmptyOne)
{
    for (int i = 0; i < 6; ++i)
        mail->AddMail(1);
    const std::vector<float> rows{120.0f, 20.0f, -80.0f, -180.0f, -280.0f, 120.0f};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(mail->GetMail(i)->GetComponent<Transform>()->GetTransVec().y, rows[i]) << i;
    mail->ShowFirstPage();
    EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true, true, true, false}));
    mail->ChangePage(false);
    EXPECT_EQ(mail->GetCurrentPage(), 1);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false, false, false, true}));
    mail->ChangePage(false);
    EXPECT_EQ(mail->GetCurrentPage(), 1);
    mail->ChangePage(true);
    mail->ChangePage(true);
    EXPECT_EQ(mail->GetCurrentPage(), 0);

    // Exactly five: one full page and no empty second one.
    mail->DeleteMail(0);
    ASSERT_EQ(mail->GetMailCount(), 5u);
    mail->ChangePage(false);
    EXPECT_EQ(mail->GetCurrentPage(), 0);
}

TEST_F(Mailbox, DeletingTheShownLetterHidesIt)
{
    mail->AddMail(1);
    mail->AddMail(3);
    mail->ShowFirstPage();
    GameObject* entry = mail->GetMail(0);
    MailSelectionButton* select = entry->GetComponent<MailSelectionButton>();
    select->Initialise();
    select->ButtonActive(true);
    MouseCollideMessage down(MsgID::MouseDown);
    entry->SendMessage(&down);
    ASSERT_NE(mail->GetContents(), nullptr);
    EXPECT_TRUE(mail->GetContents()->isActive());
    EXPECT_EQ(mail->GetContents()->GetComponent<Text>()->String(), "The queue never moved.");
    EXPECT_EQ(entry->GetComponent<Sprite>()->GetTexturePath(), "UI/Mail_Entry_Down.png");

    // Deleting the other entry keeps the letter.
    mail->DeleteMail(1);
    EXPECT_TRUE(mail->GetContents()->isActive());
    mail->DeleteMail(4);  // an empty row
    EXPECT_EQ(mail->GetMailCount(), 1u);
    mail->DeleteMail(0);
    EXPECT_EQ(mail->GetMailCount(), 0u);
    EXPECT_FALSE(mail->GetContents()->isActive());
    factory->Update();
    EXPECT_EQ(Find("MailboxButton2"), nullptr);
    mail->DeleteMail(0);
    mail->ShowMail(7, 0, nullptr);
}

TEST_F(Mailbox, OpenPausesAndClosingReturnsThePreviousSpeed)
{
    mail->AddMail(1);
    GameObject* menu = mail->GetMenuParent();
    MailboxSwitch* sw = menu->GetComponent<MailboxSwitch>();
    engine->SetTimeFactor(2.0f);
    menu->setActive(true);
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f);
    EXPECT_TRUE(mail->GetMail(0)->isActive());
    // A second activation must not store the pause as the speed to return to.
    menu->setActive(true);
    EXPECT_TRUE(sw->IsOpen());
    menu->setActive(false);
    EXPECT_EQ(engine->GetTimeFactor(), 2.0f);
    menu->setActive(false);
    EXPECT_EQ(engine->GetTimeFactor(), 2.0f);
}
