// Placeholder until the SDL back end lands: behaves as a machine without a display.
#include "Platform/Fake/FakePlatform.h"

namespace KiteFramework
{
    namespace Platform
    {
        Backend* CreateSDLBackend()
        {
            auto* fake = new FakePlatform();
            fake->failWindowCreation = true;
            return fake;
        }
    }
}
