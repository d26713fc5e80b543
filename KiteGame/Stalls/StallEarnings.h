// StallEarnings: what one sale of a stall brings (money, likes, reputation),
// stored as one element with the children "money", "likes", "reputation".
#pragma once

#include <string>

namespace tinyxml2
{
    class XMLElement;
    class XMLDocument;
}

namespace KiteFramework
{
    struct StallEarnings
    {
        float money = 0.0f;
        float likes = 0.0f;
        float reputation = 0.0f;

        bool operator==(const StallEarnings& o) const
        {
            return money == o.money && likes == o.likes && reputation == o.reputation;
        }
    };

    // The field listing's writer and reader for the record (found by
    // argument lookup); the reader takes the three children by position.
    void WriteElement(tinyxml2::XMLDocument* document, tinyxml2::XMLElement* parent, const StallEarnings& value,
                      const std::string& name);
    void QueryElement(tinyxml2::XMLElement* element, StallEarnings& value, const std::string& name);
}
