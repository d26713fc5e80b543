// The OpenGL headers, for the graphics sources only (never included by a
// public header).
#pragma once

#include <GL/glew.h>

namespace KiteFramework
{
    // Loads the GL entry points once for the current context; true when the
    // entry points the engine uses are present.
    bool InitialiseGLEW();
}
