// Summary: the end-of-level panel. It slides from its start to its final
// place, then shows the level's statistics and its next button.
#pragma once

#include <array>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Summary : public Script
    {
    public:
        Summary();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Summary"; }
        void FieldEdited(const FieldRef& field) override;

        bool HasArrived() const { return arrived; }
        GameObject* GetNextButton() const { return nextButton.Get(); }

        // Stored fields.
        Vector2D startPos;
        Vector2D finalPos;
        float timeToInterpolate = 0.0f;

    private:
        bool IsTutorialPanel() const;
        void Arrive();
        void Place(GameObject* o, float x, float y) const;

        Vector2D direction;
        float elapsed = 0.0f;
        bool arrived = false;
        ObjectHandle nextButton;
        // Labels "CustomersServed", "AverageWT", "GrossRev", then their values.
        std::array<ObjectHandle, 6> stats;
    };
}
