// Graphics: the mouse mapping of the editor's scene view.
#include "Core/Graphics/Graphics.h"

namespace KiteFramework
{
    void Graphics::SetViewMapping(ViewMapping mapping)
    {
        viewMapping = std::move(mapping);
    }
}
