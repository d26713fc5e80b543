// CheckLevelStatus: a level button follows its unlock flag.
#include "Flow/CheckLevelStatus.h"

#include <string>

#include "Core/Engine/DataError.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/SystemCallButton.h"
#include "Economy/LevelFlags.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        const char* const levels[] = {"-", "Level 1", "Level 2", "Level 3"};
    }

    CheckLevelStatus::CheckLevelStatus() : Script(CT_CheckLevelStatus) {}

    void CheckLevelStatus::ListFields(FieldVisitor& v)
    {
        v.Add("levelid", levelid, FieldInfo{"Level ID"}.Choices(levels, 4));
    }

    GameComponent* CheckLevelStatus::Clone() const
    {
        return CloneListed(*this);
    }

    void CheckLevelStatus::OnStart()
    {
        const std::string where = "Object \"" + GetGameObjectName() + "\"";
        bool open = false;
        if (levelid >= 1 && levelid <= 3)
            open = GetLevelFlags()[levelid - 1];
        else
            ReportDataError(where, "Error. Level not found (levelid " + std::to_string(levelid) +
                                       "); the button stays closed");
        SystemCallButton* button = GetOwner() ? GetOwner()->GetComponent<SystemCallButton>() : nullptr;
        if (!button)
        {
            ReportDataError(where, "CheckLevelStatus without a SystemCallButton");
            return;
        }
        button->ButtonActive(open);
    }
}
