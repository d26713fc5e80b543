// QuestStageSource: what tells the level how many star missions are done.
// The simulation reads the current source; with none no stage is reached.
#pragma once

namespace KiteFramework
{
    class QuestStageSource
    {
    public:
        // 0 to 3; 3 means every star is done and the level is won.
        virtual int GetStage() const = 0;

        static QuestStageSource* Current() { return current; }

    protected:
        QuestStageSource() { current = this; }
        QuestStageSource(const QuestStageSource&) { current = this; }
        virtual ~QuestStageSource()
        {
            if (current == this)
                current = nullptr;
        }

    private:
        static inline QuestStageSource* current = nullptr;
    };
}
