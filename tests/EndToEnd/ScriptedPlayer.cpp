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

        // Where the instruction panel's words are.
        const Rect InstructionText{330, 462, 820, 56};
        // While the cash cloud drifts by, the panel stands low, below its path.
        const Rect LowInstructionText{330, 767, 820, 56};
        const Rgb InstructionInk{92, 43, 10};
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
        : screen_(screen), game_(game), assets_(Assets()), started_(Clock::now())
    {
        screen_.Follow(game_.Window());
    }

    double ScriptedPlayer::Now() const
    {
        return screen_.Frames()->Seconds();
    }

    bool ScriptedPlayer::Stopped()
    {
        std::string why;
        if (!game_.Running())
            why = "the game ended";
        else if (screen_.Frames()->Hung())
            why = "the game drew no frame for " + std::to_string(static_cast<int>(FrameClock::HangSeconds)) + " s (hung)";
        else if (std::chrono::duration<double>(Clock::now() - started_).count() > RealTimeBackstop)
            why = "still playing after " + std::to_string(static_cast<int>(RealTimeBackstop)) + " s of real time";
        if (why.empty())
            return false;
        Fail(why);
        return true;
    }

    bool ScriptedPlayer::WaitFor(double seconds, const std::function<bool()>& condition)
    {
        const double deadline = Now() + seconds;
        while (Now() < deadline)
        {
            if (Stopped())
                return false;
            screen_.Grab();
            if (condition())
                return true;
            screen_.Pause(200);
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
        screen_.Pause(500);
        for (int i = 0; i < 5 && !SkyIs(MenuSky); ++i)
        {
            screen_.Press(800, 450);
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
        const double deadline = Now() + seconds;
        while (Now() < deadline)
        {
            if (action)
                action();
            const double wait = std::min(retryAfter, deadline - Now());
            if (WaitFor(std::max(wait, 0.5), [&] { return until ? until() : InstructionChangedSince(before); }))
            {
                screen_.Pause(until ? 1000 : 0);
                screen_.Grab();
                Note("tutorial: " + label);
                // Steps that are already done pass on by themselves: wait
                // until the words stand still.
                std::vector<std::uint32_t> last = screen_.Picture();
                for (int i = 0; i < 12; ++i)
                {
                    screen_.Pause(500);
                    screen_.Grab();
                    if (!InstructionChangedSince(last))
                        break;
                    last = screen_.Picture();
                }
                return true;
            }
            if (Stopped())
                return false;
        }
        Snapshot("tutorial-stuck");
        return Fail("tutorial step \"" + label + "\" did not move on");
    }

    bool ScriptedPlayer::CollectTheCloud()
    {
        // The panel stands low, below the cloud's path, and is drawn over
        // everything that walks there, so its place changes only when the
        // step ends and the panel goes back up.
        screen_.Grab();
        const std::vector<std::uint32_t> low = screen_.Picture();
        return Step("collect the cloud", [&] { ClickCashCloud(); }, 120, 3,
                    [&] { return screen_.Changed(LowInstructionText, low) > 150; });
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
        screen_.Press(static_cast<int>(sx / n), static_cast<int>(sy / n));
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
        screen_.Drag(at.Px(), at.Py(), bin.Px(), bin.Py());
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

    bool ScriptedPlayer::OpenTutorial()
    {
        const WorldPoint play = scene_.At("PlayButton");
        screen_.Press(play.Px(), play.Py());
        if (!WaitFor(90, [&] { return screen_.Count(InstructionText, InstructionInk, 60) > 200; }))
            return Fail("Play did not open the tutorial");
        scene_.Load(assets_, "TutorialLevel");
        screen_.Pause(1500);
        return true;
    }

    bool ScriptedPlayer::PlayTutorial()
    {
        if (!OpenTutorial())
            return false;
        screen_.Grab();
        emptyLook_ = screen_.Picture();

        const auto click = [this] { screen_.Press(Anywhere.Px(), Anywhere.Py()); };
        const auto press = [this](const std::string& name) {
            return [this, name] {
                const WorldPoint p = scene_.At(name);
                screen_.Press(p.Px(), p.Py());
            };
        };
        const auto drag = [this](WorldPoint from, WorldPoint to) {
            return [this, from, to] { screen_.Drag(from.Px(), from.Py(), to.Px(), to.Py()); };
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
              Step("open the menu", [&] { screen_.Press(firstStall.Px(), firstStall.Py() + 20); }, 60, 5)) &&
             Step("upgrade", [&] {
                 const WorldPoint u = Plus(firstStall, UpgradeOffset);
                 screen_.Press(u.Px(), u.Py());
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
                screen_.Press(fast.Px(), fast.Py());
            faster = true;
            press("StallBuildButton")();
            screen_.Pause(1500);
            drag(scene_.At("BuildStall04"), secondStall)();
        };
        ok = Step("upgrade finished, second stall", secondStallAction, 300, 6,
                  [&] { return Occupied(secondStall, 95, 70); }) &&
             Step("two stalls", click, 30) && Step("trash", click, 30) &&
             Step("bin the trash", [&] { DragTrashToBin(movedSeat); }, 300, 3) && Step("clean", click, 30) &&
             Step("trouble", click, 30) && Step("cash cloud", click, 30) &&
             CollectTheCloud();
        if (!ok)
            return false;
        for (const char* label : {"clouds", "statistics", "stars"})
            if (!Step(label, click, 30))
                return false;
        click();
        Note("tutorial: last step clicked");
        // The completion panel slides up with its button under the words.
        if (!WaitFor(60, [&] { return screen_.Count(Rect{400, 330, 800, 120}, InstructionInk, 60) > 300; }))
        {
            Snapshot("tutorial-no-panel");
            return Fail("no tutorial completion panel");
        }
        screen_.Pause(1500);
        for (int i = 0; i < 4 && !SkyIs(MenuSky); ++i)
        {
            screen_.Press(800, 500);
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

    bool ScriptedPlayer::UnlockAllLevels()
    {
        if (!OpenTutorial())
            return false;
        for (const char* key : {"1", "2", "3"})
            screen_.Key(key);
        // The instruction panel covers the upper part of the menu button.
        const WorldPoint back = scene_.At("MenuReturnButton");
        for (int i = 0; i < 4 && !SkyIs(MenuSky); ++i)
        {
            screen_.Key("Escape");
            screen_.Pause(800);
            screen_.Press(back.Px(), back.Py() + 22);
            WaitFor(15, [&] { return SkyIs(MenuSky); });
        }
        if (!SkyIs(MenuSky))
            return Fail("the pause menu did not lead back to the main menu");
        scene_.Load(assets_, "MainMenu");
        return LevelButtonUnlocked(3) || Fail("the unlock keys did not unlock Level 3");
    }

    // ---- Levels ------------------------------------------------------------

    bool ScriptedPlayer::OpenLevel(int level)
    {
        const std::string name = "Level" + std::to_string(level);
        scene_.Load(assets_, "MainMenu");
        const WorldPoint b = scene_.At(name + "Button");
        const std::size_t before = CountOut("Mission 3: Earn $");
        levelOutputFrom_ = game_.StandardOutput().size();
        for (int i = 0; i < 3 && CountOut("Mission 3: Earn $") == before; ++i)
        {
            screen_.Press(b.Px(), b.Py());
            WaitFor(60, [&] { return CountOut("Mission 3: Earn $") > before; });
        }
        if (CountOut("Mission 3: Earn $") == before)
            return Fail(name + " did not open from the menu");
        if (!scene_.Load(assets_, name))
            return Fail(name + " scene files not readable");
        screen_.Pause(2500);
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

    double ScriptedPlayer::Likeness(const Place& p) const
    {
        // Normalised correlation of the place's middle with the way it looked
        // empty at the start: the marker and floor keep their pattern under
        // the night's tint, a stall or table does not.
        if (p.emptyLook.empty())
            return 0.0;
        std::vector<double> now, was;
        std::size_t k = 0;
        for (int y = p.at.Py() - 28; y < p.at.Py() + 28; y += 2)
            for (int x = p.at.Px() - 30; x < p.at.Px() + 30; x += 2, ++k)
            {
                const Rgb c = screen_.Pixel(x, y);
                now.push_back(c.r + c.g + c.b);
                was.push_back(p.emptyLook[k]);
            }
        double mn = 0.0, mw = 0.0;
        for (std::size_t i = 0; i < now.size(); ++i)
        {
            mn += now[i];
            mw += was[i];
        }
        mn /= static_cast<double>(now.size());
        mw /= static_cast<double>(was.size());
        double ab = 0.0, aa = 0.0, bb = 0.0;
        for (std::size_t i = 0; i < now.size(); ++i)
        {
            ab += (now[i] - mn) * (was[i] - mw);
            aa += (now[i] - mn) * (now[i] - mn);
            bb += (was[i] - mw) * (was[i] - mw);
        }
        return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 0.0;
    }

    void ScriptedPlayer::RememberEmptyLook(Place& p) const
    {
        p.emptyLook.clear();
        for (int y = p.at.Py() - 28; y < p.at.Py() + 28; y += 2)
            for (int x = p.at.Px() - 30; x < p.at.Px() + 30; x += 2)
            {
                const Rgb c = screen_.Pixel(x, y);
                p.emptyLook.push_back(c.r + c.g + c.b);
            }
    }

    bool ScriptedPlayer::LooksBuilt(const Place& p)
    {
        // Twice, a moment apart: a customer walking over the place can hide
        // its marker for a moment, not for long.
        if (Likeness(p) > 0.6)
            return false;
        screen_.Pause(600);
        screen_.Grab();
        return Likeness(p) <= 0.6;
    }

    void ScriptedPlayer::RecheckPlaces()
    {
        // A place taken for built that shows its empty look again was not.
        const double now = Now();
        if (now - lastRecheck_ < 8.0)
            return;
        lastRecheck_ = now;
        for (std::vector<Place>* places : {&stalls_, &seats_})
            for (std::size_t i = 0; i < places->size(); ++i)
            {
                Place& p = (*places)[i];
                if (p.built && !p.emptyLook.empty() && Likeness(p) > 0.8)
                {
                    p.built = false;
                    Note(std::string(places == &stalls_ ? "stall" : "seat") + " place " + std::to_string(i + 1) +
                         " is empty after all");
                }
            }
    }

    bool ScriptedPlayer::Lit(const WorldPoint& button) const
    {
        // Lit buttons show their colours; the ones out of reach are grey.
        int coloured = 0;
        for (int y = button.Py() - 22; y < button.Py() + 22; ++y)
            for (int x = button.Px() - 28; x < button.Px() + 28; ++x)
            {
                const Rgb c = screen_.Pixel(x, y);
                coloured += std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 70;
            }
        return coloured > 60;
    }

    bool ScriptedPlayer::Affordable(float amount) const
    {
        // Some lit button costs at least that much. Above the dearest button
        // the player cannot tell, and assumes the money is there.
        float dearest = 0.0f;
        for (const PriceButton& b : buttons_)
        {
            dearest = std::max(dearest, b.price);
            if (b.price >= amount && Lit(b.at))
                return true;
        }
        if (amount <= dearest)
            return false;
        // Above that, the number of digits the money shows is a floor.
        const int digits = MoneyDigits();
        double floor = digits > 0 ? 1.0 : 0.0;
        for (int i = 1; i < digits; ++i)
            floor *= 10.0;
        if (floor >= amount)
            return true;
        // Soon after the upkeep is paid there is a day's takings before the
        // next: a four-figure sum is then taken as enough.
        return digits >= 4 && SoonAfterDawn();
    }

    bool ScriptedPlayer::MoneyBelowZero() const
    {
        // A minus sign leads the money: a first mark far flatter than a digit.
        const Rect area{70, 28, 126, 30};
        int top = area.y + area.h, bottom = -1, x = area.x;
        const auto inkAt = [&](int px, int py) {
            const Rgb c = screen_.Pixel(px, py);
            return c.r + c.g + c.b < 250;
        };
        bool started = false;
        for (; x < area.x + area.w; ++x)
        {
            bool ink = false;
            for (int y = area.y; y < area.y + area.h; ++y)
                if (inkAt(x, y))
                {
                    ink = true;
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            if (started && !ink)
                break;
            started = started || ink;
        }
        return started && bottom - top < 10;
    }

    int ScriptedPlayer::MoneyDigits() const
    {
        // The money in the top left: dark digits on the light panel, told
        // apart by the blank columns between them.
        const Rect area{70, 28, 126, 30};
        int groups = 0;
        bool inGlyph = false;
        for (int x = area.x; x < area.x + area.w; ++x)
        {
            bool ink = false;
            for (int y = area.y; y < area.y + area.h && !ink; ++y)
            {
                const Rgb c = screen_.Pixel(x, y);
                ink = c.r + c.g + c.b < 250;
            }
            if (ink && !inGlyph)
                ++groups;
            inGlyph = ink;
        }
        return groups;
    }

    float ScriptedPlayer::Upkeep() const
    {
        float sum = 0.0f;
        for (const Place& p : stalls_)
            if (p.built && p.type > 0)
                sum += kindInfo_[static_cast<std::size_t>(p.type)].upkeep;
        return sum;
    }

    bool ScriptedPlayer::SoonAfterDawn() const
    {
        const double pace = lastCycle_ > 0.0 ? dayLength_ / lastCycle_ : 4.0;
        const double since = (Now() - lastDawn_) * pace;
        return !night_ && since < dayLength_ * 0.4;
    }

    void ScriptedPlayer::ReadPlaces()
    {
        stalls_.clear();
        seats_.clear();
        buttons_.clear();
        kinds_.clear();
        for (const SceneEntry& e : scene_.Entries())
        {
            const bool stallNode = e.name.rfind("StallNode", 0) == 0;
            const bool seatNode = e.name.rfind("SeatNode", 0) == 0;
            if (!stallNode && !seatNode)
                continue;
            Place p;
            p.at = e.at;
            for (const SceneEntry* child : scene_.ChildrenOf(e.name))
            {
                const std::string& n = child->name;
                if (n.size() == 6 && n.rfind("Stall", 0) == 0 && std::isdigit(static_cast<unsigned char>(n[5])))
                {
                    p.built = true;
                    p.type = n[5] - '0';
                }
                p.built = p.built || (n.rfind("Seat", 0) == 0 && n != "SeatLinkNode");
            }
            (stallNode ? stalls_ : seats_).push_back(p);
        }
        const std::string stallTable = assets_ + "/StallData/StallData.csv";
        kindInfo_.assign(9, Kind{});
        for (int t = 1; t <= 8; ++t)
        {
            const std::string archetype = ReadText(assets_ + "/Archetypes/Stall" + std::to_string(t) + ".xml");
            const auto number = [&](const char* field, float fallback) {
                const std::string text = FieldText(archetype, field);
                return text.empty() ? fallback : std::strtof(text.c_str(), nullptr);
            };
            Kind& k = kindInfo_[static_cast<std::size_t>(t)];
            k.upgradeCost = number("upgradeCost", 200.0f);
            k.costGrowth = number("upgradeCostMultiplier", 1.2f);
            k.upgradeTime = number("upgradeTime", 6.0f);
            k.timeGrowth = number("upgradeBenefitMultiplier", 1.2f);
            k.upkeep = TableNumber(stallTable, t, 3);
            if (!scene_.Has("BuildStall" + std::to_string(t)))
                continue;
            const float price = TableNumber(stallTable, t, 2);
            kinds_.emplace_back(price, t);
            buttons_.push_back(PriceButton{scene_.At("BuildStall" + std::to_string(t)), price});
        }
        std::sort(kinds_.begin(), kinds_.end());
        seatPrice_ = TableNumber(assets_ + "/SeatData/SeatData.csv", 1, 1);
        if (!(seatPrice_ > 0.0f))
            seatPrice_ = 500.0f;
        if (scene_.Has("SeatCB"))
            buttons_.push_back(PriceButton{scene_.At("SeatCB"), seatPrice_});
    }

    bool ScriptedPlayer::PlayLevel(int level, const std::string& doneLine, double gameLimit)
    {
        const std::string name = "Level" + std::to_string(level);
        if (!scene_.Load(assets_, name))
            return Fail(name + " scene files not readable");
        ReadPlaces();
        level_ = level;
        upgradePlace_ = -1;
        fires_ = fights_ = trash_ = upgrades_ = 0;

        // The highest speed.
        const WorldPoint fast = scene_.At("Speed4Button");
        screen_.Press(fast.Px(), fast.Py());
        screen_.Pause(500);
        screen_.Grab();
        emptyLook_ = screen_.Picture();
        for (std::vector<Place>* places : {&stalls_, &seats_})
            for (Place& p : *places)
                if (!p.built)
                    RememberEmptyLook(p);
        levelStart_ = lastDusk_ = lastDawn_ = lastRecheck_ = Now();
        levelStartReal_ = Clock::now();
        lastAct_ = lastUpgrade_ = upgradeBusyUntil_ = -1e9;
        dusks_ = 0;
        night_ = false;
        lastCycle_ = 0.0;
        dayLength_ = scene_.Number("TimeAndWeatherSystem", "timeInDay", 90.0f);
        plan_.Read(game_.StandardOutput().substr(std::min(levelOutputFrom_, game_.StandardOutput().size())));
        Note(name + ": playing; missions: " + plan_.Summary());

        const std::string star3 = "-----THIRD STAR MISSION DONE-----";
        const std::string target = doneLine.empty() ? star3 : doneLine;
        const std::size_t before = CountOut(target);
        int stars = 0;
        while (GameSeconds() < gameLimit)
        {
            if (Stopped())
                return Fail(name + ": stopped");
            const std::string out = game_.StandardOutput();
            plan_.Read(out.substr(std::min(levelOutputFrom_, out.size())));
            if (plan_.stars != stars)
            {
                stars = plan_.stars;
                Note(name + ": star " + std::to_string(stars) + " after " + std::to_string(static_cast<int>(GameSeconds())) +
                     " s of game time");
            }
            if (CountOut(target) > before)
            {
                Note(name + ": \"" + target + "\" after " + std::to_string(static_cast<int>(RealSeconds())) + " s");
                return true;
            }
            screen_.Grab();
            // Money below zero at a dawn loses the level.
            if (MoneyBelowZero())
            {
                screen_.Pause(2000);
                screen_.Grab();
                if (MoneyBelowZero())
                {
                    Snapshot(name + "-lost");
                    return Fail(name + ": lost, the money fell below zero after " +
                                std::to_string(static_cast<int>(GameSeconds())) + " s of game time (" +
                                plan_.Summary() + ")\n" + MissionLines());
                }
            }
            WatchSky();
            RecheckPlaces();
            LookAfterTrouble();
            Act();
            screen_.Pause(200);
        }
        Snapshot(name + "-timeout");
        return Fail(name + ": \"" + target + "\" not reached in " + std::to_string(static_cast<int>(GameSeconds())) +
                    " s of game time, " + std::to_string(static_cast<int>(RealSeconds())) + " s real (fires " + std::to_string(fires_) + ", fights " + std::to_string(fights_) + ", trash " +
                    std::to_string(trash_) + ", upgrades " + std::to_string(upgrades_) + "; " + plan_.Summary() + ")\n" +
                    MissionLines());
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
            const double now = Now();
            if (dusks_ > 0)
                lastCycle_ = now - lastDusk_;
            lastDusk_ = now;
            ++dusks_;
        }
        else if (night_ && sky > 420)
        {
            night_ = false;
            lastDawn_ = Now();
        }
    }

    double ScriptedPlayer::RealSeconds() const
    {
        return std::chrono::duration<double>(Clock::now() - levelStartReal_).count();
    }

    double ScriptedPlayer::GameSeconds() const
    {
        // Whole days seen from dusk to dusk, and the part of the current one
        // at the pace of the last day (4x the frames' time before the first:
        // the highest speed). Frames, not real time: the game moves one step
        // for each frame drawn, however slowly they come.
        const double sinceDusk = Now() - lastDusk_;
        const double sinceStart = Now() - levelStart_;
        if (dusks_ == 0)
            return sinceStart * 4.0;
        const double pace = lastCycle_ > 0.0 ? dayLength_ / lastCycle_ : 4.0;
        const double firstDusk = sinceStart - sinceDusk;
        // The first dusk comes part-way through the first day.
        const double beforeFirst = std::min(firstDusk * pace, dayLength_);
        return beforeFirst + (dusks_ - 1) * dayLength_ + std::min(sinceDusk * pace, dayLength_);
    }

    // ---- Trouble -----------------------------------------------------------

    void ScriptedPlayer::LookAfterTrouble()
    {
        // Both looked at, whatever the first found.
        const bool fire = PutOutFires();
        const bool fight = BreakUpFight();
        if (fire || fight)
            screen_.Grab();
        ClearTrash();
        screen_.Grab();
        PutOutFires();
    }

    bool ScriptedPlayer::PutOutFires()
    {
        // Flames are drawn in their own light: orange tongues round a pale
        // yellow core, at full colour by day and night. The stall's own art
        // may hold a little of either; only more than it ever shows counts.
        const Rgb orange{255, 159, 28};
        const Rgb core{255, 224, 138};
        bool any = false;
        for (std::size_t i = 0; i < stalls_.size(); ++i)
        {
            Place& s = stalls_[i];
            if (!s.built)
                continue;
            const Rect area{s.at.Px() - 115, s.at.Py() - 110, 230, 200};
            const int flame = std::min(screen_.Count(area, orange, 30), screen_.Count(area, core, 30));
            if (s.flameBase < 0 || flame < s.flameBase)
                s.flameBase = flame;
            // A fire shrinks with each click: even a small one counts.
            if (flame < s.flameBase + 150)
                continue;
            // Clear of the stall menu's buttons: the flames' lower part.
            if (MenuOpen(s.at))
            {
                const WorldPoint close = Plus(s.at, CloseOffset);
                screen_.Press(close.Px(), close.Py());
            }
            // Quick clicks: a fire left burning for long sets off a panic.
            screen_.Press(s.at.Px(), s.at.Py() + 50, 90);
            for (int k = 0; k < 12; ++k)
            {
                screen_.Click();
                screen_.Grab();
                if (std::min(screen_.Count(area, orange, 30), screen_.Count(area, core, 30)) < s.flameBase + 40)
                    break;
            }
            ++fires_;
            any = true;
            Note("fire put out at stall place " + std::to_string(i + 1));
            screen_.Grab();
        }
        return any;
    }

    bool ScriptedPlayer::BreakUpFight()
    {
        // A fight is a pale dust cloud with red swearing in it, on the floor.
        // Puff pixels are counted in 20-pixel blocks; the densest 160x120
        // window of blocks is the cloud.
        const Rgb puff{246, 241, 228};
        const Rgb red{230, 57, 70};
        constexpr int B = 20, Top = 300, Cols = PlayerScreen::Width / B, Rows = (PlayerScreen::Height - Top) / B;
        std::vector<int> puffs(static_cast<std::size_t>(Cols * Rows), 0);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                puffs[static_cast<std::size_t>(r * Cols + c)] = screen_.Count(Rect{c * B, Top + r * B, B, B}, puff, 12);
        int best = 0, bc = 0, br = 0;
        for (int r = 0; r + 6 <= Rows; ++r)
            for (int c = 0; c + 8 <= Cols; ++c)
            {
                int sum = 0;
                for (int y = r; y < r + 6; ++y)
                    for (int x = c; x < c + 8; ++x)
                        sum += puffs[static_cast<std::size_t>(y * Cols + x)];
                if (sum > best)
                {
                    best = sum;
                    bc = c;
                    br = r;
                }
            }
        const Rect cell{bc * B, Top + br * B, 8 * B, 6 * B};
        int cx = 0, cy = 0;
        if (best < 2500 || screen_.Count(cell, red, 40) < 15 || !screen_.Centre(cell, puff, 12, 500, cx, cy))
            return false;
        screen_.Press(cx, cy, 90);
        for (int k = 0; k < 6; ++k)
            screen_.Click();
        ++fights_;
        Note("fight broken up at " + std::to_string(cx) + "," + std::to_string(cy));
        return true;
    }

    void ScriptedPlayer::ClearTrash()
    {
        // Trash lies on a table top beside each place; its cup's light blue
        // shows by day and night. A few pieces a round, fires looked at
        // between them.
        static const WorldPoint Spots[4] = {{-22.0f, 18.0f}, {22.0f, 18.0f}, {-22.0f, -34.0f}, {22.0f, -34.0f}};
        const Rgb cup{127, 209, 232};
        int carried = 0;
        for (const Place& t : seats_)
        {
            if (!t.built)
                continue;
            for (const WorldPoint& spot : Spots)
            {
                const WorldPoint at = Plus(t.at, spot);
                if (carried >= 3 || screen_.Count(Rect{at.Px() - 30, at.Py() - 22, 60, 40}, cup, 40) < 20)
                    continue;
                const WorldPoint bin = NearestBin(at.Px(), at.Py());
                screen_.Drag(at.Px(), at.Py(), bin.Px(), bin.Py(), true);
                ++trash_;
                ++carried;
                // Fires first between pieces: the rest of the table's picture
                // is then taken again.
                screen_.Grab();
                if (PutOutFires())
                    screen_.Grab();
            }
        }
        if (carried)
            screen_.Grab();
    }

    // ---- Building and upgrading --------------------------------------------

    void ScriptedPlayer::Act()
    {
        const double now = Now();
        if (now - lastAct_ < 1.5)
            return;
        lastAct_ = now;
        bool freeStall = false, freeSeat = false;
        for (const Place& p : stalls_)
            freeStall = freeStall || !p.built;
        for (const Place& p : seats_)
            freeSeat = freeSeat || !p.built;

        // The first star: the stalls, the upgrades and the tables it asks
        // for, in that order (stalls earn; tables only hold customers).
        if (plan_.NeedsStalls() && freeStall)
        {
            BuildStall();
            return;
        }
        if (plan_.NeedsUpgrade())
        {
            const std::size_t place = UpgradeChoice();
            if (place < stalls_.size() && TryToUpgrade(place, Upkeep()))
                return;
            // While it is under way the money may go to a table or a stall.
            if (now < upgradeBusyUntil_ && !(plan_.NeedsSeats() && freeSeat && BuildSeat()) && freeStall)
                BuildStall();
            return;
        }
        if (plan_.NeedsSeats() && freeSeat)
        {
            BuildSeat();
            return;
        }
        // Then as many stalls as the second star may ask to be held (2, 4
        // or 8 by level; each adds upkeep that a small court cannot earn),
        // then tables, then better stalls, keeping money for the upkeep.
        std::size_t held = 0;
        for (const Place& p : stalls_)
            held += p.built;
        const std::size_t wanted = level_ <= 1 ? 2u : (level_ == 2 ? 4u : 8u);
        const bool moreStalls = freeStall && held < wanted;
        if (moreStalls && BuildStall())
            return;
        if (!moreStalls && freeSeat && BuildSeat())
            return;
        if (!moreStalls && !freeSeat)
        {
            std::size_t cheapest = stalls_.size();
            for (std::size_t i = 0; i < stalls_.size(); ++i)
                if (stalls_[i].built && stalls_[i].type > 0 && stalls_[i].upgrades < 2 &&
                    (cheapest == stalls_.size() || stalls_[i].upgrades < stalls_[cheapest].upgrades))
                    cheapest = i;
            if (cheapest < stalls_.size())
                TryToUpgrade(cheapest, Upkeep());
        }
    }

    bool ScriptedPlayer::BuildStall()
    {
        int free = -1;
        for (std::size_t i = 0; i < stalls_.size() && free < 0; ++i)
            if (!stalls_[i].built)
                free = static_cast<int>(i);
        if (free < 0 || kinds_.empty())
            return false;
        // The cheapest kind the court lacks (customers ask for kinds), else
        // the cheapest; a reserve for the dawn's upkeep once the missions
        // are met.
        std::pair<float, int> kind = kinds_.front();
        for (const auto& k : kinds_)
        {
            bool present = false;
            for (const Place& p : stalls_)
                present = present || (p.built && p.type == k.second);
            if (!present)
            {
                kind = k;
                break;
            }
        }
        const float price = kind.first;
        const int type = kind.second;
        // Enough left after it for the next dawn's upkeep, its own included.
        if (!Affordable(price + Upkeep() + kindInfo_[static_cast<std::size_t>(type)].upkeep))
            return false;
        Place& p = stalls_[static_cast<std::size_t>(free)];
        if (!DragBuild("BuildStall" + std::to_string(type), p))
            return false;
        p.built = true;
        p.type = type;
        p.upgrades = 0;
        p.flameBase = -1;
        Note("built stall kind " + std::to_string(type) + " at stall place " + std::to_string(free + 1));
        // A new stall opens its menu: close it.
        if (MenuOpen(p.at))
        {
            const WorldPoint close = Plus(p.at, CloseOffset);
            screen_.Press(close.Px(), close.Py());
        }
        return true;
    }

    bool ScriptedPlayer::DragBuild(const std::string& button, const Place& p)
    {
        const WorldPoint from = scene_.At(button);
        screen_.Drag(from.Px(), from.Py(), p.at.Px(), p.at.Py());
        screen_.Pause(800);
        screen_.Grab();
        return LooksBuilt(p);
    }

    bool ScriptedPlayer::BuildSeat()
    {
        int free = -1;
        for (std::size_t i = 0; i < seats_.size() && free < 0; ++i)
            if (!seats_[i].built)
                free = static_cast<int>(i);
        if (free < 0 || !Affordable(seatPrice_ + Upkeep()))
            return false;
        Place& p = seats_[static_cast<std::size_t>(free)];
        if (!DragBuild("SeatCB", p))
            return false;
        p.built = true;
        Note("built a table at seat place " + std::to_string(free + 1));
        return true;
    }

    std::size_t ScriptedPlayer::UpgradeChoice()
    {
        // ONE stall carries the upgrade mission: the one cheapest to upgrade,
        // kept once chosen while it stands.
        if (upgradePlace_ >= 0 && stalls_[static_cast<std::size_t>(upgradePlace_)].built)
            return static_cast<std::size_t>(upgradePlace_);
        std::size_t best = stalls_.size();
        for (std::size_t i = 0; i < stalls_.size(); ++i)
            if (stalls_[i].built && stalls_[i].type > 0 &&
                (best == stalls_.size() ||
                 kindInfo_[static_cast<std::size_t>(stalls_[i].type)].upgradeCost <
                     kindInfo_[static_cast<std::size_t>(stalls_[best].type)].upgradeCost))
                best = i;
        if (best < stalls_.size())
        {
            upgradePlace_ = static_cast<int>(best);
            Note("upgrades go to stall place " + std::to_string(best + 1));
        }
        return best;
    }

    bool ScriptedPlayer::TryToUpgrade(std::size_t place, float reserve)
    {
        const double now = Now();
        Place& p = stalls_[place];
        // Costs grow with each upgrade; the lit buttons say whether it can be
        // paid, the menu's button whether it is free to start.
        const Kind& kind = kindInfo_[static_cast<std::size_t>(std::max(p.type, 0))];
        const float cost = kind.upgradeCost * static_cast<float>(std::pow(kind.costGrowth, p.upgrades));
        if (now < upgradeBusyUntil_ || now - lastUpgrade_ < 3.0 || !Affordable(cost + reserve))
            return false;
        lastUpgrade_ = now;
        const WorldPoint s = p.at;
        const WorldPoint close = Plus(s, CloseOffset);
        const WorldPoint u = Plus(s, UpgradeOffset);
        const auto menuOpen = [&] {
            screen_.Grab();
            return MenuOpen(s);
        };
        // A click on the stall opens its menu; a hold carries the stall
        // instead (a hold is short at the highest speed), so the presses
        // start short and grow until one is seen.
        for (int hold : {60, 110, 200})
        {
            if (menuOpen())
                break;
            screen_.Press(s.Px(), s.Py() + 20, hold);
            screen_.Pause(400);
        }
        if (!menuOpen())
            return false;
        // The upgrade button is green when it can start.
        int green = 0;
        for (int y = u.Py() - 16; y < u.Py() + 16; ++y)
            for (int x = u.Px() - 20; x < u.Px() + 20; ++x)
            {
                const Rgb c = screen_.Pixel(x, y);
                green += c.g - c.r > 50 && c.g - c.b > 30;
            }
        bool pressed = false;
        if (green > 80)
        {
            screen_.Press(u.Px(), u.Py());
            ++upgrades_;
            ++p.upgrades;
            pressed = true;
            // Each upgrade takes longer than the last, a quarter of that in
            // frames at the highest speed.
            const double gameSeconds = kind.upgradeTime * std::pow(kind.timeGrowth, p.upgrades);
            upgradeBusyUntil_ = Now() + gameSeconds / 4.0;
            Note("upgrade " + std::to_string(p.upgrades) + " started at stall place " + std::to_string(place + 1));
        }
        screen_.Pause(300);
        if (menuOpen())
            screen_.Press(close.Px(), close.Py());
        return pressed;
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
        // The next level's missions are read from here on.
        levelOutputFrom_ = game_.StandardOutput().size();
        screen_.Pause(3000);
        for (int i = 0; i < 5; ++i)
        {
            screen_.Press(next.Px(), next.Py());
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
