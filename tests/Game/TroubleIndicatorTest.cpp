// The trouble's registry rows, and the placement indicator: grayscale while
// dragged, the original look, animation and a white tint after.
#include <memory>

#include "World/Indicator.h"
#include "Game/GameTestWorld.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsSynergySystem.h"
#include "Trouble/FightResolver.h"
#include "Trouble/FireController.h"
#include "Trouble/FireResolver.h"
#include "Trouble/Trash.h"
#include "Trouble/TrashBin.h"
#include "Trouble/TrashController.h"

using namespace KiteTest;

namespace
{
    using TroubleRegistry = GameWorld;
}

TEST_F(TroubleRegistry, TrashFireFightSynergyAndIndicatorRows)
{
    ExpectCreates<Trash>("Trash", 22);
    ExpectCreates<TrashBin>("TrashBin", 23);
    ExpectCreates<Indicator>("Indicator", 25);
    ExpectCreates<FireResolver>("FireResolver", 42);
    ExpectCreates<FightResolver>("FightResolver", 54);
    ExpectCreates<StallsSynergySystem>("StallsSynergySystem", 82);
    ExpectCreates<FireController>("FireController", 89);
    ExpectCreates<TrashController>("TrashController", 92);
}

TEST_F(TroubleRegistry, IndicatorSwapsToGrayscaleAndBackWithAnimationAndWhiteTint)
{
    GameObject* o = Make("Stall1");
    Sprite* sprite = Add<Sprite>(o, CT_Sprite);
    sprite->InGameSetAll("Stall.png", "StallBlend.png", 4, 2);
    sprite->SetAnimated(true);
    auto* indicator = Add<Indicator>(o, CT_Indicator);
    indicator->grayscaleTexture = "Gray.png";
    indicator->originalTexture = "Stall.png";
    indicator->originalBlend = "StallBlend.png";
    indicator->illegalPlacement = {1.0f, 0.2f, 0.2f, 0.8f};
    o->Initialise();

    indicator->SetGrayscale();
    EXPECT_FALSE(sprite->getAnimated());
    EXPECT_EQ(sprite->GetTexturePath(), "Gray.png");
    EXPECT_EQ(sprite->GetBlendPath(), "Gray.png");
    EXPECT_EQ(sprite->GetColumn(), 1);
    EXPECT_EQ(sprite->GetRow(), 2u);
    indicator->ApplyTint(indicator->illegalPlacement);
    EXPECT_EQ(sprite->GetTint(), indicator->illegalPlacement);

    indicator->SetOriginal();
    EXPECT_TRUE(sprite->getAnimated());
    EXPECT_EQ(sprite->GetTexturePath(), "Stall.png");
    EXPECT_EQ(sprite->GetBlendPath(), "StallBlend.png");
    EXPECT_EQ(sprite->GetColumn(), 4);
    EXPECT_EQ(sprite->GetRow(), 2u);
    EXPECT_EQ(sprite->GetTint(), (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));

    // A copy keeps the textures, tints and what was saved.
    std::unique_ptr<GameComponent> copy(indicator->Clone());
    auto* c = static_cast<Indicator*>(copy.get());
    EXPECT_EQ(c->grayscaleTexture, "Gray.png");
    EXPECT_EQ(c->illegalPlacement, indicator->illegalPlacement);
    EXPECT_EQ(c->savedColumns, 4u);
    EXPECT_TRUE(c->savedAnimated);
}
