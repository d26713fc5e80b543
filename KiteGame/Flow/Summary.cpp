// Summary: the sliding end-of-level panel and its statistics.
#include "Flow/Summary.h"

#include <sstream>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/AmountText.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        const char* const TutorialPanel = "TutorialComplete";
        constexpr float LabelPlaces[3][2] = {{-180.0f, -30.0f}, {-145.0f, -100.0f}, {-215.0f, -170.0f}};
        constexpr float ValuePlaces[3][2] = {{200.0f, -30.0f}, {200.0f, -100.0f}, {200.0f, -170.0f}};
    }

    Summary::Summary() : Script(CT_Summary) {}

    void Summary::ListFields(FieldVisitor& v)
    {
        v.Add("startPos", startPos, {"Start Position"});
        v.Add("finalPos", finalPos, {"Final Position"});
        v.Add("timeToInterpolate", timeToInterpolate, {"Time to interpolate", FieldWidget::Input, 0.0f});
    }

    void Summary::FieldEdited(const FieldRef& field)
    {
        // The panel starts where it is placed.
        if (field.member != &startPos || !GetOwner())
            return;
        if (Transform* t = GetOwner()->GetComponent<Transform>())
            t->SetTrans(startPos.x, startPos.y);
    }

    GameComponent* Summary::Clone() const
    {
        return CloneListed(*this);
    }

    bool Summary::IsTutorialPanel() const
    {
        return GetOwner() && GetOwner()->getName() == TutorialPanel;
    }

    void Summary::Initialise()
    {
        Script::Initialise();
        GameObject* owner = GetOwner();
        if (!owner)
            return;
        if (transform)
            transform->SetTrans(startPos);
        direction = finalPos - startPos;
        elapsed = 0.0f;
        arrived = false;
        // A panel built earlier is rebuilt.
        const std::vector<GameObject*> children = owner->GetChildren();
        for (GameObject* child : children)
            child->Destroy();

        if (IsTutorialPanel())
        {
            GameObject* next = Instantiate("TutorialCompleteNextBtn", Vector2D(), 0.0f);
            if (next)
                next->setActive(false);
            nextButton = ObjectHandle(next);
            return;
        }
        static const char* const names[6] = {"CustomersServed", "AverageWT", "GrossRev",
                                             "StatReviewText", "StatReviewText", "StatReviewText"};
        for (int i = 0; i < 6; ++i)
        {
            GameObject* o = Instantiate(names[i], Vector2D(), 0.0f);
            stats[i] = ObjectHandle(o);
            if (!o)
                continue;
            owner->AddChildren(o);
            o->setActive(false);
        }
        GameObject* next = Instantiate("NextButton", Vector2D(), 0.0f);
        nextButton = ObjectHandle(next);
        if (next)
        {
            owner->AddChildren(next);
            next->setActive(false);
        }
        const LevelStatsSystem* levelStats = LevelStatsSystem::Instance();
        if (!levelStats)
            return;
        std::ostringstream wait;
        wait.precision(2);
        wait << levelStats->AverageWaitingTime;
        const std::string values[3] = {std::to_string(levelStats->CustomerServed), wait.str(),
                                       AmountText(levelStats->GrossRevenue)};
        for (int i = 0; i < 3; ++i)
            if (Text* t = stats[3 + i].Get<Text>())
                t->SetText(values[i]);
    }

    void Summary::Update()
    {
        if (arrived)
            return;
        // Unscaled: the panel also slides in while a lost level stands still.
        if (elapsed < timeToInterpolate)
        {
            if (transform)
                transform->SetTrans(startPos + direction * (elapsed / timeToInterpolate));
            elapsed += fc.getFixedDeltaTime();
            return;
        }
        Arrive();
    }

    void Summary::Place(GameObject* o, float x, float y) const
    {
        if (!o)
            return;
        const Vector2D base = transform ? transform->GetTransVec() : finalPos;
        if (Transform* t = o->GetComponent<Transform>())
        {
            t->SetTrans(base.x + x, base.y + y);
            // Children follow the panel from here on.
            if (!t->IsParented())
                t->Parent(GetOwner());
        }
        o->setActive(true);
    }

    void Summary::Arrive()
    {
        if (transform)
            transform->SetTrans(finalPos);
        arrived = true;
        if (IsTutorialPanel())
        {
            if (GameObject* next = nextButton.Get())
            {
                if (Transform* t = next->GetComponent<Transform>())
                    t->SetTrans(0.0f, -50.0f);
                next->setActive(true);
            }
            return;
        }
        for (int i = 0; i < 3; ++i)
        {
            Place(stats[i].Get(), LabelPlaces[i][0], LabelPlaces[i][1]);
            Place(stats[3 + i].Get(), ValuePlaces[i][0], ValuePlaces[i][1]);
        }
        if (GameObject* next = nextButton.Get())
        {
            if (Transform* t = next->GetComponent<Transform>())
            {
                t->SetTrans(finalPos.x + 400.0f, finalPos.y - 225.0f);
                if (!t->IsParented())
                    t->Parent(GetOwner());
            }
            next->setActive(true);
        }
    }
}
