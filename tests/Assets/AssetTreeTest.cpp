// The game's asset tree: every scene and archetype loads without a complaint,
// every texture, sound and archetype they name exists with its exact case,
// sprite sheets divide into the columns asked of them, and the stall and seat
// tables are well formed and agree with the stall archetypes.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Assets/ShippedGame.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Scenes/SceneManager.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    const fs::path kRoot = KITE_ASSET_ROOT;

    bool EndsWith(const std::string& text, const std::string& tail)
    {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }

    std::vector<fs::path> XmlFilesUnder(const fs::path& folder)
    {
        std::vector<fs::path> files;
        if (!fs::exists(folder))
            return files;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == ".xml")
                files.push_back(entry.path());
        return files;
    }

    void CollectTexts(const tinyxml2::XMLElement* element, std::vector<std::string>& texts)
    {
        for (; element; element = element->NextSiblingElement())
        {
            if (element->GetText())
                texts.push_back(element->GetText());
            CollectTexts(element->FirstChildElement(), texts);
        }
    }

    std::vector<const tinyxml2::XMLElement*> Children(const tinyxml2::XMLElement* parent)
    {
        std::vector<const tinyxml2::XMLElement*> children;
        for (const tinyxml2::XMLElement* e = parent ? parent->FirstChildElement() : nullptr; e;
             e = e->NextSiblingElement())
            children.push_back(e);
        return children;
    }

    int IntChild(const tinyxml2::XMLElement* element, const char* name)
    {
        const tinyxml2::XMLElement* child = element ? element->FirstChildElement(name) : nullptr;
        return child ? child->IntText(-1) : -1;
    }

    int Count(const tinyxml2::XMLElement* container) { return static_cast<int>(Children(container).size()); }

    // Rows after the header, split at commas; the file has LF line ends only.
    std::vector<std::vector<std::string>> CsvRows(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        EXPECT_TRUE(in.good()) << file;
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(text.find('\r'), std::string::npos) << file;
        std::istringstream lines(text);
        std::string line;
        std::getline(lines, line);
        std::vector<std::vector<std::string>> rows;
        while (std::getline(lines, line))
        {
            std::vector<std::string> fields;
            std::istringstream cells(line);
            for (std::string cell; std::getline(cells, cell, ',');)
                fields.push_back(cell);
            EXPECT_EQ(fields.size(), 4u) << file << ": " << line;
            fields.resize(4);
            for (int f : {2, 3})
                EXPECT_TRUE(!fields[f].empty() && fields[f].find_first_not_of("0123456789") == std::string::npos)
                    << file << ": field " << f + 1 << " of \"" << line << "\" is not a whole number";
            rows.push_back(fields);
        }
        return rows;
    }

    // Width and height of a PNG from its header; (0, 0) when unreadable.
    std::pair<unsigned, unsigned> PngSize(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        unsigned char header[24] = {};
        if (!in.read(reinterpret_cast<char*>(header), sizeof header))
            return {0, 0};
        auto word = [&](int at) {
            return (unsigned(header[at]) << 24) | (unsigned(header[at + 1]) << 16) | (unsigned(header[at + 2]) << 8) |
                   unsigned(header[at + 3]);
        };
        return {word(16), word(20)};
    }

    // A sheet of `columns` equal cells: its width divides by the count.
    int ExpectSheet(const fs::path& user, const std::string& texture, int columns)
    {
        const std::pair<unsigned, unsigned> size = PngSize(kRoot / "Sprites" / texture);
        EXPECT_GT(size.first, 0u) << user << ": " << texture;
        EXPECT_GT(columns, 0) << user << ": " << texture;
        if (columns > 0)
        {
            EXPECT_EQ(size.first % static_cast<unsigned>(columns), 0u)
                << user << ": " << texture << " is " << size.first << " wide for " << columns << " columns";
        }
        return 1;
    }

    std::vector<std::string> SceneNames()
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(kRoot / "Scenes"))
            if (entry.is_regular_file() && entry.path().extension() == ".xml")
                names.push_back(entry.path().stem().string());
        return names;
    }
}

TEST(AssetTree, TexturesAndSoundsNamedByScenesAndArchetypesExist)
{
    std::vector<fs::path> files = XmlFilesUnder(kRoot / "Scenes");
    std::vector<fs::path> archetypes = XmlFilesUnder(kRoot / "Archetypes");
    files.insert(files.end(), archetypes.begin(), archetypes.end());
    ASSERT_FALSE(files.empty());

    int checked = 0;
    for (const fs::path& file : files)
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
        std::vector<std::string> texts;
        CollectTexts(document.RootElement(), texts);
        for (const std::string& text : texts)
        {
            fs::path expected;
            if (EndsWith(text, ".png"))
                expected = kRoot / "Sprites" / text;
            else if (EndsWith(text, ".wav") || EndsWith(text, ".ogg"))
                expected = kRoot / "Audio" / (text.rfind("Assets/Audio/", 0) == 0 ? text.substr(13) : text);
            else
                continue;
            ++checked;
            EXPECT_TRUE(fs::is_regular_file(expected)) << file << " names \"" << text << "\"";
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(AssetTree, EverySceneIndexMatchesItsComponentFiles)
{
    for (const std::string& name : SceneNames())
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile((kRoot / "Scenes" / (name + ".xml")).string().c_str()), tinyxml2::XML_SUCCESS);
        const tinyxml2::XMLElement* root = document.RootElement();
        ASSERT_NE(root, nullptr) << name;
        EXPECT_STREQ(root->Name(), "Scene") << name;
        std::set<unsigned> ids;
        std::vector<unsigned> parents;
        for (const tinyxml2::XMLElement* o = root->FirstChildElement("GameObject"); o;
             o = o->NextSiblingElement("GameObject"))
        {
            unsigned id = 0;
            unsigned parent = 0;
            ASSERT_EQ(o->QueryUnsignedAttribute("objectId", &id), tinyxml2::XML_SUCCESS) << name;
            o->QueryUnsignedAttribute("parentId", &parent);
            EXPECT_TRUE(ids.insert(id).second) << name << ": id " << id << " twice";
            parents.push_back(parent);
            EXPECT_TRUE(fs::is_regular_file(kRoot / "Scenes" / name / (std::to_string(id) + ".xml")))
                << name << ": object " << id << " has no component file";
        }
        for (unsigned parent : parents)
            EXPECT_TRUE(parent == 0 || ids.count(parent)) << name << ": parent " << parent << " missing";
    }
}

TEST(AssetTree, EverySceneAndArchetypeLoadsWithoutAComplaint)
{
    KiteTest::ShippedGame game;
    ASSERT_TRUE(game.Start(SceneNames()));
    EXPECT_EQ(game.StartReports(), "") << "archetypes";
    EXPECT_EQ(ARCHETYPESYS->GetArcheMap().size(), XmlFilesUnder(kRoot / "Archetypes").size());

    for (const std::string& name : SceneNames())
    {
        const std::string errors = game.Load(name);
        EXPECT_EQ(SCENEMNGR->GetCurrentSceneName(), name);
        EXPECT_GT(FACTORY->GetObjects().size() + FACTORY->GetUIObjects().size(), 0u) << name;
        EXPECT_EQ(errors, "") << "scene \"" << name << "\"";
    }
}

TEST(AssetTree, ArchetypesNamedByLevelSettingsExistWithExactCase)
{
    for (const fs::path& file : XmlFilesUnder(kRoot / "Scenes"))
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
        const tinyxml2::XMLElement* root = document.RootElement();
        // Customers are made from "Customer0" and a number from 1.
        if (const tinyxml2::XMLElement* customers = root->FirstChildElement("CustomerSystem"))
        {
            const int count = IntChild(customers, "numArcheCreated");
            EXPECT_GT(count, 0) << file;
            for (int n = 1; n <= count; ++n)
                EXPECT_TRUE(fs::is_regular_file(kRoot / "Archetypes" / ("Customer0" + std::to_string(n) + ".xml")))
                    << file << ": customer archetype " << n;
            EXPECT_EQ(Count(customers->FirstChildElement("customerSprites")), count) << file;
        }
        // Stall types are the archetypes "Stall" and a number from 1.
        if (const tinyxml2::XMLElement* stalls = root->FirstChildElement("StallsSystem"))
        {
            const int types = IntChild(stalls, "typesOfStalls");
            EXPECT_EQ(Count(stalls->FirstChildElement("stallSprites")), types) << file;
            for (int n = 1; n <= types; ++n)
                EXPECT_TRUE(fs::is_regular_file(kRoot / "Archetypes" / ("Stall" + std::to_string(n) + ".xml")))
                    << file << ": stall archetype " << n;
        }
    }
}

TEST(AssetTree, StallAndSeatTablesHaveOneWellFormedRowPerTypeAndAgreeWithTheArchetypes)
{
    const std::vector<std::vector<std::string>> stalls = CsvRows(kRoot / "StallData" / "StallData.csv");
    const std::vector<std::vector<std::string>> seats = CsvRows(kRoot / "SeatData" / "SeatData.csv");
    ASSERT_FALSE(seats.empty());
    int stallArchetypes = 0;
    while (fs::is_regular_file(kRoot / "Archetypes" / ("Stall" + std::to_string(stallArchetypes + 1) + ".xml")))
        ++stallArchetypes;
    ASSERT_EQ(stalls.size(), static_cast<std::size_t>(stallArchetypes));

    for (int n = 1; n <= stallArchetypes; ++n)
    {
        SCOPED_TRACE("row " + std::to_string(n));
        const std::vector<std::string>& row = stalls[n - 1];
        tinyxml2::XMLDocument document;
        const std::string path = (kRoot / "Archetypes" / ("Stall" + std::to_string(n) + ".xml")).string();
        ASSERT_EQ(document.LoadFile(path.c_str()), tinyxml2::XML_SUCCESS);
        const tinyxml2::XMLElement* stall = document.RootElement()->FirstChildElement("StallsBehaviour");
        ASSERT_NE(stall, nullptr);
        // The build button charges the table's price; the stall checks its own.
        EXPECT_EQ(std::stof(row[2]), std::stof(stall->FirstChildElement("constructionCost")->GetText()));
        EXPECT_EQ(IntChild(stall, "stallIndex_"), n);
    }
    for (const fs::path& file : XmlFilesUnder(kRoot / "Scenes"))
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
        if (const tinyxml2::XMLElement* system = document.RootElement()->FirstChildElement("SeatsSystem"))
        {
            EXPECT_EQ(std::stof(seats[0][2]), std::stof(system->FirstChildElement("seatsCost")->GetText())) << file;
        }
    }
}

TEST(AssetTree, SpriteSheetsDivideIntoTheColumnsTheirUsersAsk)
{
    int checked = 0;
    std::vector<fs::path> files = XmlFilesUnder(kRoot / "Scenes");
    std::vector<fs::path> archetypes = XmlFilesUnder(kRoot / "Archetypes");
    files.insert(files.end(), archetypes.begin(), archetypes.end());
    for (const fs::path& file : files)
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
        const tinyxml2::XMLElement* root = document.RootElement();
        for (const tinyxml2::XMLElement* sprite = root->FirstChildElement("Sprite"); sprite;
             sprite = sprite->NextSiblingElement("Sprite"))
        {
            const char* path = sprite->FirstChildElement("texturePath")->GetText();
            if (path)
                checked += ExpectSheet(file, path, IntChild(sprite, "columns"));
        }
        // Customer poses: one sheet per look and pose, the pose's column count.
        if (const tinyxml2::XMLElement* customers = root->FirstChildElement("CustomerSystem"))
        {
            std::vector<int> columns;
            for (const tinyxml2::XMLElement* c : Children(customers->FirstChildElement("customerSpriteCols_")))
                columns.push_back(c->IntText());
            for (const tinyxml2::XMLElement* look : Children(customers->FirstChildElement("customerSprites")))
            {
                const std::vector<const tinyxml2::XMLElement*> poses = Children(look);
                EXPECT_EQ(poses.size(), 5u) << file << ": five poses per look";
                for (std::size_t pose = 0; pose < poses.size() && pose < columns.size(); ++pose)
                    checked += ExpectSheet(file, poses[pose]->FirstChildElement("first")->GetText(), columns[pose]);
            }
        }
        // Stall sheets: every type, band and state in the shared layout.
        if (const tinyxml2::XMLElement* stalls = root->FirstChildElement("StallsSystem"))
        {
            const int columns = IntChild(stalls->FirstChildElement("animationColRow_"), "first");
            for (const tinyxml2::XMLElement* type : Children(stalls->FirstChildElement("stallSprites")))
            {
                EXPECT_EQ(Count(type), 3) << file << ": three level bands";
                for (const tinyxml2::XMLElement* band : Children(type))
                {
                    EXPECT_EQ(Count(band), 3) << file << ": idle, serving, burnt";
                    for (const tinyxml2::XMLElement* pair : Children(band))
                        checked += ExpectSheet(file, pair->FirstChildElement("first")->GetText(), columns);
                }
            }
        }
    }
    EXPECT_GT(checked, 0);
}
