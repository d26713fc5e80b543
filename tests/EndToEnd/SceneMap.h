// What a player knows of where things are: object positions read from the
// authored scene and archetype files (world units, 1600x900 centred on the
// origin, y up) and the screen pixel each one shows at.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace KiteTest
{
    struct WorldPoint
    {
        float x = 0.0f;
        float y = 0.0f;
        // The pixel of a 1600x900 window showing this point.
        int Px() const { return static_cast<int>(x + 800.0f + 0.5f); }
        int Py() const { return static_cast<int>(450.0f - y + 0.5f); }
    };

    struct SceneEntry
    {
        std::string name;
        int id = 0;
        int parent = 0;
        bool active = true;
        bool hasTransform = false;
        WorldPoint at;
        std::string body;
    };

    class SceneMap
    {
    public:
        // Reads Scenes/<scene>.xml and its object files under `assets`;
        // false when the index cannot be read.
        bool Load(const std::string& assets, const std::string& scene);

        bool Has(const std::string& name) const;
        // Position of the first object of that name (origin when absent).
        WorldPoint At(const std::string& name) const;
        const SceneEntry* Find(const std::string& name) const;
        // Names of objects whose parent is the named object.
        std::vector<const SceneEntry*> ChildrenOf(const std::string& name) const;
        // A number stored in the first component field of that name, e.g.
        // Number("LevelStats", "Money").
        float Number(const std::string& object, const std::string& field, float fallback = 0.0f) const;

        const std::vector<SceneEntry>& Entries() const { return entries_; }

    private:
        std::vector<SceneEntry> entries_;
    };

    // Reads a whole file; empty when missing.
    std::string ReadText(const std::string& path);
    // The text between <tag> and </tag> after `from`, whitespace removed.
    std::string FieldText(const std::string& xml, const std::string& tag, std::size_t from = 0);
    // A price column of a CSV table by row number (1-based data rows).
    float TableNumber(const std::string& path, int row, int column);
}
