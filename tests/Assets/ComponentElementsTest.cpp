// The game's buttons keep their own keys in their listing: every shipped
// element of one, read into a fresh button and written again, comes out as
// it was, and copies and comparisons see the button's own fields.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/FieldList.h"
#include "Core/Objects/GameComponent.h"
#include "StartUp/Game.h"
#include "Support/EngineWorld.h"

namespace KiteTest
{
    namespace
    {
        namespace fs = std::filesystem;

        std::string Printed(const tinyxml2::XMLElement* element)
        {
            tinyxml2::XMLPrinter printer;
            element->Accept(&printer);
            return printer.CStr();
        }

        class ComponentElements : public EngineWorld
        {
        protected:
            void SetUp() override
            {
                StartEngine(false);
                AddFactory();
                RegisterEngineComponents();
                game.Initialise();
            }

            std::unique_ptr<GameComponent> Make(const std::string& name)
            {
                ComponentCreator* creator = factory->GetCreator(name);
                return std::unique_ptr<GameComponent>(creator ? creator->Create() : nullptr);
            }

            // The component element as this component writes it, read back
            // so that it prints as the element from the file does.
            static std::string Rewritten(GameComponent& component, const char* name)
            {
                tinyxml2::XMLDocument document;
                tinyxml2::XMLElement* element = document.NewElement(name);
                document.InsertEndChild(element);
                component.XMLSerialise(element, &document);
                tinyxml2::XMLDocument reread;
                reread.Parse(Printed(element).c_str());
                return Printed(reread.RootElement());
            }

            Game game;
        };
    }

    TEST_F(ComponentElements, ShippedButtonsAreWrittenBackAsTheyStand)
    {
        const std::set<std::string> buttons = {"StarButton",          "MailChangePageButton", "MailDeleteButton",
                                               "MailSelectionButton", "SpeedButton",          "FastForwardButton",
                                               "TwoTabToggleBtn",     "SellButton",           "UpgradeButton"};
        std::set<std::string> seen;
        for (const char* folder : {"Scenes", "Archetypes"})
        {
            for (const auto& entry : fs::recursive_directory_iterator(fs::path(KITE_ASSET_ROOT) / folder))
            {
                if (entry.path().extension() != ".xml")
                    continue;
                tinyxml2::XMLDocument file;
                ASSERT_EQ(file.LoadFile(entry.path().c_str()), tinyxml2::XML_SUCCESS) << entry.path();
                const tinyxml2::XMLElement* root = file.RootElement();
                if (!root || std::string(root->Name()) != "Components")
                    continue;
                for (const tinyxml2::XMLElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement())
                {
                    if (!buttons.count(e->Name()))
                        continue;
                    std::unique_ptr<GameComponent> c = Make(e->Name());
                    ASSERT_NE(c, nullptr) << entry.path() << ": " << e->Name();
                    // The reader takes a cursor it may move on.
                    c->XMLUnSerialise(const_cast<tinyxml2::XMLElement*>(e)->FirstChildElement());
                    EXPECT_EQ(Rewritten(*c, e->Name()), Printed(e)) << entry.path();
                    seen.insert(e->Name());
                }
            }
        }
        EXPECT_EQ(seen, buttons) << "every kind stands in the shipped files";
    }

    TEST_F(ComponentElements, AButtonsOwnFieldsAreCopiedAndCompared)
    {
        // Each button and the key it lists last: its own, after the base
        // button's (a star's pop-up name comes first, as its files hold it).
        const std::vector<std::pair<std::string, std::string>> buttons = {
            {"StarButton", "objToHover"},       {"MailChangePageButton", "prevPage"},
            {"MailDeleteButton", "index"},      {"MailSelectionButton", "msg_id"},
            {"SpeedButton", "speedButtonType"}, {"FastForwardButton", "mult3_"},
            {"TwoTabToggleBtn", "toggleeName"}};
        for (const auto& [name, key] : buttons)
        {
            SCOPED_TRACE(name);
            std::unique_ptr<GameComponent> original = Make(name);
            ASSERT_NE(original, nullptr);
            std::vector<FieldRef> fields;
            for (const FieldRef& f : ListedFields(*original))
                if (f.stored)
                    fields.push_back(f);
            ASSERT_FALSE(fields.empty());
            const FieldRef& field = name == "StarButton" ? fields.front() : fields.back();
            ASSERT_EQ(std::string(field.key), key);
            ASSERT_TRUE(field.kind == FieldKind::String || field.kind == FieldKind::Int ||
                        field.kind == FieldKind::Unsigned || field.kind == FieldKind::Bool)
                << field.key;
            switch (field.kind)
            {
            case FieldKind::String:
                field.As<std::string>() = "Changed";
                break;
            case FieldKind::Int:
                field.As<int>() = 2;
                break;
            case FieldKind::Unsigned:
                field.As<unsigned>() = 7u;
                break;
            default:
                field.As<bool>() = !field.As<bool>();
                break;
            }
            std::unique_ptr<GameComponent> fresh = Make(name);
            EXPECT_FALSE(ListedFieldsEqual(*original, *fresh)) << "a change of " << field.key << " went unnoticed";
            std::unique_ptr<GameComponent> copy(original->Clone());
            EXPECT_TRUE(ListedFieldsEqual(*original, *copy)) << field.key << " was not copied";
        }
    }
}
