// VolumeOptionScript: one volume step up or down per release.
#include "Options/VolumeOptionScript.h"

#include "Core/Objects/FieldOps.h"
#include "Options/OptionsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    VolumeOptionScript::VolumeOptionScript() : Script(CT_VolumeOptionScript) {}

    void VolumeOptionScript::ListFields(FieldVisitor& v)
    {
        v.Add("increment", increment, FieldInfo{"Is button increasing audio?"}.Id("##increment_"));
    }

    GameComponent* VolumeOptionScript::Clone() const
    {
        return CloneListed(*this);
    }

    void VolumeOptionScript::Initialise()
    {
        initialised = 1;
        if (OptionsSystem* options = OptionsSystem::Instance())
            options->RegisterVolumeButton(this, increment);
    }

    void VolumeOptionScript::OnMouseUp()
    {
        OptionsSystem* options = OptionsSystem::Instance();
        if (!options)
            return;
        if (increment)
            options->VolumeUp();
        else
            options->VolumeDown();
    }
}
