// ScriptedPlayer: the tutorial's steps and a sensible way of running a level,
// as a player would do them with a mouse while watching the screen.
#include "EndToEnd/ScriptedPlayer.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <thread>

namespace KiteTest
{
    namespace
    {
        const Rgb SplashSky{67, 46, 108};
        const Rgb MenuSky{113, 199, 255};
        // Art colours: flames, the fight cloud's puffs and its red swearing.
        const Rgb Flame{255, 159, 28};
        const Rgb FightPuff{246, 241, 228};
        const Rgb FightRed{230, 57, 70};

        // Where the instruction panel's words are.
        const Rect InstructionText{330, 462, 820, 56};
        // An empty bit of floor: clicking it does nothing but "click".
        const WorldPoint Anywhere{300.0f, -120.0f};

        // A stall's menu, as it opens above the stall.
        const WorldPoint UpgradeOffset{-41.0f, -22.0f};
        const WorldPoint CloseOffset{71.0f, 62.0f};
        // The win summary's button sits at its lower right.
        const WorldPoint NextOffset{400.0f, -225.0f};

        WorldPoint Plus(const WorldPoint& a, const WorldPoint& b)
        {
            return WorldPoint{a.x + b.x, a.y + b.y};
        }

        std::string Assets()
        {
            return std::string(KITE_ASSET_ROOT);
        }
    }

    ScriptedPlayer::ScriptedPlayer(PlayerScreen& screen, GameProcess& game)
        : screen_(screen), game_(game), assets_(Assets())
    {
    }

    // ---- Basics ------------------------------------------------------------

    bool ScriptedPlayer::WaitFor(double seconds, const std::function<bool()>& condition)
    {
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < deadline)
        {
            if (!game_.Running())
                return Fail("the game ended");
            screen_.Grab();
            if (condition())
                return true;
            PlayerScreen::Sleep(200);
        }
        screen_.Grab();
        return condition();
    }

    bool ScriptedPlayer::Fail(const std::string& why)
    {
        if (why_.empty())
            why_ = why;
        return false;
    }

    void ScriptedPlayer::Note(const std::string& line)
    {
        diary_.push_back(line);
    }

    std::string ScriptedPlayer::Diary() const
    {
        std::string out;
        const std::size_t from = diary_.size() > 40 ? diary_.size() - 40 : 0;
        for (std::size_t i = from; i < diary_.size(); ++i)
            out += "  " + diary_[i] + "\n";
        return out;
    }

    void ScriptedPlayer::Snapshot(const std::string& name)
    {
        screen_.Grab();
        // In the test's working folder, where it outlives the game's own.
        screen_.Save("player-" + name + ".ppm");
    }

    std::size_t ScriptedPlayer::CountOut(const std::string& line) const
    {
        const std::string out = game_.StandardOutput();
        std::size_t n = 0;
        for (std::size_t at = out.find(line); at != std::string::npos; at = out.find(line, at + line.size()))
            ++n;
        return n;
    }

    bool ScriptedPlayer::SkyIs(const Rgb& sky)
    {
        return screen_.Pixel(30, 30).Distance(sky) < 30;
    }

    int ScriptedPlayer::Brightness(int x, int y) const
    {
        const Rgb c = screen_.Pixel(x, y);
        return c.r + c.g + c.b;
    }

    // ---- Menus -------------------------------------------------------------

    bool ScriptedPlayer::ReachMenu()
    {
        if (!WaitFor(120, [&] { return SkyIs(SplashSky); }))
            return Fail("the splash was not shown");
        PlayerScreen::Sleep(500);
        for (int i = 0; i < 5 && !SkyIs(MenuSky); ++i)
        {
            PlayerScreen::Press(800, 450);
            WaitFor(15, [&] { return SkyIs(MenuSky); });
        }
        if (!SkyIs(MenuSky))
            return Fail("the splash did not lead to the main menu");
        scene_.Load(assets_, "MainMenu");
        Note("main menu");
        return true;
    }

    bool ScriptedPlayer::LevelButtonUnlocked(int level)
    {
        scene_.Load(assets_, "MainMenu");
        const WorldPoint b = scene_.At("Level" + std::to_string(level) + "Button");
        screen_.Grab();
        // The button's face left of its caption: locked buttons are grey.
        int grey = 0;
        for (int y = b.Py() - 10; y < b.Py() + 10; ++y)
            for (int x = b.Px() - 78; x < b.Px() - 68; ++x)
            {
                const Rgb c = screen_.Pixel(x, y);
                const int hi = std::max({c.r, c.g, c.b});
                const int lo = std::min({c.r, c.g, c.b});
                grey += hi - lo < 45 && c.r + c.g + c.b > 450;
            }
        return grey < 100;
    }

    // ---- Tutorial ----------------------------------------------------------

    bool ScriptedPlayer::InstructionChangedSince(const std::vector<std::uint32_t>& before)
    {
        return screen_.Changed(InstructionText, before) > 150;
    }

    bool ScriptedPlayer::Step(const std::string& label, const std::function<void()>& action, double seconds,
                              double retryAfter, const std::function<bool()>& until)
    {
        screen_.Grab();
        const std::vector<std::uint32_t> before = screen_.Picture();
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < deadline)
        {
            if (action)
                action();
            const double wait = std::min(retryAfter, std::chrono::duration<double>(deadline - Clock::now()).count());
            if (WaitFor(std::max(wait, 0.5), [&] { return until ? until() : InstructionChangedSince(before); }))
            {
                PlayerScreen::Sleep(until ? 1000 : 0);
                screen_.Grab();
                Note("tutorial: " + label);
                // Steps that are already done pass on by themselves: wait
                // until the words stand still.
                std::vector<std::uint32_t> last = screen_.Picture();
                for (int i = 0; i < 12; ++i)
                {
                    PlayerScreen::Sleep(500);
                    screen_.Grab();
                    if (!InstructionChangedSince(last))
                        break;
                    last = screen_.Picture();
                }
                return true;
            }
            if (!game_.Running())
                break;
        }
        Snapshot("tutorial-stuck");
        return Fail("tutorial step \"" + label + "\" did not move on");
    }

    bool ScriptedPlayer::ClickCashCloud()
    {
        // The cloud drifts over the court: press the middle of its gold
        // (yellow by day, darker at night).
        screen_.Grab();
        long sx = 0, sy = 0;
        int n = 0;
        for (int y = 120; y < 680; y += 2)
            for (int x = 0; x < 1300; x += 2)
            {
                const Rgb c = screen_.Pixel(x, y);
                if (c.r > 110 && c.g > 80 && c.r - c.b > 90 && c.g - c.b > 60 && c.r - c.g < 70)
                {
                    sx += x;
                    sy += y;
                    ++n;
                }
            }
        if (n < 40)
            return false;
        PlayerScreen::Press(static_cast<int>(sx / n), static_cast<int>(sy / n));
        return true;
    }

    bool ScriptedPlayer::DragTrashToBin(const WorldPoint& table)
    {
        // Trash lies on the table top beside each of its four places; the
        // colours change with the light, so the player goes round the
        // places and carries whatever lies there to the nearest bin.
        static const WorldPoint Spots[4] = {{-22.0f, 18.0f}, {22.0f, 18.0f}, {-22.0f, -34.0f}, {22.0f, -34.0f}};
        const WorldPoint at = Plus(table, Spots[trashSpot_++ % 4]);
        const WorldPoint bin = NearestBin(at.Px(), at.Py());
        PlayerScreen::Drag(at.Px(), at.Py(), bin.Px(), bin.Py());
        ++trash_;
        return true;
    }

    std::string ScriptedPlayer::MissionLines() const
    {
        // What the game printed about missions, as the star panel shows it.
        std::istringstream in(game_.StandardOutput());
        std::string line, out;
        while (std::getline(in, line))
            if (line.rfind("Mission", 0) == 0 || line.find(": ") != std::string::npos || line.find("DONE") != std::string::npos)
                if (line.find("Sprite") == std::string::npos && line.find("System") == std::string::npos)
                    out += "  " + line + "\n";
        return out.size() > 3000 ? out.substr(out.size() - 3000) : out;
    }

    bool ScriptedPlayer::MenuOpen(const WorldPoint& stall)
    {
        // The red close button at the menu's top right.
        const WorldPoint c = Plus(stall, CloseOffset);
        int red = 0;
        for (int y = c.Py() - 12; y < c.Py() + 12; ++y)
            for (int x = c.Px() - 12; x < c.Px() + 12; ++x)
            {
                const Rgb p = screen_.Pixel(x, y);
                red += p.r - p.g > 70 && p.r - p.b > 60;
            }
        return red > 60;
    }

    WorldPoint ScriptedPlayer::NearestBin(int px, int py) const
    {
        WorldPoint best{760.0f, 30.0f};
        double bestD = 1e9;
        for (const char* name : {"Bin", "Bin2"})
            if (scene_.Has(name))
            {
                const WorldPoint b = scene_.At(name);
                const double d = std::hypot(b.Px() - px, b.Py() - py);
                if (d < bestD)
                {
                    bestD = d;
                    best = b;
                }
            }
        return best;
    }

    bool ScriptedPlayer::PlayTutorial()
    {
        const WorldPoint play = scene_.At("PlayButton");
        PlayerScreen::Press(play.Px(), play.Py());
        if (!WaitFor(90, [&] { return screen_.Count(InstructionText, Rgb{92, 43, 10}, 60) > 200; }))
            return Fail("Play did not open the tutorial");
        scene_.Load(assets_, "TutorialLevel");
        PlayerScreen::Sleep(1500);
        screen_.Grab();
        emptyLook_ = screen_.Picture();

        const auto click = [] { PlayerScreen::Press(Anywhere.Px(), Anywhere.Py()); };
        const auto press = [this](const std::string& name) {
            return [this, name] {
                const WorldPoint p = scene_.At(name);
                PlayerScreen::Press(p.Px(), p.Py());
            };
        };
        const auto drag = [](WorldPoint from, WorldPoint to) {
            return [from, to] { PlayerScreen::Drag(from.Px(), from.Py(), to.Px(), to.Py()); };
        };
        const WorldPoint firstStall = scene_.At("StallNode2");
        const WorldPoint secondStall = scene_.At("StallNode3");
        const WorldPoint firstSeat = scene_.At("SeatNode1");
        const WorldPoint movedSeat = scene_.At("SeatNode2");
        // Things go faster at the highest speed; the tutorial waits anyway.
        const WorldPoint fast = scene_.At("Speed4Button");

        if (!Step("welcome", click, 30))
            return false;
        bool ok = Step("stall button", press("StallBuildButton"), 40) &&
                  Step("first stall", drag(scene_.At("BuildStall01"), firstStall), 60, 8) &&
                  Step("stall placed", click, 30) && Step("stall menu", click, 30) &&
             // The menu may already be open from the drop.
             (MenuOpen(firstStall) ||
              Step("open the menu", [&] { PlayerScreen::Press(firstStall.Px(), firstStall.Py() + 20); }, 60, 5)) &&
             Step("upgrade", [&] {
                 const WorldPoint u = Plus(firstStall, UpgradeOffset);
                 PlayerScreen::Press(u.Px(), u.Py());
             }, 60) &&
             Step("upgrade under way", click, 30) && Step("seats", click, 30) &&
             Step("seat button", press("SeatBuildButton"), 40) &&
             Step("first table", drag(scene_.At("SeatCB"), firstSeat), 60, 8) && Step("tables", click, 30) &&
             Step("moving", click, 30) && Step("move the table", drag(firstSeat, movedSeat), 60, 8);
        if (!ok)
            return false;
        for (const char* label : {"placement", "synergy", "pairs", "patience", "likes", "wait for the upgrade"})
            if (!Step(label, click, 30))
                return false;
        // The stall button opens once the upgrade is done; it toggles the
        // panel, so a press may close it and the next one opens it again.
        // Every click counts as "click anywhere", and the speed buttons are
        // covered until the synergy step: speed up while this step waits.
        bool faster = false;
        const auto secondStallAction = [&] {
            if (!faster)
                PlayerScreen::Press(fast.Px(), fast.Py());
            faster = true;
            press("StallBuildButton")();
            PlayerScreen::Sleep(1500);
            drag(scene_.At("BuildStall04"), secondStall)();
        };
        ok = Step("upgrade finished, second stall", secondStallAction, 300, 6,
                  [&] { return Occupied(secondStall, 95, 70); }) &&
             Step("two stalls", click, 30) && Step("trash", click, 30) &&
             Step("bin the trash", [&] { DragTrashToBin(movedSeat); }, 300, 3) && Step("clean", click, 30) &&
             Step("trouble", click, 30) && Step("cash cloud", click, 30) &&
             Step("collect the cloud", [&] { ClickCashCloud(); }, 120, 3);
        if (!ok)
            return false;
        for (const char* label : {"clouds", "statistics", "stars"})
            if (!Step(label, click, 30))
                return false;
        click();
        Note("tutorial: last step clicked");
        // The completion panel slides up with its button under the words.
        if (!WaitFor(60, [&] { return screen_.Count(Rect{400, 330, 800, 120}, Rgb{92, 43, 10}, 60) > 300; }))
            return Fail("no tutorial completion panel");
        PlayerScreen::Sleep(1500);
        for (int i = 0; i < 4 && !SkyIs(MenuSky); ++i)
        {
            PlayerScreen::Press(800, 500);
            WaitFor(20, [&] { return SkyIs(MenuSky); });
        }
        if (!SkyIs(MenuSky))
        {
            Snapshot("tutorial-end");
            return Fail("the tutorial's last button did not lead to the menu");
        }
        Note("tutorial complete, back at the menu");
        return true;
    }

    // ---- Levels ------------------------------------------------------------

    bool ScriptedPlayer::OpenLevel(int level)
    {
        const std::string name = "Level" + std::to_string(level);
        scene_.Load(assets_, "MainMenu");
        const WorldPoint b = scene_.At(name + "Button");
        const std::size_t before = CountOut("Mission 3: Earn $");
        for (int i = 0; i < 3 && CountOut("Mission 3: Earn $") == before; ++i)
        {
            PlayerScreen::Press(b.Px(), b.Py());
            WaitFor(60, [&] { return CountOut("Mission 3: Earn $") > before; });
        }
        if (CountOut("Mission 3: Earn $") == before)
            return Fail(name + " did not open from the menu");
        if (!scene_.Load(assets_, name))
            return Fail(name + " scene files not readable");
        PlayerScreen::Sleep(2500);
        return true;
    }

    bool ScriptedPlayer::Occupied(const WorldPoint& node, int, int)
    {
        // An empty place shows a white "+" in its middle; a stall or table
        // covers it. (A customer passing over it can hide it for a moment.)
        int white = 0;
        for (int y = node.Py() - 3; y <= node.Py() + 3; ++y)
            for (int x = node.Px() - 3; x <= node.Px() + 3; ++x)
            {
                const Rgb c = screen_.Pixel(x, y);
                white += std::min({c.r, c.g, c.b}) > 200 && std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) < 40;
            }
        return white < 20;
    }

    bool ScriptedPlayer::PlayLevel(int level, const std::string& doneLine, double realSeconds)
    {
        const std::string name = "Level" + std::to_string(level);
        if (!scene_.Load(assets_, name))
            return Fail(name + " scene files not readable");
        stallNodes_.clear();
        stallBuilt_.clear();
        seatNodes_.clear();
        seatBuilt_.clear();
        std::vector<int> present;
        for (const SceneEntry& e : scene_.Entries())
        {
            const bool stallNode = e.name.rfind("StallNode", 0) == 0;
            const bool seatNode = e.name.rfind("SeatNode", 0) == 0;
            if (!stallNode && !seatNode)
                continue;
            bool built = false;
            for (const SceneEntry* child : scene_.ChildrenOf(e.name))
                built = built || (child->name.rfind("Stall", 0) == 0 && child->name != "StallLinkNode") ||
                        (child->name.rfind("Seat", 0) == 0 && child->name != "SeatLinkNode");
            (stallNode ? stallNodes_ : seatNodes_).push_back(e.at);
            (stallNode ? stallBuilt_ : seatBuilt_).push_back(built);
        }
        for (const SceneEntry& e : scene_.Entries())
            if (e.name.size() == 6 && e.name.rfind("Stall", 0) == 0 && std::isdigit(static_cast<unsigned char>(e.name[5])))
                present.push_back(e.name[5] - '0');
        // Stall kinds by price, the ones the court lacks first.
        std::vector<std::pair<float, int>> kinds;
        for (int t = 1; t <= 8; ++t)
            if (scene_.Has("BuildStall" + std::to_string(t)))
            {
                const float price = TableNumber(assets_ + "/StallData/StallData.csv", t, 2);
                const bool have = std::find(present.begin(), present.end(), t) != present.end();
                kinds.emplace_back(price + (have ? 10000.0f : 0.0f), t);
            }
        std::sort(kinds.begin(), kinds.end());
        stallTypesByPrice_.clear();
        for (const auto& k : kinds)
            stallTypesByPrice_.push_back(k.second);
        nextType_ = 0;
        nextUpgrade_ = 0;
        fires_ = fights_ = trash_ = upgrades_ = 0;
        flameBase_.clear();

        // The highest speed.
        const WorldPoint fast = scene_.At("Speed4Button");
        PlayerScreen::Press(fast.Px(), fast.Py());
        screen_.Grab();
        emptyLook_ = screen_.Picture();
        levelStart_ = lastDusk_ = Clock::now();
        lastBuild_ = lastUpgrade_ = Clock::time_point{};
        dusks_ = 0;
        night_ = false;
        lastCycleReal_ = 0.0;
        dayLength_ = scene_.Number("TimeAndWeatherSystem", "timeInDay", 90.0f);
        Note(name + ": playing");

        const std::string star3 = "-----THIRD STAR MISSION DONE-----";
        const std::string target = doneLine.empty() ? star3 : doneLine;
        const std::size_t before = CountOut(target);
        const auto deadline = Clock::now() + std::chrono::duration<double>(realSeconds);
        while (Clock::now() < deadline)
        {
            if (!game_.Running())
                return Fail(name + ": the game ended");
            if (CountOut(target) > before)
            {
                Note(name + ": \"" + target + "\" after " + std::to_string(static_cast<int>(RealSeconds())) + " s");
                return true;
            }
            screen_.Grab();
            WatchSky();
            for (std::size_t i = 0; i < stallNodes_.size(); ++i)
                if (stallBuilt_[i] && !Occupied(stallNodes_[i], 0, 0))
                    stallBuilt_[i] = false;
            for (std::size_t i = 0; i < seatNodes_.size(); ++i)
                if (seatBuilt_[i] && !Occupied(seatNodes_[i], 0, 0))
                    seatBuilt_[i] = false;
            LookAfterTrouble();
            TryToBuild();
            TryToUpgrade();
            PlayerScreen::Sleep(300);
        }
        Snapshot(name + "-timeout");
        return Fail(name + ": \"" + target + "\" not reached in " + std::to_string(static_cast<int>(realSeconds)) +
                    " s (fires " + std::to_string(fires_) + ", fights " + std::to_string(fights_) + ", trash " +
                    std::to_string(trash_) + ", upgrades " + std::to_string(upgrades_) + ")\n" + MissionLines());
    }

    void ScriptedPlayer::WatchSky()
    {
        // The darkest of three sky pixels (clouds are light).
        int sky = 1000;
        for (int x : {600, 900, 1100})
            sky = std::min(sky, Brightness(x, 8));
        if (!night_ && sky < 250)
        {
            night_ = true;
            const auto now = Clock::now();
            if (dusks_ > 0)
                lastCycleReal_ = std::chrono::duration<double>(now - lastDusk_).count();
            lastDusk_ = now;
            ++dusks_;
        }
        else if (night_ && sky > 420)
            night_ = false;
    }

    double ScriptedPlayer::RealSeconds() const
    {
        return std::chrono::duration<double>(Clock::now() - levelStart_).count();
    }

    double ScriptedPlayer::GameSeconds() const
    {
        // Whole days seen from dusk to dusk, and the part of the current one
        // at the pace of the last day (4x the real time before the first).
        const double sinceDusk = std::chrono::duration<double>(Clock::now() - lastDusk_).count();
        if (dusks_ == 0)
            return RealSeconds() * 4.0;
        const double pace = lastCycleReal_ > 0.0 ? dayLength_ / lastCycleReal_ : 4.0;
        const double firstDusk = RealSeconds() - sinceDusk;
        // The first dusk comes part-way through the first day.
        const double beforeFirst = std::min(firstDusk * pace, dayLength_);
        return beforeFirst + (dusks_ - 1) * dayLength_ + std::min(sinceDusk * pace, dayLength_);
    }

    void ScriptedPlayer::LookAfterTrouble()
    {
        // Fires on stalls: several presses put one out.
        for (std::size_t i = 0; i < stallNodes_.size(); ++i)
        {
            if (!stallBuilt_[i])
                continue;
            const WorldPoint s = stallNodes_[i];
            int cx = 0, cy = 0;
            const Rect area{s.Px() - 115, s.Py() - 110, 230, 200};
            const int flame = screen_.Count(area, Flame, 45);
            // The stall's own art has a little orange: only a blaze counts.
            if (flameBase_.size() < stallNodes_.size())
                flameBase_.resize(stallNodes_.size(), -1);
            if (flameBase_[i] < 0 || flame < flameBase_[i])
                flameBase_[i] = flame;
            if (flame > flameBase_[i] + 500 && screen_.Centre(area, Flame, 45, 200, cx, cy))
            {
                for (int k = 0; k < 7; ++k)
                    PlayerScreen::Press(cx, cy, 200);
                ++fires_;
                Note("fire put out at stall place " + std::to_string(i + 1));
                screen_.Grab();
            }
        }
        // Fights: a dust cloud with red swearing, somewhere on the floor.
        for (int y = 330; y + 120 <= 880; y += 60)
            for (int x = 0; x + 160 <= 1600; x += 80)
            {
                const Rect cell{x, y, 160, 120};
                if (screen_.Count(cell, FightPuff, 10) < 2500 || screen_.Count(cell, FightRed, 40) < 25)
                    continue;
                int cx = 0, cy = 0;
                if (!screen_.Centre(cell, FightPuff, 10, 500, cx, cy))
                    continue;
                for (int k = 0; k < 6; ++k)
                    PlayerScreen::Press(cx, cy, 200);
                ++fights_;
                Note("fight broken up");
                screen_.Grab();
                return;
            }
        // Trash on the tables: one place at a time, every few seconds.
        const auto now = Clock::now();
        if (now - lastTrash_ < std::chrono::seconds(4))
            return;
        lastTrash_ = now;
        std::vector<std::size_t> tables;
        for (std::size_t i = 0; i < seatNodes_.size(); ++i)
            if (seatBuilt_[i])
                tables.push_back(i);
        if (!tables.empty())
        {
            DragTrashToBin(seatNodes_[tables[(trashSpot_ / 4) % tables.size()]]);
            screen_.Grab();
        }
    }

    void ScriptedPlayer::TryToBuild()
    {
        const auto now = Clock::now();
        if (now - lastBuild_ < std::chrono::seconds(6))
            return;
        lastBuild_ = now;
        std::size_t stalls = 0, seats = 0;
        for (bool b : stallBuilt_)
            stalls += b;
        for (bool b : seatBuilt_)
            seats += b;
        int freeStall = -1, freeSeat = -1;
        for (std::size_t i = 0; i < stallBuilt_.size() && freeStall < 0; ++i)
            if (!stallBuilt_[i])
                freeStall = static_cast<int>(i);
        for (std::size_t i = 0; i < seatBuilt_.size() && freeSeat < 0; ++i)
            if (!seatBuilt_[i])
                freeSeat = static_cast<int>(i);
        // About one table for each stall.
        const bool stallFirst = freeStall >= 0 && (freeSeat < 0 || stalls <= seats);
        if (stallFirst && !stallTypesByPrice_.empty())
        {
            const int type = stallTypesByPrice_[nextType_ % stallTypesByPrice_.size()];
            const WorldPoint button = scene_.At("BuildStall" + std::to_string(type));
            const WorldPoint node = stallNodes_[static_cast<std::size_t>(freeStall)];
            PlayerScreen::Drag(button.Px(), button.Py(), node.Px(), node.Py());
            PlayerScreen::Sleep(1200);
            screen_.Grab();
            if (Occupied(node, 95, 70))
            {
                stallBuilt_[static_cast<std::size_t>(freeStall)] = true;
                ++nextType_;
                Note("built stall kind " + std::to_string(type) + " at stall place " + std::to_string(freeStall + 1));
                // A new stall opens its menu: close it.
                const WorldPoint close = Plus(node, CloseOffset);
                if (MenuOpen(node))
                    PlayerScreen::Press(close.Px(), close.Py());
            }
        }
        else if (freeSeat >= 0)
        {
            const WorldPoint button = scene_.At("SeatCB");
            const WorldPoint node = seatNodes_[static_cast<std::size_t>(freeSeat)];
            PlayerScreen::Drag(button.Px(), button.Py(), node.Px(), node.Py());
            PlayerScreen::Sleep(1200);
            screen_.Grab();
            if (Occupied(node, 70, 35))
            {
                seatBuilt_[static_cast<std::size_t>(freeSeat)] = true;
                Note("built a table at seat place " + std::to_string(freeSeat + 1));
            }
        }
    }

    void ScriptedPlayer::TryToUpgrade()
    {
        const auto now = Clock::now();
        if (now - lastUpgrade_ < std::chrono::seconds(20))
            return;
        lastUpgrade_ = now;
        std::vector<std::size_t> built;
        for (std::size_t i = 0; i < stallBuilt_.size(); ++i)
            if (stallBuilt_[i])
                built.push_back(i);
        if (built.empty())
            return;
        const WorldPoint s = stallNodes_[built[nextUpgrade_++ % built.size()]];
        const WorldPoint close = Plus(s, CloseOffset);
        const auto menuOpen = [&] {
            screen_.Grab();
            return MenuOpen(s);
        };
        if (!menuOpen())
            PlayerScreen::Press(s.Px(), s.Py() + 40);
        PlayerScreen::Sleep(600);
        if (!menuOpen())
            return;
        const WorldPoint u = Plus(s, UpgradeOffset);
        PlayerScreen::Press(u.Px(), u.Py());
        ++upgrades_;
        Note("pressed upgrade");
        PlayerScreen::Sleep(500);
        if (menuOpen())
            PlayerScreen::Press(close.Px(), close.Py());
    }

    bool ScriptedPlayer::LeaveWonLevel(bool expectMenu)
    {
        // The win summary slides in; its button is at the lower right.
        const std::string body = ReadText(assets_ + "/Archetypes/WinSummary.xml");
        const std::size_t f = body.find("<finalPos>");
        WorldPoint panel{0.0f, 0.0f};
        if (f != std::string::npos)
        {
            panel.x = std::strtof(FieldText(body, "x", f).c_str(), nullptr);
            panel.y = std::strtof(FieldText(body, "y", f).c_str(), nullptr);
        }
        const WorldPoint next = Plus(panel, NextOffset);
        const std::size_t missions = CountOut("Mission 3: Earn $");
        PlayerScreen::Sleep(3000);
        for (int i = 0; i < 5; ++i)
        {
            PlayerScreen::Press(next.Px(), next.Py());
            const bool moved = WaitFor(30, [&] {
                return expectMenu ? SkyIs(MenuSky) : CountOut("Mission 3: Earn $") > missions;
            });
            if (moved)
                return true;
        }
        Snapshot("win-summary");
        return Fail(expectMenu ? "the last win did not lead back to the menu" : "the win did not open the next level");
    }
}
