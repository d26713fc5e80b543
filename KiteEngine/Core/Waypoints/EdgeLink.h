// EdgeLink: one outgoing link of a waypoint. The label points at the target
// node's own label string, so renaming a node needs no edge update.
#pragma once

#include <cstdint>
#include <string>

namespace KiteFramework
{
    class VertexNode;

    struct EdgeLink
    {
        EdgeLink(const VertexNode* target, const std::string* targetLabel, std::uint32_t linkCost)
            : node(target), label(targetLabel), cost(linkCost)
        {
        }

        const VertexNode* node;
        const std::string* label;
        std::uint32_t cost;
    };
}
