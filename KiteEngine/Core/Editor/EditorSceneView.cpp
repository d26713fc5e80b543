// Editor: the scene view's mouse: inside test, conversion to world units,
// picking, the selected object's outline and the gizmo.
#include <algorithm>
#include <cmath>
#include <iostream>

#include <glm/mat4x4.hpp>
#include <imgui.h>

#include "Core/Editor/Editor.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"

namespace KiteFramework
{
    namespace
    {
        // The camera's view in world units.
        constexpr float kCameraWidth = 1600.0f;
        constexpr float kCameraHeight = 900.0f;
    }

    bool Editor::MouseInViewport() const
    {
        int mx = 0;
        int my = 0;
        GetCursorPos(mx, my);
        const float x = static_cast<float>(mx);
        const float y = static_cast<float>(my);
        return x >= view.x && y >= view.y && view.x + view.w >= x && view.y + view.h >= y;
    }

    Vector2D Editor::ViewToWorld(float x, float y) const
    {
        if (view.w <= 0.0f || view.h <= 0.0f)
            return Vector2D();
        const float u = (x - view.x) / view.w * kCameraWidth - kCameraWidth / 2.0f;
        const float v = kCameraHeight / 2.0f - (y - view.y) / view.h * kCameraHeight;
        return Vector2D(u, v);
    }

    Vector2D Editor::WorldToView(const Vector2D& world) const
    {
        return Vector2D(view.x + (world.x + kCameraWidth / 2.0f) / kCameraWidth * view.w,
                        view.y + (kCameraHeight / 2.0f - world.y) / kCameraHeight * view.h);
    }

    Vector2D Editor::genericConversionTest() const
    {
        float x = 0.0f;
        float y = 0.0f;
        GetCursorPos(x, y);
        return ViewToWorld(x, y);
    }

    bool Editor::HitTest(Transform& transform, const Vector2D& p)
    {
        // The point taken back into the object's unit square, so that a
        // turned object is hit where it is drawn (two corners alone would
        // give a 45-degree object a box of no width).
        transform.Update();
        const glm::mat4 m = transform.GetTransformation();
        const float det = m[0][0] * m[1][1] - m[1][0] * m[0][1];
        if (std::fabs(det) < 1e-12f)
            return false;
        const float dx = p.x - m[3][0];
        const float dy = p.y - m[3][1];
        const float u = (m[1][1] * dx - m[1][0] * dy) / det;
        const float v = (-m[0][1] * dx + m[0][0] * dy) / det;
        return u >= -0.5f && u <= 0.5f && v >= -0.5f && v <= 0.5f;
    }

    void Editor::Pick(const Vector2D& p)
    {
        // Interface objects win over ordinary ones; the lowest id wins in each.
        for (const GameObjectFactory::ObjectMap* objects : {&FACTORY->GetUIObjects(), &FACTORY->GetObjects()})
        {
            for (const auto& entry : *objects)
            {
                GameObject* object = entry.second;
                Transform* transform = object->GetComponent<Transform>();
                if (!transform || !HitTest(*transform, p))
                    continue;
                TurnDebug(false);
                SetInspecting(object);
                TurnDebug(true);
                return;
            }
        }
        TurnDebug(false);
        ClearInspecting();
    }

    void Editor::MouseToWorld()
    {
        if (!FACTORY || (FACTORY->GetObjects().empty() && FACTORY->GetUIObjects().empty()))
            return;
        if (IsPlaying())
            return;
        // Only a click on the view itself picks: not one on a menu, a popup
        // or the view's own context menu lying over it.
        if (!CheckPopUp() || sceneContextOpen || !sceneHovered || !MouseInViewport())
            return;
        Pick(genericConversionTest());
        if (!GetInspecting())
            Print("Found Nothing");
    }

    void Editor::TurnDebug(bool on)
    {
        GameObject* object = GetInspecting();
        if (!object)
            return;
        if (object->HasComponent(CT_Sprite))
            if (Sprite* sprite = object->GetComponent<Sprite>())
                sprite->SetDebugDraw(on);
        if (object->HasComponent(CT_Collider2D))
            if (Collider2D* collider = object->GetComponent<Collider2D>())
                collider->SetDebug(on);
    }

    void Editor::Gizmo()
    {
        GameObject* object = GetInspecting();
        Transform* transform = object ? object->GetComponent<Transform>() : nullptr;
        const ImVec2 d = ImGui::GetIO().MouseDelta;
        currentMouseWorld = genericConversionTest();
        mouseWorldDelta = currentMouseWorld - previousMouseWorld;
        if (transform)
        {
            switch (gizmoMode)
            {
            case GizmoTranslate:
                // A drag moves the object by the dragged distance in world units.
                if (mouseWorldDelta.x != 0.0f || mouseWorldDelta.y != 0.0f)
                    transform->SetTrans(transform->GetTransVec() + mouseWorldDelta);
                break;
            case GizmoScale:
            {
                const Vector2D s = transform->GetScaleVec();
                transform->SetScale(s.x + d.x / 10.0f, s.y + d.y / -10.0f);
                break;
            }
            case GizmoRotate:
                transform->SetRot(transform->GetRotation() + d.x / 5.0f);
                break;
            default:
                break;
            }
        }
        previousMouseWorld = currentMouseWorld;
    }

    Vector2D Editor::TestConvertToNDC(const Transform& transform) const
    {
        const int halfW = graphics ? graphics->GetWidth() / 2 : 0;
        const int halfH = graphics ? graphics->GetHeight() / 2 : 0;
        const Vector2D p = transform.GetTransVec();
        return Vector2D(halfW ? p.x / static_cast<float>(halfW) : 0.0f, halfH ? p.y / static_cast<float>(halfH) : 0.0f);
    }
}
