// Waypoint paths: the time of one shortest-path query on a 500-node graph
// (a 25 by 20 grid of undirected links with random costs, a few nodes
// inactive), corner to corner and between random pairs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Core/Math/Random.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"

using namespace KiteFramework;
using Clock = std::chrono::steady_clock;

namespace
{
    std::string Name(int col, int row)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "o%02d_%02d", col, row);
        return buffer;
    }

    // Median of `runs` timings of the query, in microseconds.
    template <typename Query>
    double MedianMicroseconds(int runs, Query query)
    {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
        {
            auto start = Clock::now();
            query(i);
            times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }
}

int main()
{
    const int columns = 25, rows = 20;
    GENRANDNUM::Seed(7);
    GraphNetwork graph;
    std::vector<std::unique_ptr<VertexNode>> nodes;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
        {
            nodes.push_back(std::make_unique<VertexNode>());
            nodes.back()->EditedLabel(Name(c, r));
            // One node in twenty is closed, except the corners.
            bool corner = (c == 0 && r == 0) || (c == columns - 1 && r == rows - 1);
            nodes.back()->isActive(corner || GENRANDNUM::GenRandInt(0, 19) != 0);
        }
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
        {
            VertexNode& node = *nodes[c * rows + r];
            if (c + 1 < columns)
                node.AddLink(Name(c + 1, r), GENRANDNUM::GenRandInt(1, 20), false);
            if (r + 1 < rows)
                node.AddLink(Name(c, r + 1), GENRANDNUM::GenRandInt(1, 20), false);
        }

    std::size_t length = 0;
    const std::string from = Name(0, 0), to = Name(columns - 1, rows - 1);
    double corner = MedianMicroseconds(2000, [&](int) { length = graph.GetShortestPath(from, to).size(); });

    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < 2000; ++i)
        pairs.emplace_back(Name(GENRANDNUM::GenRandInt(0, columns - 1), GENRANDNUM::GenRandInt(0, rows - 1)),
                           Name(GENRANDNUM::GenRandInt(0, columns - 1), GENRANDNUM::GenRandInt(0, rows - 1)));
    double random = MedianMicroseconds(2000, [&](int i) { graph.GetShortestPath(pairs[i].first, pairs[i].second); });

    std::printf("waypoint graph: %zu nodes, %zu active\n", graph.GetNodeList().size(),
                graph.GetAllActiveNodes().size());
    std::printf("shortest path corner to corner: %.1f us (median of 2000), %zu nodes long\n", corner, length);
    std::printf("shortest path between random nodes: %.1f us (median of 2000)\n", random);
    return 0;
}
