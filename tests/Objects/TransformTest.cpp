// Transform: the model matrix, the dirty flag, parent offsets, and the
// positional XML form.
#include "Objects/TestWorld.h"

using namespace KiteTest;

TEST(Transform, MatrixFromTranslationScaleAndRotation)
{
    Transform t;
    t.SetTrans(10.0f, 20.0f);
    t.SetScale(2.0f, 1.0f);
    t.SetRot(90.0f);
    t.Update();
    glm::mat4 m = t.GetTransformation();
    const float expected[4][4] = {{0, -200, 0, 0}, {100, 0, 0, 0}, {0, 0, 1, 0}, {10, 20, 1, 1}};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_NEAR(m[c][r], expected[c][r], 1e-3f) << "column " << c << " row " << r;
    EXPECT_FALSE(t.IsDirty());
}

TEST(Transform, DepthReachesTheMatrixOnlyAtTheNextRebuild)
{
    Transform t;
    t.Update();
    t.SetDepth(5.0f);
    EXPECT_FALSE(t.IsDirty());
    EXPECT_EQ(t.GetDepth(), 5.0f);
    t.Update();
    EXPECT_EQ(t.GetTransformation()[3][2], 1.0f);
    t.Translate(0.0f, 0.0f);
    t.Update();
    EXPECT_EQ(t.GetTransformation()[3][2], 5.0f);
    // A copy is always dirty.
    Transform copy(t);
    EXPECT_TRUE(copy.IsDirty());
    EXPECT_EQ(copy.GetDepth(), 5.0f);
}

// A move rebuilds only the position; every other change, whichever way it
// comes, still reaches the turned and scaled columns.
TEST(Transform, EveryChangeReachesTheMatrixAfterMoves)
{
    Transform t;
    t.SetTrans(5.0f, 5.0f);
    t.Update();
    t.SetTrans(10.0f, 20.0f);
    t.SetRot(90.0f);
    t.Update();
    glm::mat4 m = t.GetTransformation();
    EXPECT_NEAR(m[0][1], -100.0f, 1e-3f);
    EXPECT_NEAR(m[1][0], 100.0f, 1e-3f);
    EXPECT_EQ(m[3][0], 10.0f);

    t.Scale(2.0f, 3.0f);
    t.Update();
    m = t.GetTransformation();
    EXPECT_NEAR(m[0][1], -200.0f, 1e-3f);
    EXPECT_NEAR(m[1][0], 300.0f, 1e-3f);

    // Back to no turn: the columns are rebuilt whole, nothing of the turn stays.
    t.SetRot(0.0f);
    t.SetScale(1.0f);
    t.SetTrans(-1.0f, 2.0f);
    t.Update();
    m = t.GetTransformation();
    const float expected[4][4] = {{100, 0, 0, 0}, {0, 100, 0, 0}, {0, 0, 1, 0}, {-1, 2, 1, 1}};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(m[c][r], expected[c][r]) << "column " << c << " row " << r;

    // The copy builds its own matrix from the copied fields.
    t.SetRot(90.0f);
    Transform copy(t);
    copy.Update();
    EXPECT_NEAR(copy.GetTransformation()[1][0], 100.0f, 1e-3f);
    EXPECT_EQ(copy.GetTransformation()[3][1], 2.0f);
}

using TransformParenting = World;

TEST_F(TransformParenting, ChildrenFollowSetTransButNotTranslate)
{
    GameObject* parent = Make("parent");
    GameObject* child = Make("child");
    GameObject* grandchild = Make("grandchild");
    Transform* p = parent->GetComponent<Transform>();
    Transform* c = child->GetComponent<Transform>();
    Transform* g = grandchild->GetComponent<Transform>();
    p->SetTrans(100.0f, 0.0f);
    c->SetTrans(150.0f, 0.0f);
    g->SetTrans(150.0f, 30.0f);
    child->AddParent(parent);
    grandchild->AddParent(child);
    EXPECT_EQ(c->GetLocalTransVec(), Vector2D(50.0f, 0.0f));

    p->SetTrans(0.0f, 0.0f);
    EXPECT_EQ(c->GetTransVec(), Vector2D(50.0f, 0.0f));
    EXPECT_EQ(g->GetTransVec(), Vector2D(50.0f, 30.0f));

    p->Translate(10.0f, 0.0f);
    EXPECT_EQ(c->GetTransVec(), Vector2D(50.0f, 0.0f));

    // Moving a parented child keeps its offset in step.
    c->SetTrans(20.0f, 5.0f);
    EXPECT_EQ(c->GetLocalTransVec(), Vector2D(10.0f, 5.0f));

    child->Unparent();
    EXPECT_EQ(c->GetTransVec(), Vector2D(20.0f, 5.0f));
    EXPECT_EQ(c->GetLocalTransVec(), Vector2D(0.0f, 0.0f));
    EXPECT_FALSE(c->IsParented());
}

// A move looks at the owner's children only when it has any: however the
// link is made or undone, and whether the Transform came before or after
// it, children follow exactly while they are children.
TEST_F(TransformParenting, ChildrenFollowHoweverTheLinkIsMadeOrUndone)
{
    GameObject* parent = Make("parent");
    GameObject* other = Make("other");
    GameObject* child = Make("child");
    Transform* p = parent->GetComponent<Transform>();
    Transform* q = other->GetComponent<Transform>();
    Transform* c = child->GetComponent<Transform>();

    parent->AddChildren(child);
    c->Parent(parent);
    p->SetTrans(10.0f, 0.0f);
    EXPECT_EQ(c->GetTransVec(), Vector2D(10.0f, 0.0f));

    // A Transform added to an object that already has children.
    GameObject* lateParent = Make("lateParent", false);
    lateParent->AddChildren(other);
    auto* lp = new Transform();
    lateParent->AddComponent(lp);
    lp->SetTrans(5.0f, 5.0f);
    EXPECT_EQ(q->GetTransVec(), Vector2D(5.0f, 5.0f));

    // Taken by another parent: the first no longer moves it, the second does.
    child->AddParent(other);
    p->SetTrans(-50.0f, 0.0f);
    EXPECT_EQ(c->GetTransVec(), Vector2D(10.0f, 0.0f));
    q->SetTrans(6.0f, 5.0f);
    EXPECT_EQ(c->GetTransVec(), Vector2D(11.0f, 0.0f));

    // Removed and unparented children stay where they are.
    other->RemoveChildren(child);
    q->SetTrans(0.0f, 0.0f);
    EXPECT_EQ(c->GetTransVec(), Vector2D(11.0f, 0.0f));
    other->Unparent();
    lp->SetTrans(100.0f, 100.0f);
    EXPECT_EQ(q->GetTransVec(), Vector2D(0.0f, 0.0f));
}

TEST(Transform, XMLFieldsAreReadByPosition)
{
    Transform source;
    source.SetTrans(1.5f, -2.0f);
    source.SetDepth(3.0f);
    source.SetScale(0.5f, 2.0f);
    source.SetRot(45.0f);
    XMLDocument doc;
    XMLElement* e = doc.NewElement("Transform");
    doc.InsertEndChild(e);
    source.XMLSerialise(e, &doc);
    const char* names[] = {"translation", "zDepth", "scale", "rotation"};
    int i = 0;
    for (XMLElement* f = e->FirstChildElement(); f; f = f->NextSiblingElement())
        EXPECT_STREQ(f->Name(), names[i++]);
    EXPECT_EQ(i, 4);

    Transform back;
    back.XMLUnSerialise(e->FirstChildElement());
    EXPECT_EQ(back.GetTransVec(), Vector2D(1.5f, -2.0f));
    EXPECT_EQ(back.GetDepth(), 3.0f);
    EXPECT_EQ(back.GetScaleVec(), Vector2D(0.5f, 2.0f));
    EXPECT_EQ(back.GetRotation(), 45.0f);

    // Swapped elements land in the wrong fields; missing ones keep defaults.
    XMLDocument swapped;
    swapped.Parse("<Transform><zDepth>4</zDepth><translation><x>1</x><y>2</y></translation></Transform>");
    Transform odd;
    odd.XMLUnSerialise(swapped.FirstChildElement()->FirstChildElement());
    EXPECT_EQ(odd.GetDepth(), 1.0f);
    EXPECT_EQ(odd.GetScaleVec(), Vector2D(1.0f, 1.0f));
    EXPECT_EQ(odd.GetRotation(), 0.0f);
    odd.XMLUnSerialise(nullptr);
}
