// SceneMap: reading object names, parents and positions from scene files.
#include "EndToEnd/SceneMap.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace KiteTest
{
    std::string ReadText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::string FieldText(const std::string& xml, const std::string& tag, std::size_t from)
    {
        const std::string open = "<" + tag + ">";
        const std::size_t a = xml.find(open, from);
        if (a == std::string::npos)
            return std::string();
        const std::size_t b = xml.find("</" + tag + ">", a);
        if (b == std::string::npos)
            return std::string();
        std::string text;
        for (std::size_t i = a + open.size(); i < b; ++i)
            if (!std::isspace(static_cast<unsigned char>(xml[i])))
                text += xml[i];
        return text;
    }

    namespace
    {
        std::string Attribute(const std::string& line, const std::string& key)
        {
            const std::string k = key + "=\"";
            const std::size_t a = line.find(k);
            if (a == std::string::npos)
                return std::string();
            const std::size_t b = line.find('"', a + k.size());
            return b == std::string::npos ? std::string() : line.substr(a + k.size(), b - a - k.size());
        }
    }

    bool SceneMap::Load(const std::string& assets, const std::string& scene)
    {
        entries_.clear();
        const std::string folder = assets + "/Scenes/" + scene;
        std::istringstream index(ReadText(folder + ".xml"));
        std::string line;
        while (std::getline(index, line))
        {
            if (line.find("<GameObject") == std::string::npos)
                continue;
            SceneEntry e;
            e.name = Attribute(line, "name");
            e.id = std::atoi(Attribute(line, "objectId").c_str());
            e.parent = std::atoi(Attribute(line, "parentId").c_str());
            e.active = Attribute(line, "active") != "false";
            e.body = ReadText(folder + "/" + std::to_string(e.id) + ".xml");
            const std::size_t t = e.body.find("<Transform>");
            if (t != std::string::npos)
            {
                const std::size_t tr = e.body.find("<translation>", t);
                e.at.x = std::strtof(FieldText(e.body, "x", tr).c_str(), nullptr);
                e.at.y = std::strtof(FieldText(e.body, "y", tr).c_str(), nullptr);
                e.hasTransform = true;
            }
            entries_.push_back(e);
        }
        return !entries_.empty();
    }

    const SceneEntry* SceneMap::Find(const std::string& name) const
    {
        for (const SceneEntry& e : entries_)
            if (e.name == name)
                return &e;
        return nullptr;
    }

    bool SceneMap::Has(const std::string& name) const
    {
        return Find(name) != nullptr;
    }

    WorldPoint SceneMap::At(const std::string& name) const
    {
        const SceneEntry* e = Find(name);
        return e ? e->at : WorldPoint();
    }

    std::vector<const SceneEntry*> SceneMap::ChildrenOf(const std::string& name) const
    {
        std::vector<const SceneEntry*> out;
        const SceneEntry* p = Find(name);
        if (!p)
            return out;
        for (const SceneEntry& e : entries_)
            if (e.parent == p->id)
                out.push_back(&e);
        return out;
    }

    float SceneMap::Number(const std::string& object, const std::string& field, float fallback) const
    {
        const SceneEntry* e = Find(object);
        if (!e)
            return fallback;
        const std::string text = FieldText(e->body, field);
        return text.empty() ? fallback : std::strtof(text.c_str(), nullptr);
    }

    float TableNumber(const std::string& path, int row, int column)
    {
        std::istringstream in(ReadText(path));
        std::string line;
        for (int r = 0; std::getline(in, line); ++r)
        {
            if (r != row)
                continue;
            std::istringstream cells(line);
            std::string cell;
            for (int c = 0; std::getline(cells, cell, ','); ++c)
                if (c == column)
                    return std::strtof(cell.c_str(), nullptr);
        }
        return 0.0f;
    }
}
