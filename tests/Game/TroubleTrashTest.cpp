// Trash: where it lies, the hold before a drag (in game time), dropping it
// into a bin found under other colliders, dropping it elsewhere, the likes
// it gives, its count, and the day-night list it (and a customer's bubble)
// leaves when it dies.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "Game/TroubleWorld.h"
#include "HUD/TextFit.h"
#include "World/TintedSprites.h"

using namespace KiteTest;

namespace
{
    // The day-night list of a level, as far as dying objects see it.
    class TintList : public TintedSprites
    {
    public:
        void AddTintedSprite(Sprite* s) override { sprites.push_back(s); }
        void RemoveTintedSprite(Sprite* s) override
        {
            sprites.erase(std::remove(sprites.begin(), sprites.end(), s), sprites.end());
        }
        std::vector<Sprite*> sprites;
    };

    class TrashTest : public TroubleWorld
    {
    protected:
        void SetUp() override
        {
            TroubleWorld::SetUp();
            LevelSystems();
            TroubleSystems();
            seats->upperSeatsOffset = Vector2D(50.0f, 20.0f);
            GameObject* seatObject = Make("Seat1", -200.0f, -100.0f);
            seat = Add<SeatsBehaviour>(seatObject, CT_SeatsBehaviour);
            for (int place = 0; place < 4; ++place)
            {
                GameObject* o = Make("SeatLink", -250.0f + 100.0f * (place % 2), -80.0f - 40.0f * (place / 2));
                links[place] = Add<SeatNodesLink>(o, CT_SeatNodesLink);
                links[place]->SetSeat(seat, place);
            }
        }

        // Trash left at a seat place, as a customer leaves it.
        Trash* Leave(int place)
        {
            GameObject* o = Instantiate("Trash", Vector2D(0.0f, 0.0f), 0.0f);
            Trash* t = o->GetComponent<Trash>();
            t->Spawn(links[place]);
            links[place]->SetOccupant(o);
            return t;
        }

        static Vector2D At(const Trash* t) { return t->GetOwner()->GetComponent<Transform>()->GetTransVec(); }
        static int Layer(const Trash* t) { return t->GetOwner()->GetComponent<Collider2D>()->GetColliderTag(); }

        // Press on the trash and hold for the given number of frames.
        void PressAndHold(Trash* t, int frames)
        {
            const Vector2D at = At(t);
            PointerAt(at.x, at.y);
            Button(true);
            Step(frames);
        }

        SeatsBehaviour* seat = nullptr;
        SeatNodesLink* links[4] = {};
    };
}

TEST_F(TrashTest, LiesBesideItsPlaceTowardTheTableAndHoldsThePlace)
{
    Trash* odd = Leave(1);
    Trash* even = Leave(2);
    // Place 1 at (-150, -80): odd places lie to the left; place 2 at (-250, -120).
    EXPECT_FLOAT_EQ(At(odd).x, -150.0f - 0.7f * 50.0f);
    EXPECT_FLOAT_EQ(At(odd).y, -86.0f);
    EXPECT_FLOAT_EQ(At(even).x, -250.0f + 0.7f * 50.0f);
    EXPECT_FLOAT_EQ(At(even).y, -126.0f);
    EXPECT_EQ(odd->originalPosition.x, At(odd).x);
    EXPECT_EQ(Layer(odd), TrashLayer);
    EXPECT_EQ(seat->GetOccupant(1), odd->GetOwner());
    EXPECT_EQ(trashController->GetTrashCount(), 2);
}

TEST_F(TrashTest, APressMustLastOverAMomentOfGameTimeBeforeTheTrashFollows)
{
    Trash* t = Leave(0);
    // 8 frames are 0.133 s: still only pressed.
    PressAndHold(t, 8);
    EXPECT_TRUE(t->IsPressed());
    EXPECT_FALSE(t->IsDragging());
    Button(false);
    EXPECT_FALSE(t->IsPressed());
    EXPECT_EQ(t->GetHoldTime(), 0.0f);

    // The next press counts from 0 again: 8 more frames are not enough.
    PressAndHold(t, 8);
    EXPECT_FALSE(t->IsDragging());
    Step(2);
    EXPECT_TRUE(t->IsDragging());
    EXPECT_EQ(Layer(t), DraggedLayer);
    EXPECT_EQ(t->GetOwner()->GetComponent<Transform>()->GetDepth(), 25.0f);

    // It follows the pointer.
    PointerAt(100.0f, 50.0f);
    Step();
    EXPECT_FLOAT_EQ(At(t).x, 100.0f);
    EXPECT_FLOAT_EQ(At(t).y, 50.0f);
}

TEST_F(TrashTest, APausedGameNeverTurnsAPressIntoADrag)
{
    Trash* t = Leave(0);
    engine->SetTimeFactor(0.0f);
    PressAndHold(t, 600);
    EXPECT_TRUE(t->IsPressed());
    EXPECT_FALSE(t->IsDragging());
    EXPECT_EQ(t->GetHoldTime(), 0.0f);
}

TEST_F(TrashTest, DroppedOnABinUnderOtherCollidersItIsThrownAwayAndGivesLikesQuietly)
{
    Trash* t = Leave(3);
    // Colliders listed before the bin and over it: the trash itself (made
    // first) and an unrelated higher-tagged object.
    GameObject* sign = Make("Sign", 300.0f, 200.0f);
    Collider2D* c = Add<Collider2D>(sign, CT_Collider2D);
    c->SetColliderTag(5);
    c->SetExtents(Vector2D(1.0f, 1.0f));
    sign->Initialise();
    TrashBin* bin = Bin(300.0f, 200.0f);
    const float likesBefore = stats->Likes;

    PressAndHold(t, 12);
    ASSERT_TRUE(t->IsDragging());
    PointerAt(300.0f, 200.0f);
    Step();
    EXPECT_TRUE(bin->IsOpen());
    const auto& tint = t->GetOwner()->GetComponent<Sprite>()->GetTint();
    EXPECT_EQ(tint[1], 1.0f);
    EXPECT_EQ(tint[0], 0.0f);

    GameObject* trashObject = t->GetOwner();
    ObjectHandle handle(trashObject);
    // The release reaches whatever the pointer hovered last; the trash
    // sees the button go up on the next frame.
    Button(false);
    Step();
    EXPECT_FALSE(bin->IsOpen());
    EXPECT_TRUE(seat->IsPlaceFree(3));
    EXPECT_FLOAT_EQ(stats->Likes, likesBefore + 2.0f);
    EXPECT_EQ(NewestText("HeartMoving"), "2");
    Step();
    EXPECT_FALSE(handle.Get());
    EXPECT_EQ(trashController->GetTrashCount(), 0);
}

// The likes are written to the right of their heart; thrown into the bin by
// the court's right edge, they are still read whole.
TEST_F(TrashTest, TheLikesOfTrashThrownAwayByTheRightEdgeStayOnScreen)
{
    // The game's own floating likes, laid out as the player sees them.
    std::filesystem::copy_file(std::filesystem::path(KITE_BIN_DIR) / "Assets/Archetypes/HeartMoving.xml",
                               root / "Assets/Archetypes/HeartMoving.xml",
                               std::filesystem::copy_options::overwrite_existing);
    testing::internal::CaptureStdout();
    ASSERT_TRUE(archetypes->ReloadArchetype("HeartMoving"));
    testing::internal::GetCapturedStdout();
    for (float binX : {0.0f, 760.0f})
    {
        Trash* t = Leave(3);
        Bin(binX, 200.0f);
        PressAndHold(t, 12);
        ASSERT_TRUE(t->IsDragging());
        PointerAt(binX, 200.0f);
        Step();
        Button(false);
        Step();
        GameObject* heart = nullptr;
        for (const auto& entry : factory->GetObjects())
            if (entry.second->getName() == "HeartMoving")
                heart = entry.second;
        ASSERT_NE(heart, nullptr) << binX;
        const Text* text = heart->GetComponent<Text>();
        const float x = heart->GetComponent<Transform>()->GetTransVec().x;
        const float width = TextFit::Width(text->String(), text->Scale());
        ASSERT_GT(width, 0.0f);
        ASSERT_GT(text->GetOffset().x, 0.0f) << "the likes are written beside their heart";
        const float right = x + text->GetOffset().x + width / 2.0f;
        EXPECT_LE(right, 800.0f) << "bin at " << binX << ": the likes end at " << right;
        if (binX == 0.0f)
            EXPECT_FLOAT_EQ(x, 0.0f) << "away from the edge they are shown where the trash went";
        heart->Destroy();
        Step();
    }
}

TEST_F(TrashTest, DroppedAwayFromABinItReturnsAndKeepsThePlace)
{
    Trash* t = Leave(0);
    TrashBin* bin = Bin(300.0f, 200.0f);
    const Vector2D lay = At(t);
    PressAndHold(t, 12);
    // Over the bin, then away from it: the bin closes again.
    PointerAt(300.0f, 200.0f);
    Step();
    EXPECT_TRUE(bin->IsOpen());
    PointerAt(380.0f, 200.0f);
    Step();
    EXPECT_FALSE(bin->IsOpen());
    EXPECT_EQ(t->GetOwner()->GetComponent<Sprite>()->GetTint()[0], 1.0f);
    Button(false);
    Step();
    EXPECT_FALSE(t->IsDragging());
    EXPECT_EQ(At(t).x, lay.x);
    EXPECT_EQ(At(t).y, lay.y);
    EXPECT_EQ(Layer(t), TrashLayer);
    EXPECT_EQ(seat->GetOccupant(0), t->GetOwner());
    EXPECT_EQ(trashController->GetTrashCount(), 1);
    // The tint is white again after the drag.
    EXPECT_EQ(t->GetOwner()->GetComponent<Sprite>()->GetTint()[1], 1.0f);
}

TEST_F(TrashTest, TheCountFollowsTrashDestroyedAnyWayAndNeverGoesBelowZero)
{
    Trash* t = Leave(0);
    Leave(1);
    EXPECT_EQ(trashController->GetTrashCount(), 2);
    // A moved seat destroys its trash.
    Destroy(t->GetOwner());
    Step();
    EXPECT_EQ(trashController->GetTrashCount(), 1);
    trashController->TrashCleared();
    trashController->TrashCleared();
    EXPECT_EQ(trashController->GetTrashCount(), 0);
}

TEST_F(TrashTest, DyingTrashLeavesTheDayNightList)
{
    TintList list;
    Trash* binned = Leave(0);
    Trash* cleared = Leave(1);
    list.AddTintedSprite(binned->GetOwner()->GetComponent<Sprite>());
    list.AddTintedSprite(cleared->GetOwner()->GetComponent<Sprite>());
    Bin(300.0f, 200.0f);
    PressAndHold(binned, 12);
    PointerAt(300.0f, 200.0f);
    Step();
    Button(false);
    Step();
    Destroy(cleared->GetOwner());
    Step();
    EXPECT_TRUE(list.sprites.empty());
}

TEST_F(TrashTest, ReplacedAndLeavingBubblesLeaveTheDayNightList)
{
    TintList list;
    CustomerArchetype();
    CustomerAIBehaviour* c = NewCustomer();
    c->ShowBubble(CustomerAIBehaviour::BubbleLike, true);
    ASSERT_NE(c->GetBubbleObject(), nullptr);
    list.AddTintedSprite(c->GetBubbleObject()->GetComponent<Sprite>());
    c->ShowBubble(CustomerAIBehaviour::BubbleFire, true);
    EXPECT_TRUE(list.sprites.empty());
    list.AddTintedSprite(c->GetBubbleObject()->GetComponent<Sprite>());
    list.AddTintedSprite(c->GetOwner()->GetComponent<Sprite>());
    c->Despawn();
    EXPECT_TRUE(list.sprites.empty());
    Step();
}
