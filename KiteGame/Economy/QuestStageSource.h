// QuestStageSource: what tells the level how many star missions are done.
// The simulation reads the current source; with none no stage is reached.
#pragma once

#include "Economy/InEffect.h"

namespace KiteFramework
{
    class QuestStageSource : public InEffect<QuestStageSource>
    {
    public:
        // 0 to 3; 3 means every star is done and the level is won.
        virtual int GetStage() const = 0;

    protected:
        virtual ~QuestStageSource() = default;
    };
}
