// LevelPlan: parsing the mission lines.
#include "EndToEnd/LevelPlan.h"

#include <cstdlib>
#include <sstream>

namespace KiteTest
{
    namespace
    {
        bool StartsWith(const std::string& s, const std::string& head)
        {
            return s.compare(0, head.size(), head) == 0;
        }

        // The first whole number in `s` after `from`.
        int NumberAfter(const std::string& s, std::size_t from)
        {
            while (from < s.size() && !(s[from] >= '0' && s[from] <= '9'))
                ++from;
            return std::atoi(s.c_str() + (from < s.size() ? from : s.size()));
        }

        // "LABEL: n/m" lines move a mission on; "LABEL DONE" finishes it.
        void Progress(const std::string& line, const std::string& label, LevelPlan::Mission& m)
        {
            if (line == label + " DONE")
            {
                m.done = true;
                m.progress = m.target;
            }
            else if (StartsWith(line, label + ": "))
                m.progress = NumberAfter(line, label.size());
        }
    }

    void LevelPlan::Read(const std::string& output)
    {
        *this = LevelPlan();
        std::istringstream in(output);
        std::string line;
        while (std::getline(in, line))
        {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (StartsWith(line, "Mission 1: "))
            {
                const int n = NumberAfter(line, 10);
                if (line.find(" customers added.") != std::string::npos)
                    serve.target = n;
                else if (line.find(" stalls added.") != std::string::npos)
                    stalls.target = n;
                else if (line.find(" seats added.") != std::string::npos)
                    seats.target = n;
                else if (StartsWith(line, "Mission 1: Upgrade a stall "))
                    upgrade.target = n;
            }
            else if (StartsWith(line, "Mission 3: Earn $"))
                moneyGoal = NumberAfter(line, 10);
            else if (StartsWith(line, "Mission 3: Earn "))
                likesGoal = NumberAfter(line, 10);
            else if (line == "-----FIRST STAR MISSION DONE-----")
                stars = 1;
            else if (line == "-----SECOND STAR MISSION DONE-----")
                stars = 2;
            else if (line == "-----THIRD STAR MISSION DONE-----")
                stars = 3;
            else if (stars == 0)
            {
                // Goal stars print MONEY and LIKES lines of their own; only
                // the first star's steps are read here.
                Progress(line, "SERVE", serve);
                Progress(line, "BUILD", stalls);
                Progress(line, "SEATS", seats);
                Progress(line, "UPGRADE", upgrade);
            }
        }
    }

    std::string LevelPlan::Summary() const
    {
        std::ostringstream out;
        const auto one = [&](const char* name, const Mission& m) {
            if (m.target > 0)
                out << name << " " << m.progress << "/" << m.target << (m.done ? " done" : "") << ", ";
        };
        one("serve", serve);
        one("stalls", stalls);
        one("seats", seats);
        one("upgrade", upgrade);
        out << stars << " star(s)";
        return out.str();
    }
}
