// Every archetype, scene, object, texture and sound the game code and the
// data name exists, with its exact case. The game's sources are read as
// text: string literals handed to the calls that make, load or look things
// up by name, or compared with the current scene's name, are collected
// (through the constants and tables they come from), so a new name without
// its file fails here rather than in play.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
    const fs::path kRoot = KITE_ASSET_ROOT;
    const fs::path kCode = fs::path(KITE_SOURCE_ROOT) / "KiteGame";

    enum class Kind
    {
        Archetype,
        Scene,
        Object,
        Texture,
        Sound
    };

    const char* KindName(Kind k)
    {
        switch (k)
        {
        case Kind::Archetype: return "archetype";
        case Kind::Scene: return "scene";
        case Kind::Object: return "object";
        case Kind::Texture: return "texture";
        case Kind::Sound: return "sound";
        }
        return "?";
    }

    // Calls whose argument `arg` names something of `kind`; the game's own
    // helpers that pass a name straight on are listed with the engine's.
    struct Callee
    {
        const char* name;
        int arg;
        Kind kind;
    };
    const Callee kCallees[] = {
        {"Instantiate", 0, Kind::Archetype},   {"InstantiateReported", 0, Kind::Archetype},
        {"FindArchetype", 0, Kind::Archetype}, {"MakeRow", 0, Kind::Archetype},
        {"ShowEffect", 0, Kind::Archetype},    {"ShowAmount", 0, Kind::Archetype},
        {"Child", 1, Kind::Archetype},         {"TextChild", 1, Kind::Archetype},
        {"LoadLevel", 0, Kind::Scene},         {"SetFnStrParam", 0, Kind::Scene},
        {"PointNextButton", 1, Kind::Scene},   {"FindObjByName", 0, Kind::Object},
        {"FindNamed", 0, Kind::Object},        {"Find", 0, Kind::Object},
        {"Resolve", 1, Kind::Object},          {"InGameSet", 0, Kind::Texture},
        {"InGameSetAll", 0, Kind::Texture},    {"InGameSetAll", 1, Kind::Texture},
        {"SetDefaultPath", 0, Kind::Texture},  {"SetMouseDownPath", 0, Kind::Texture},
        {"SetTexturePath", 0, Kind::Texture}};

    std::vector<std::string> Numbered(const std::string& head, int from, int to, const std::string& tail = "")
    {
        std::vector<std::string> names;
        for (int i = from; i <= to; ++i)
            names.push_back(head + std::to_string(i) + tail);
        return names;
    }

    // Names the code builds at run time, each with why and what it can become.
    struct Built
    {
        const char* file;
        const char* argument;
        Kind kind;
        std::vector<std::string> names;
        const char* scene;  // where the objects must be; "" for any scene
        const char* why;
    };
    const std::vector<Built>& BuiltNames()
    {
        static const std::vector<Built> built = {
            {"CustomerSystem.cpp", "name", Kind::Archetype, Numbered("Customer0", 1, 5), "",
             "one per customer look, as many as a level's numArcheCreated (5 in every level)"},
            {"CustomerFeedback.cpp", R"("FX/Bubble_Stall" + std::to_string(stallType) + ".png")", Kind::Texture,
             Numbered("FX/Bubble_Stall", 1, 8, ".png"), "", "the wish bubble of each of the eight stall types"},
            {"QuestSystem.cpp", R"("Star" + digit)", Kind::Object, Numbered("Star", 1, 3), "Level1",
             "the three stars of a level"},
            {"QuestSystem.cpp", R"("InnerProgressionBar" + digit)", Kind::Object,
             Numbered("InnerProgressionBar", 1, 3), "Level1", "the bar of each star"},
            {"QuestSystem.cpp", R"("StarPopUp" + digit)", Kind::Object, Numbered("StarPopUp", 1, 3), "Level1",
             "the percentage shown over each star"},
            {"TutorialSystem.cpp", R"("Instruction_" + std::to_string(i))", Kind::Object,
             Numbered("Instruction_", 0, 33), "TutorialLevel", "one instruction panel per tutorial step"},
            {"TutorialSystem.cpp", R"("TutorialArrow_" + std::to_string(i))", Kind::Object,
             Numbered("TutorialArrow_", 0, 3), "TutorialLevel", "the tutorial's four pointing arrows"},
        };
        return built;
    }

    std::string ReadAll(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string Trim(const std::string& s)
    {
        const auto first = s.find_first_not_of(" \t\r\n");
        if (first == std::string::npos)
            return std::string();
        return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
    }

    bool IdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

    // Index just past the literal starting at the quote at i.
    std::size_t SkipLiteral(const std::string& s, std::size_t i)
    {
        const char quote = s[i];
        for (++i; i < s.size() && s[i] != quote; ++i)
            if (s[i] == '\\')
                ++i;
        return i + 1;
    }

    // Comments become blanks; literals (which may hold "//") are kept.
    std::string WithoutComments(const std::string& text)
    {
        std::string out = text;
        for (std::size_t i = 0; i < out.size();)
        {
            if (out[i] == '"' || (out[i] == '\'' && !(i > 0 && IdentChar(out[i - 1]))))
                i = SkipLiteral(out, i);
            else if (out.compare(i, 2, "//") == 0)
                for (; i < out.size() && out[i] != '\n'; ++i)
                    out[i] = ' ';
            else if (out.compare(i, 2, "/*") == 0)
            {
                const std::size_t end = std::min(out.find("*/", i + 2), out.size() - 2) + 2;
                for (; i < end; ++i)
                    if (out[i] != '\n')
                        out[i] = ' ';
            }
            else
                ++i;
        }
        return out;
    }

    std::vector<std::string> Literals(const std::string& text)
    {
        std::vector<std::string> found;
        for (std::size_t i = 0; i < text.size();)
            if (text[i] == '"')
            {
                const std::size_t end = SkipLiteral(text, i);
                found.push_back(text.substr(i + 1, end - i - 2));
                i = end;
            }
            else
                ++i;
        return found;
    }

    // Walks s from `from` past string literals, calling visit(i, c, depth)
    // with the bracket depth after c; the index where visit returned true, or
    // npos.
    template <typename Visit>
    std::size_t WalkCode(const std::string& s, std::size_t from, Visit visit)
    {
        int depth = 0;
        for (std::size_t i = from; i < s.size();)
        {
            const char c = s[i];
            if (c == '"')
            {
                i = SkipLiteral(s, i);
                continue;
            }
            if (c == '(' || c == '[' || c == '{')
                ++depth;
            else if (c == ')' || c == ']' || c == '}')
                --depth;
            if (visit(i, c, depth))
                return i;
            ++i;
        }
        return std::string::npos;
    }

    // Index of the bracket closing the one at `open`, or npos.
    std::size_t Closing(const std::string& s, std::size_t open)
    {
        return WalkCode(s, open, [](std::size_t, char c, int depth) {
            return (c == ')' || c == ']' || c == '}') && depth == 0;
        });
    }

    // The arguments of the call whose '(' is at `open`, split at top-level commas.
    std::vector<std::string> Arguments(const std::string& s, std::size_t open)
    {
        const std::size_t close = Closing(s, open);
        std::vector<std::string> args;
        if (close == std::string::npos)
            return args;
        std::size_t start = open + 1;
        WalkCode(s, open + 1, [&](std::size_t i, char c, int depth) {
            if ((c == ',' && depth == 0) || i == close)
            {
                args.push_back(Trim(s.substr(start, i - start)));
                start = i + 1;
            }
            return i == close;
        });
        return args;
    }

    // Where `word` stands as a whole identifier.
    std::vector<std::size_t> Occurrences(const std::string& code, const std::string& word)
    {
        std::vector<std::size_t> at;
        for (std::size_t i = code.find(word); i != std::string::npos; i = code.find(word, i + 1))
        {
            const bool before = i > 0 && (IdentChar(code[i - 1]));
            const bool after = i + word.size() < code.size() && IdentChar(code[i + word.size()]);
            if (!before && !after)
                at.push_back(i);
        }
        return at;
    }

    std::size_t SkipBlanks(const std::string& s, std::size_t i)
    {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        return i;
    }

    // The literals a name is given in its file: `x = "a"`, `x[] = {"a", "b"}`;
    // `built` when a literal is only the start of the value (`x = "a" + n`).
    std::vector<std::string> ValuesOf(const std::string& code, const std::string& ident, bool& built)
    {
        std::vector<std::string> values;
        for (std::size_t at : Occurrences(code, ident))
        {
            std::size_t i = SkipBlanks(code, at + ident.size());
            if (i < code.size() && code[i] == '[')
            {
                const std::size_t close = Closing(code, i);
                if (close == std::string::npos)
                    continue;
                i = SkipBlanks(code, close + 1);
            }
            if (i + 1 >= code.size() || code[i] != '=' || code[i + 1] == '=')
                continue;
            i = SkipBlanks(code, i + 1);
            if (i < code.size() && code[i] == '"')
            {
                const std::size_t end = SkipLiteral(code, i);
                values.push_back(Literals(code.substr(i, end - i))[0]);
                const std::size_t next = SkipBlanks(code, end);
                built = built || (next < code.size() && std::string(";,)}").find(code[next]) == std::string::npos);
            }
            else if (i < code.size() && code[i] == '{')
            {
                const std::size_t close = Closing(code, i);
                if (close != std::string::npos)
                    for (const std::string& v : Literals(code.substr(i, close - i)))
                        values.push_back(v);
            }
        }
        return values;
    }

    // A plain name, or a name indexed: what ValuesOf can look up.
    std::string LookupName(const std::string& arg)
    {
        std::size_t end = 0;
        while (end < arg.size() && IdentChar(arg[end]))
            ++end;
        if (end == 0 || std::isdigit(static_cast<unsigned char>(arg[0])))
            return std::string();
        if (end == arg.size() || (arg[end] == '[' && arg.back() == ']'))
            return arg.substr(0, end);
        return std::string();
    }

    // The first members of the file's table rows `{"Name", ...}`: where a
    // field of a row (`part.archetype`) is handed on.
    std::vector<std::string> RowNames(const std::string& code)
    {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < code.size();)
        {
            if (code[i] == '"')
            {
                i = SkipLiteral(code, i);
                continue;
            }
            if (code[i] == '{')
            {
                const std::size_t at = SkipBlanks(code, i + 1);
                if (at < code.size() && code[at] == '"')
                {
                    const std::size_t end = SkipLiteral(code, at);
                    const std::size_t next = SkipBlanks(code, end);
                    if (next < code.size() && code[next] == ',')
                        names.push_back(code.substr(at + 1, end - at - 2));
                }
            }
            ++i;
        }
        return names;
    }

    bool RowField(const std::string& arg)
    {
        const std::size_t dot = arg.find('.');
        if (dot == std::string::npos || dot == 0 || dot + 1 == arg.size())
            return false;
        for (std::size_t i = 0; i < arg.size(); ++i)
            if (i != dot && !IdentChar(arg[i]))
                return false;
        return true;
    }

    struct Use
    {
        std::string where;
        Kind kind;
        std::string name;
        std::string scene;
        // The component whose file names it (the file's stem).
        std::string component;
    };

    // Every use of a name in the game's sources; built names not listed go to `unlisted`.
    std::vector<Use> CodeUses(std::vector<std::string>& unlisted, std::set<const Built*>& builtSeen,
                              std::set<std::string>& namedByCode)
    {
        std::vector<Use> uses;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kCode))
        {
            if (!entry.is_regular_file() || entry.path().extension() != ".cpp")
                continue;
            const std::string file = entry.path().filename().string();
            const std::size_t firstOfFile = uses.size();
            const std::string code = WithoutComments(ReadAll(entry.path()));
            // Objects the code makes and names itself.
            for (std::size_t at : Occurrences(code, "setName"))
            {
                const std::size_t open = SkipBlanks(code, at + 7);
                if (open < code.size() && code[open] == '(')
                    for (const std::string& v : Literals(Arguments(code, open).empty() ? "" : Arguments(code, open)[0]))
                        namedByCode.insert(v);
            }
            // Art and sound by their file name, wherever they are written.
            for (const std::string& literal : Literals(code))
            {
                const std::string tail = literal.size() > 4 ? literal.substr(literal.size() - 4) : std::string();
                if (tail == ".png")
                    uses.push_back({file, Kind::Texture, literal, "", ""});
                else if (tail == ".wav" || tail == ".ogg")
                    uses.push_back({file, Kind::Sound, literal, "", ""});
            }
            // A scene name compared with the current one (`scene == "Level2"`).
            for (std::size_t at = code.find("=="); at != std::string::npos; at = code.find("==", at + 2))
            {
                const std::size_t quote = SkipBlanks(code, at + 2);
                if (quote >= code.size() || code[quote] != '"')
                    continue;
                const std::size_t lineStart = code.rfind('\n', at) + 1;
                std::string left = code.substr(lineStart, at - lineStart);
                std::transform(left.begin(), left.end(), left.begin(), [](unsigned char c) { return std::tolower(c); });
                if (left.find("scene") != std::string::npos)
                    uses.push_back({file + " scene ==", Kind::Scene,
                                    code.substr(quote + 1, SkipLiteral(code, quote) - quote - 2), "", ""});
            }
            for (const Callee& callee : kCallees)
                for (std::size_t at : Occurrences(code, callee.name))
                {
                    const std::size_t open = SkipBlanks(code, at + std::string(callee.name).size());
                    if (open >= code.size() || code[open] != '(')
                        continue;
                    const std::vector<std::string> args = Arguments(code, open);
                    if (static_cast<int>(args.size()) <= callee.arg)
                        continue;
                    const std::string& arg = args[callee.arg];
                    // A declaration or definition of the helper itself.
                    if (arg.rfind("const ", 0) == 0)
                        continue;
                    const std::string where = file + " " + callee.name + "(" + arg + ")";
                    const std::vector<std::string> literals = Literals(arg);
                    if (literals.size() == 1 && arg == "\"" + literals[0] + "\"")
                    {
                        uses.push_back({where, callee.kind, literals[0], "", ""});
                        continue;
                    }
                    // A constant or table of this file; anything else comes
                    // from data or a caller, and is checked there.
                    const std::string lookup = LookupName(arg);
                    bool built = false;
                    const std::vector<std::string> values =
                        lookup.empty() ? std::vector<std::string>() : ValuesOf(code, lookup, built);
                    if (!literals.empty() || built)
                    {
                        const Built* listed = nullptr;
                        for (const Built& b : BuiltNames())
                            if (file == b.file && arg == b.argument && callee.kind == b.kind)
                                listed = &b;
                        if (!listed)
                        {
                            unlisted.push_back(where);
                            continue;
                        }
                        builtSeen.insert(listed);
                        for (const std::string& name : listed->names)
                            uses.push_back({where, listed->kind, name, listed->scene, ""});
                        continue;
                    }
                    for (const std::string& value : values)
                        if (!value.empty())
                            uses.push_back({where + " = \"" + value + "\"", callee.kind, value, "", ""});
                    // Only archetype tables are laid out as rows; other rows
                    // (field labels and the like) name nothing.
                    if (callee.kind == Kind::Archetype && RowField(arg))
                        for (const std::string& value : RowNames(code))
                            uses.push_back({where + " = \"" + value + "\"", callee.kind, value, "", ""});
                }
            for (std::size_t i = firstOfFile; i < uses.size(); ++i)
                uses[i].component = entry.path().stem().string();
        }
        return uses;
    }

    // Scene name to the names of its objects.
    std::map<std::string, std::set<std::string>> SceneObjects()
    {
        std::map<std::string, std::set<std::string>> scenes;
        for (const fs::directory_entry& entry : fs::directory_iterator(kRoot / "Scenes"))
        {
            if (!entry.is_regular_file() || entry.path().extension() != ".xml")
                continue;
            tinyxml2::XMLDocument document;
            if (document.LoadFile(entry.path().string().c_str()) != tinyxml2::XML_SUCCESS || !document.RootElement())
                continue;
            std::set<std::string>& names = scenes[entry.path().stem().string()];
            for (const tinyxml2::XMLElement* o = document.RootElement()->FirstChildElement("GameObject"); o;
                 o = o->NextSiblingElement("GameObject"))
                if (const char* name = o->Attribute("name"))
                    names.insert(name);
        }
        return scenes;
    }

    // Whether a file of exactly this name (case included) is in the folder.
    bool HasFile(const fs::path& folder, const std::string& relative)
    {
        const fs::path full = folder / relative;
        if (!fs::is_regular_file(full))
            return false;
        for (const fs::directory_entry& entry : fs::directory_iterator(full.parent_path()))
            if (entry.path().filename() == full.filename())
                return true;
        return false;
    }

    class Names
    {
    public:
        Names() : scenes(SceneObjects())
        {
            for (const fs::directory_entry& entry : fs::directory_iterator(kRoot / "Archetypes"))
                if (entry.path().extension() == ".xml")
                    archetypes.insert(entry.path().stem().string());
            // Which scenes hold which components.
            for (const auto& scene : scenes)
                for (const fs::directory_entry& entry : fs::directory_iterator(kRoot / "Scenes" / scene.first))
                {
                    tinyxml2::XMLDocument document;
                    if (document.LoadFile(entry.path().string().c_str()) != tinyxml2::XML_SUCCESS ||
                        !document.RootElement())
                        continue;
                    for (const tinyxml2::XMLElement* c = document.RootElement()->FirstChildElement(); c;
                         c = c->NextSiblingElement())
                        users[c->Name()].insert(scene.first);
                }
        }

        // The scenes where a component looks the object up and does not find it.
        std::vector<std::string> MissingFrom(const Use& use) const
        {
            std::vector<std::string> missing;
            auto holders = users.find(use.component);
            if (holders == users.end())
                return missing;
            for (const std::string& scene : holders->second)
                if (!scenes.at(scene).count(use.name))
                    missing.push_back(scene);
            return missing;
        }

        bool Exists(const Use& use, const std::set<std::string>& namedByCode) const
        {
            switch (use.kind)
            {
            case Kind::Archetype: return archetypes.count(use.name) > 0;
            case Kind::Scene: return scenes.count(use.name) > 0;
            case Kind::Texture: return HasFile(kRoot / "Sprites", use.name);
            case Kind::Sound: return HasFile(kRoot / "Audio", use.name);
            case Kind::Object:
                if (!use.scene.empty())
                    return scenes.count(use.scene) && scenes.at(use.scene).count(use.name);
                if (archetypes.count(use.name) || namedByCode.count(use.name))
                    return true;
                for (const auto& scene : scenes)
                    if (scene.second.count(use.name))
                        return true;
                return false;
            }
            return false;
        }

        std::map<std::string, std::set<std::string>> scenes;
        std::set<std::string> archetypes;
        std::map<std::string, std::set<std::string>> users;
    };

    std::vector<fs::path> DataFiles()
    {
        std::vector<fs::path> files;
        for (const char* folder : {"Scenes", "Archetypes"})
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kRoot / folder))
                if (entry.is_regular_file() && entry.path().extension() == ".xml")
                    files.push_back(entry.path());
        return files;
    }

    void CollectFields(const tinyxml2::XMLElement* e, std::vector<std::pair<std::string, std::string>>& fields)
    {
        for (; e; e = e->NextSiblingElement())
        {
            if (e->GetText())
                fields.emplace_back(e->Name(), Trim(e->GetText()));
            CollectFields(e->FirstChildElement(), fields);
        }
    }
}

TEST(AssetTree, EveryNameTheGameCodeUsesExistsWithExactCase)
{
    std::vector<std::string> unlisted;
    std::set<const Built*> builtSeen;
    std::set<std::string> namedByCode;
    const std::vector<Use> uses = CodeUses(unlisted, builtSeen, namedByCode);
    const Names names;

    std::map<Kind, int> checked;
    // KITE_LIST_NAMES=1 lists every name checked and where the code names it.
    const bool list = std::getenv("KITE_LIST_NAMES") != nullptr;
    for (const Use& use : uses)
    {
        if (list)
            std::cout << KindName(use.kind) << " " << use.name << "  <- " << use.where << "\n";
        ++checked[use.kind];
        EXPECT_TRUE(names.Exists(use, namedByCode))
            << use.where << ": no " << KindName(use.kind) << " \"" << use.name << "\""
            << (use.scene.empty() ? "" : " in scene " + use.scene);
        // An object a level's component looks up must be in every scene
        // holding that component, unless the game makes it.
        if (use.kind == Kind::Object && use.scene.empty() && !names.archetypes.count(use.name) &&
            !namedByCode.count(use.name))
            for (const std::string& scene : names.MissingFrom(use))
                ADD_FAILURE() << use.where << ": scene " << scene << " holds a " << use.component
                              << " but no object \"" << use.name << "\"";
    }
    for (const std::string& where : unlisted)
        ADD_FAILURE() << where << ": a name built at run time; list it with what it can become";
    for (const Built& b : BuiltNames())
        EXPECT_TRUE(builtSeen.count(&b)) << b.file << " " << b.argument << ": listed but no longer in the code";
    // The reader found the calls at all (a parser that sees nothing passes nothing).
    EXPECT_GE(checked[Kind::Archetype], 40);
    EXPECT_GE(checked[Kind::Scene], 8);
    EXPECT_GE(checked[Kind::Object], 30);
    EXPECT_GE(checked[Kind::Texture], 12);
}

// Names in scenes and archetypes: what build buttons make, the scenes
// buttons load, and the objects buttons show, hide or hover.
TEST(AssetTree, EveryNameTheDataUsesExistsWithExactCase)
{
    const Names names;
    const std::map<std::string, Kind> fieldKinds = {
        {"toBeSpawned_", Kind::Archetype}, {"buttonFnStringParam", Kind::Scene},
        {"toggleObject", Kind::Object},    {"objToDeactivate", Kind::Object},
        {"objToHover", Kind::Object},      {"togglerName", Kind::Object},
        {"toggleeName", Kind::Object}};
    int checked = 0;
    for (const fs::path& file : DataFiles())
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
        std::vector<std::pair<std::string, std::string>> fields;
        CollectFields(document.RootElement(), fields);
        // Objects must be in the scene that names them (or made from an archetype).
        const std::string scene = file.parent_path().parent_path().filename() == "Scenes"
                                      ? file.parent_path().filename().string()
                                      : std::string();
        for (const auto& field : fields)
        {
            auto kind = fieldKinds.find(field.first);
            if (kind == fieldKinds.end() || field.second.empty())
                continue;
            ++checked;
            Use use{file.string(), kind->second, field.second, "", ""};
            bool found = names.Exists(use, {});
            if (kind->second == Kind::Object && !scene.empty())
                found = names.archetypes.count(field.second) ||
                        (names.scenes.count(scene) && names.scenes.at(scene).count(field.second));
            EXPECT_TRUE(found) << file << ": " << field.first << " names no " << KindName(kind->second) << " \""
                               << field.second << "\"";
        }
    }
    EXPECT_GE(checked, 20);
}
