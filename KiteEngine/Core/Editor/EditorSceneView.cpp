// Editor: the scene view's mouse: inside test, conversion to world units,
// picking, the selected object's outline and the gizmo.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <unordered_map>
#include <vector>

#include <glm/mat4x4.hpp>
#include <imgui.h>

#include "Core/Editor/Editor.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Renderer.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
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

    namespace
    {
        // Whether the renderer puts something the player can see on screen.
        bool Seen(const Renderer* r)
        {
            const GameObject* owner = r ? r->GetOwner() : nullptr;
            if (!owner || !owner->isActive())
                return false;
            switch (r->GetKind())
            {
            case Renderer::Kind::Sprite:
            {
                const auto* sprite = static_cast<const Sprite*>(r);
                return sprite->IsShown() && sprite->GetAlpha() > 0.0f;
            }
            case Renderer::Kind::Text:
                return static_cast<const Text*>(r)->GetRenderBool();
            default:
                return false;
            }
        }
    }

    std::vector<GameObject*> Editor::ObjectsUnder(const Vector2D& p) const
    {
        // Where each object is seen in the draw order: the list is drawn
        // from back to front, so a later place is nearer the player.
        std::unordered_map<const GameObject*, std::size_t> place;
        if (graphics)
        {
            graphics->Reorder();
            const std::vector<Renderer*>& list = graphics->GetRenderers();
            for (std::size_t i = 0; i < list.size(); ++i)
                if (Seen(list[i]))
                    place[list[i]->GetOwner()] = i + 1;
        }
        struct Candidate
        {
            GameObject* object;
            int group;
            std::size_t place;
        };
        std::vector<Candidate> hits;
        int kind = 0;
        for (const GameObjectFactory::ObjectMap* objects : {&FACTORY->GetUIObjects(), &FACTORY->GetObjects()})
        {
            for (const auto& entry : *objects)
            {
                GameObject* object = entry.second;
                Transform* transform = object->GetComponent<Transform>();
                if (!transform || !HitTest(*transform, p))
                    continue;
                const auto seen = place.find(object);
                // Seen interface objects, then seen scene objects, then what
                // shows nothing there (interface first, then by id).
                if (seen != place.end())
                    hits.push_back({object, kind, seen->second});
                else
                    hits.push_back({object, 2, 0});
            }
            kind = 1;
        }
        std::stable_sort(hits.begin(), hits.end(), [](const Candidate& a, const Candidate& b) {
            if (a.group != b.group)
                return a.group < b.group;
            return a.place > b.place;
        });
        std::vector<GameObject*> out;
        out.reserve(hits.size());
        for (const Candidate& hit : hits)
            out.push_back(hit.object);
        return out;
    }

    void Editor::Pick(const Vector2D& p, bool again)
    {
        // What the player sees on top wins; a click again at the same point
        // takes the next one down, round to the top again.
        const std::vector<GameObject*> under = ObjectsUnder(p);
        GameObject* chosen = under.empty() ? nullptr : under.front();
        GameObject* current = GetInspecting();
        if (again && current)
        {
            const auto at = std::find(under.begin(), under.end(), current);
            if (at != under.end())
                chosen = std::next(at) == under.end() ? under.front() : *std::next(at);
        }
        TurnDebug(false);
        if (!chosen)
        {
            ClearInspecting();
            return;
        }
        SetInspecting(chosen);
        TurnDebug(true);
        // The hierarchy brings what was picked into view, its parents open.
        revealInHierarchy = ObjectHandle(chosen);
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
        const bool samePlaceAsLastPick = NearLastPick();
        int x = 0;
        int y = 0;
        GetCursorPos(x, y);
        lastPickX = x;
        lastPickY = y;
        GameObject* selected = GetInspecting();
        const Vector2D p = genericConversionTest();
        // A press where the last click picked may be the start of a drag of
        // the selection: only a release without a move takes the next one.
        if (samePlaceAsLastPick && selected)
        {
            cyclePending = true;
            const std::vector<GameObject*> under = ObjectsUnder(p);
            dragArmed = std::find(under.begin(), under.end(), selected) != under.end();
            return;
        }
        Pick(p, false);
        // Only what was already selected is dragged: a press that picks
        // something else (the floor behind everything, say) just selects it.
        dragArmed = selected && GetInspecting() == selected;
        if (!GetInspecting())
            Print("Found Nothing");
    }

    bool Editor::NearLastPick() const
    {
        // A hand on the mouse moves it a pixel or two between clicks.
        int x = 0;
        int y = 0;
        GetCursorPos(x, y);
        return std::abs(x - lastPickX) <= 2 && std::abs(y - lastPickY) <= 2;
    }

    void Editor::ReleasedInView()
    {
        if (!cyclePending)
            return;
        cyclePending = false;
        if (NearLastPick() && !IsPlaying())
            Pick(genericConversionTest(), true);
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
                // The object grows by the dragged distance: right wider, up taller.
                const float unit = graphics && graphics->pixelsPerUnit > 0 ? static_cast<float>(graphics->pixelsPerUnit)
                                                                           : 100.0f;
                const Vector2D s = transform->GetScaleVec();
                transform->SetScale(s.x + mouseWorldDelta.x / unit, s.y + mouseWorldDelta.y / unit);
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
