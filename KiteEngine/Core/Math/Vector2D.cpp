// Vector2D: conversion from the GUI library's two-float vector.
#include "Core/Math/Vector2D.h"

#include <imgui.h>

namespace KiteFramework
{
    Vector2D::Vector2D(const ImVec2& v) : x(v.x), y(v.y) {}
}
