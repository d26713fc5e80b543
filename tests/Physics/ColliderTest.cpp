// Collider2D: box size and point test, file form, clones and copies,
// registration over the collider's and the system's lifetimes.
#include "Physics/PhysicsWorld.h"

#include <tinyxml2.h>

#include "Core/Objects/ComponentCreator.h"
#include "Core/Physics/ShapeAABB.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

using namespace KiteTest;

using Colliders = PhysicsWorld;

namespace
{
    std::vector<std::string> ChildNames(XMLElement* e)
    {
        std::vector<std::string> names;
        for (XMLElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement())
            names.push_back(c->Name());
        return names;
    }
}

TEST_F(Colliders, BoxIsSizedByExtentsAndHitStrictlyInside)
{
    GameObject* o = Make("o", 10, 20, 0, Vector2D(0, 0));
    Collider2D* c = ColliderOf(o);
    // Zero extents become one unit: 100 by 100 world units.
    EXPECT_EQ(c->GetExtents().x, 1.0f);
    EXPECT_EQ(c->GetExtents().y, 1.0f);
    const Shape* box = c->GetShape();
    EXPECT_TRUE(box->TestPoint(Vector2D(10 + 49.99f, 20)));
    EXPECT_FALSE(box->TestPoint(Vector2D(10 + 50, 20)));
    EXPECT_FALSE(box->TestPoint(Vector2D(10, 20 - 50)));
    EXPECT_EQ(box->getPosition().y, 20.0f);

    // Rotation and scale of the Transform play no part.
    Transform* t = o->GetComponent<Transform>();
    t->SetRot(45);
    t->SetScale(3, 3);
    EXPECT_FALSE(box->TestPoint(Vector2D(10 + 60, 20)));
    EXPECT_TRUE(box->TestPoint(Vector2D(10 + 49, 20 + 49)));

    // Non-zero extents are kept; the unit follows Graphics.
    c->SetExtents(Vector2D(2, 0.5f));
    c->Initialise();
    EXPECT_EQ(c->GetExtents().x, 2.0f);
    graphics->pixelsPerUnit = 10;
    EXPECT_FALSE(box->TestPoint(Vector2D(10 + 11, 20)));
    EXPECT_TRUE(box->TestPoint(Vector2D(10 + 9, 20 + 2)));
}

TEST_F(Colliders, FileFormRoundTripsInItsKeyOrder)
{
    Collider2D source;
    source.SetColliderTag(-3);
    source.SetExtents(Vector2D(2, 0.5f));

    XMLDocument document;
    XMLElement* element = document.NewElement("Collider2D");
    document.InsertEndChild(element);
    source.XMLSerialise(element, &document);
    EXPECT_EQ(ChildNames(element), (std::vector<std::string>{"colliderTag", "shapeName", "AABBExtents"}));

    Collider2D read;
    read.XMLUnSerialise(element->FirstChildElement());
    EXPECT_EQ(read.GetColliderTag(), -3);
    EXPECT_EQ(read.GetShapeName(), "AABB");
    EXPECT_EQ(read.GetExtents().x, 2.0f);
    EXPECT_EQ(read.GetExtents().y, 0.5f);

    // Another shape name writes and reads two keys and keeps a box that
    // can never be hit.
    Collider2D other;
    other.SetShapeName("Circle");
    other.SetColliderTag(4);
    XMLElement* otherElement = document.NewElement("Collider2D");
    document.InsertEndChild(otherElement);
    other.XMLSerialise(otherElement, &document);
    EXPECT_EQ(ChildNames(otherElement), (std::vector<std::string>{"colliderTag", "shapeName"}));

    XMLDocument file;
    ASSERT_EQ(file.Parse("<Collider2D><colliderTag>4</colliderTag><shapeName>Circle</shapeName>"
                         "<AABBExtents><x>3</x><y>3</y></AABBExtents></Collider2D>"),
              tinyxml2::XML_SUCCESS);
    GameObject* o = Make("circle", 0, 0);
    Collider2D* c = ColliderOf(o);
    c->SetExtents(Vector2D(0, 0));
    c->XMLUnSerialise(file.FirstChildElement()->FirstChildElement());
    c->Initialise();
    EXPECT_EQ(c->GetShapeName(), "Circle");
    EXPECT_EQ(c->GetExtents().x, 0.0f);
    EXPECT_FALSE(c->GetShape()->TestPoint(Vector2D(0, 0)));

    // Malformed text keeps the values already held.
    ASSERT_EQ(file.Parse("<Collider2D><colliderTag>high</colliderTag></Collider2D>"), tinyxml2::XML_SUCCESS);
    Collider2D partial;
    partial.SetColliderTag(6);
    partial.XMLUnSerialise(file.FirstChildElement()->FirstChildElement());
    EXPECT_EQ(partial.GetColliderTag(), 6);
    EXPECT_EQ(partial.GetShapeName(), "AABB");
}

TEST_F(Colliders, CreatorsAreRegisteredUnderTheirNames)
{
    ComponentCreator* creator = factory->GetCreator("Collider2D");
    ASSERT_NE(creator, nullptr);
    GameComponent* made = creator->Create();
    EXPECT_EQ(made->GetComponentTypeId(), CT_Collider2D);
    EXPECT_NE(dynamic_cast<Collider2D*>(made), nullptr);
    delete made;
    ASSERT_NE(factory->GetCreator("Transform"), nullptr);
    EXPECT_EQ(factory->GetCreator("Transform")->typeId, CT_Transform);
}

TEST_F(Colliders, ClonesAndCopiesOwnTheirBoxesAndStartQuiet)
{
    GameObject* o = Make("o", 0, 0, 4, Vector2D(2, 3));
    Collider2D* c = ColliderOf(o);
    c->ForceToggleStay();
    c->SetDebug(true);

    GameObject* clone = InstantiateClone(o, 500, 0, 0);
    Collider2D* copy = ColliderOf(clone);
    EXPECT_NE(copy->GetShape(), c->GetShape());
    EXPECT_EQ(copy->GetShape()->GetCollider(), copy);
    EXPECT_EQ(copy->GetColliderTag(), 4);
    EXPECT_EQ(copy->GetExtents().y, 3.0f);
    EXPECT_FALSE(copy->GetEntry() || copy->GetStay() || copy->GetExit() || copy->IsDebug());
    copy->SetExtents(Vector2D(1, 1));
    EXPECT_EQ(c->GetExtents().x, 2.0f);
    // The clone registers on its own and sits where it was placed.
    EXPECT_EQ(physics->GetColliderCount(), 2u);
    EXPECT_EQ(copy->getPosition().x, 500.0f);

    // Assignment copies the settings; each keeps (and later deletes) its own box.
    Collider2D assigned;
    const Shape* own = assigned.GetShape();
    assigned = *c;
    EXPECT_EQ(assigned.GetShape(), own);
    EXPECT_EQ(assigned.GetColliderTag(), 4);
    EXPECT_EQ(assigned.GetExtents().x, 2.0f);
    EXPECT_FALSE(assigned.GetStay());
}

TEST_F(Colliders, RegistrationFollowsTheColliderAndSurvivesTheSystem)
{
    GameObject* kept = Make("kept", 0, 0);
    // A collider that never initialised leaves the list alone.
    delete new Collider2D();
    GameObject* bare = factory->CreateEmptyComposition();
    bare->AddComponent(CT_Collider2D);
    bare->RemoveComponent(CT_Collider2D);
    EXPECT_EQ(physics->GetColliders(), std::vector<Collider2D*>{ColliderOf(kept)});

    // Many removals between picks keep the order of what is left.
    std::vector<GameObject*> many;
    for (int i = 0; i < 40; ++i)
        many.push_back(Make("m" + std::to_string(i), 1000, 1000));
    for (int i = 0; i < 40; i += 2)
        many[i]->RemoveComponent(CT_Collider2D);
    std::vector<Collider2D*> live = physics->GetColliders();
    ASSERT_EQ(live.size(), 21u);
    EXPECT_EQ(live[0], ColliderOf(kept));
    for (int i = 1; i < 21; ++i)
        EXPECT_EQ(live[i], ColliderOf(many[2 * i - 1]));

    // A second Physics never takes the global over.
    Physics* second = new Physics();
    EXPECT_EQ(PHYSICS, physics);
    delete second;
    EXPECT_EQ(PHYSICS, physics);

    // A collider outliving the system finds it gone instead of calling it.
    Collider2D* loose = new Collider2D();
    loose->Initialise();
    EXPECT_EQ(physics->GetColliderCount(), 22u);
    engine->CleanEngine();
    EXPECT_EQ(PHYSICS, nullptr);
    delete loose;
}
