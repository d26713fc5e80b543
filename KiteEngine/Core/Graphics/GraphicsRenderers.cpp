// Graphics: the registries of renderers and sprites, the draw order and the
// per-frame walk over them.
#include <algorithm>
#include <cstdint>

#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/QuadBatch.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"

namespace KiteFramework
{
    namespace
    {
        // How many entries ahead of the walk a renderer's lines, and half as
        // many its Transform's, are asked for.
        constexpr std::size_t prefetchAhead = 16;

        // The renderers and transforms of the draw list lie all over the
        // heap, in no order of the list: their lines are asked for a little
        // ahead of use, so that the misses overlap instead of queueing.
        inline void Prefetch(const void* from, const void* to)
        {
            constexpr std::uintptr_t line = 64;
            const auto end = reinterpret_cast<std::uintptr_t>(to);
            for (auto at = reinterpret_cast<std::uintptr_t>(from) & ~(line - 1); at < end; at += line)
                __builtin_prefetch(reinterpret_cast<const void*>(at));
        }

        template <typename T>
        inline void PrefetchWhole(const T* object)
        {
            Prefetch(object, object + 1);
        }
    }

    void Graphics::PrefetchEntry(std::size_t i) const
    {
        const std::size_t n = renderers.size();
        // A sprite's drawn fields sit at its start; other renderers are few.
        if (i + prefetchAhead < n)
            if (const Renderer* r = renderers[i + prefetchAhead])
                Prefetch(r, reinterpret_cast<const char*>(r) + spriteDrawnBytes);
        if (i + prefetchAhead / 2 < n)
            if (const Renderer* r = renderers[i + prefetchAhead / 2])
                if (const Transform* t = r->GetTransform())
                    PrefetchWhole(t);
    }

    bool RenderOrderCompare(const Renderer* a, const Renderer* b)
    {
        const Transform* ta = a ? a->GetTransform() : nullptr;
        const Transform* tb = b ? b->GetTransform() : nullptr;
        if (!ta || !tb)
            return ta && !tb;
        if (ta->GetDepth() != tb->GetDepth())
            return ta->GetDepth() > tb->GetDepth();
        return ta->GetTransVec().y > tb->GetTransVec().y;
    }

    inline bool Graphics::KeyBefore(const SortKey& a, const SortKey& b)
    {
        if (!a.hasTransform || !b.hasTransform)
            return a.hasTransform && !b.hasTransform;
        if (a.depth != b.depth)
            return a.depth > b.depth;
        return a.y > b.y;
    }

    void Graphics::AddSprite(Sprite* sprite)
    {
        if (!sprite)
            return;
        if (sprite->spriteIndex == Renderer::notListed)
        {
            sprite->spriteIndex = static_cast<unsigned>(sprites.size());
            sprites.push_back(sprite);
        }
        CheckExisiting(sprite);
    }

    void Graphics::AddText(Text* text)
    {
        if (text)
            CheckExisiting(text);
    }

    void Graphics::AddEmitter(Emitter* emitter)
    {
        if (!emitter || emitter->drawIndex != Renderer::notListed)
            return;
        emitter->drawIndex = static_cast<unsigned>(renderers.size());
        renderers.push_back(emitter);
    }

    void Graphics::CheckExisiting(Renderer* r)
    {
        if (!r || r->drawIndex != Renderer::notListed)
            return;
        // An object has one sprite entry: a new sprite takes the old one's
        // place. Texts and emitters always join beside what is there.
        if (r->GetKind() == Renderer::Kind::Sprite && r->GetOwner())
        {
            Sprite* sprite = static_cast<Sprite*>(r);
            const GameObject* owner = r->GetOwner();
            auto found = ownerSprites.find(owner);
            if (found != ownerSprites.end() && found->second != sprite)
            {
                Sprite* old = found->second;
                if (old->drawIndex < renderers.size() && renderers[old->drawIndex] == old)
                {
                    sprite->drawIndex = old->drawIndex;
                    renderers[old->drawIndex] = sprite;
                    old->drawIndex = Renderer::notListed;
                    old->drawOwner = nullptr;
                    sprite->drawOwner = owner;
                    found->second = sprite;
                    return;
                }
            }
            sprite->drawOwner = owner;
            ownerSprites[owner] = sprite;
        }
        r->drawIndex = static_cast<unsigned>(renderers.size());
        renderers.push_back(r);
    }

    void Graphics::RemoveSprite(Sprite* sprite)
    {
        if (!sprite)
            return;
        const unsigned si = sprite->spriteIndex;
        if (si < sprites.size() && sprites[si] == sprite)
        {
            Sprite* last = sprites.back();
            sprites[si] = last;
            last->spriteIndex = si;
            sprites.pop_back();
        }
        sprite->spriteIndex = Renderer::notListed;
        if (sprite->drawOwner)
        {
            auto found = ownerSprites.find(sprite->drawOwner);
            if (found != ownerSprites.end() && found->second == sprite)
                ownerSprites.erase(found);
            sprite->drawOwner = nullptr;
        }
        Unlist(sprite);
    }

    void Graphics::RemoveText(Text* text)
    {
        Unlist(text);
    }

    void Graphics::RemoveEmitter(Emitter* emitter)
    {
        Unlist(emitter);
    }

    void Graphics::Unlist(Renderer* r)
    {
        // The entry becomes a gap that the next sort closes.
        if (!r)
            return;
        const unsigned di = r->drawIndex;
        if (di < renderers.size() && renderers[di] == r)
        {
            renderers[di] = nullptr;
            ++tombstones;
        }
        r->drawIndex = Renderer::notListed;
    }

    void Graphics::NoDebugDraw()
    {
        for (Sprite* sprite : sprites)
        {
            sprite->SetDebugDraw(false);
            GameObject* owner = sprite->GetOwner();
            if (owner && owner->HasComponent(CT_Collider2D))
                if (Collider2D* collider = owner->GetComponent<Collider2D>())
                    collider->SetDebug(false);
        }
    }

    void Graphics::ClearRegistries()
    {
        for (Renderer* r : renderers)
            if (r)
            {
                r->drawIndex = Renderer::notListed;
                r->drawOwner = nullptr;
            }
        for (Sprite* sprite : sprites)
        {
            sprite->spriteIndex = Renderer::notListed;
            sprite->drawOwner = nullptr;
        }
        renderers.clear();
        sprites.clear();
        ownerSprites.clear();
        tombstones = 0;
    }

    const std::vector<Renderer*>& Graphics::GetRenderers()
    {
        CompactRenderers();
        return renderers;
    }

    void Graphics::CompactRenderers()
    {
        if (tombstones == 0)
            return;
        std::size_t out = 0;
        for (Renderer* r : renderers)
        {
            if (!r)
                continue;
            r->drawIndex = static_cast<unsigned>(out);
            renderers[out++] = r;
        }
        renderers.resize(out);
        tombstones = 0;
    }

    void Graphics::Reorder()
    {
        CompactRenderers();
        GatherSortKeys();
        SortRenderers();
    }

    void Graphics::GatherSortKeys()
    {
        const std::size_t n = renderers.size();
        sortKeys.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            sortKeys[i] = KeyOf(renderers[i]);
    }

    Graphics::SortKey Graphics::KeyOf(Renderer* r)
    {
        const Transform* t = r->GetTransform();
        SortKey key;
        key.renderer = r;
        key.hasTransform = t != nullptr;
        key.depth = t ? t->GetDepth() : 0.0f;
        key.y = t ? t->GetTransVec().y : 0.0f;
        return key;
    }

    void Graphics::SortRenderers()
    {
        const std::size_t n = sortKeys.size();
        bool sorted = true;
        for (std::size_t i = 1; i < n && sorted; ++i)
            sorted = !KeyBefore(sortKeys[i], sortKeys[i - 1]);
        if (sorted)
            return;
        // Objects that move pass a few neighbours a frame: the list is
        // nearly in order, and putting each entry back in its place is
        // cheaper than a full sort. Both keep equal keys in their order, so
        // the merge sort can take over what the insertion left.
        if (!InsertKeys(4 * n + 64))
            MergeKeys();
        for (std::size_t i = 0; i < n; ++i)
        {
            renderers[i] = sortKeys[i].renderer;
            renderers[i]->drawIndex = static_cast<unsigned>(i);
        }
    }

    bool Graphics::InsertKeys(std::size_t moves)
    {
        SortKey* keys = sortKeys.data();
        const std::size_t n = sortKeys.size();
        for (std::size_t i = 1; i < n; ++i)
        {
            if (!KeyBefore(keys[i], keys[i - 1]))
                continue;
            const SortKey key = keys[i];
            std::size_t j = i;
            while (j > 0 && KeyBefore(key, keys[j - 1]))
            {
                keys[j] = keys[j - 1];
                --j;
                if (moves-- == 0)
                {
                    keys[j] = key;
                    return false;
                }
            }
            keys[j] = key;
        }
        return true;
    }

    void Graphics::MergeKeys()
    {
        // Bottom-up merge sort: stable, so equal keys keep their order, and
        // its buffer is kept from frame to frame.
        const std::size_t n = sortKeys.size();
        sortScratch.resize(n);
        SortKey* from = sortKeys.data();
        SortKey* to = sortScratch.data();
        for (std::size_t width = 1; width < n; width *= 2)
        {
            for (std::size_t lo = 0; lo < n; lo += 2 * width)
            {
                std::size_t mid = std::min(lo + width, n);
                std::size_t hi = std::min(lo + 2 * width, n);
                std::size_t i = lo, j = mid, k = lo;
                while (i < mid && j < hi)
                    to[k++] = KeyBefore(from[j], from[i]) ? from[j++] : from[i++];
                while (i < mid)
                    to[k++] = from[i++];
                while (j < hi)
                    to[k++] = from[j++];
            }
            std::swap(from, to);
        }
        if (from != sortKeys.data())
            std::copy(from, from + n, sortKeys.data());
    }

    float Graphics::AnimationStep() const
    {
        return fc.getFixedDeltaTime() * (ENGINE ? ENGINE->GetTimeFactor() : 1.0f);
    }

    void Graphics::UpdateSprite(Sprite* sprite, float step)
    {
        if (!sprite->IsOwnerActive())
            return;
        sprite->Update();
        if (Transform* t = sprite->GetTransform(); t && t->IsDirty())
            t->Update();
        if (sprite->GetTexturePtr() && sprite->getAnimated())
            sprite->Animate(step);
    }

    void Graphics::DrawEntry(Renderer* r)
    {
        if (r && r->GetOwner() && r->GetTransform())
            r->RenderMe();
    }

    void Graphics::CallDraw()
    {
        // One walk over the draw list does all of a renderer's work for the
        // frame while its objects are at hand: it brings a sprite's
        // coordinates, matrix and animation up to date, gathers the sort key (a matrix rebuild changes neither
        // depth nor height) and, while the list is still in order, as it is
        // in most frames, already queues the renderer's quads. Once an entry
        // sorts before the one ahead of it, what was queued is dropped and
        // the list is sorted and drawn again. An emitter ends the early
        // drawing: it moves its particles as it draws, and the sprite it
        // borrows may not be up to date yet.
        CompactRenderers();
        // Glyph layers are brought up to date before the walk: building them
        // draws what is queued, which the walk may yet have to drop. The
        // first scene draws its text from the glyphs' own textures (the same
        // picture): the layers' large buffers wait until it is shown.
        if (glyphLayersStale && !startingUp)
            BuildGlyphLayers();
        const float step = AnimationStep();
        const std::size_t n = renderers.size();
        sortKeys.resize(n);
        const std::size_t queuedBefore = batch->PendingQuads();
        bool sorted = true;
        bool drawing = drawWhileSorting;
        std::size_t drawn = 0;
        std::size_t listedSprites = 0;
        for (std::size_t i = 0; i < n; ++i)
        {
            PrefetchEntry(i);
            Renderer* r = renderers[i];
            if (r->GetKind() == Renderer::Kind::Sprite)
            {
                ++listedSprites;
                UpdateSprite(static_cast<Sprite*>(r), step);
            }
            SortKey& key = sortKeys[i];
            key = KeyOf(r);
            if (sorted && i > 0 && KeyBefore(key, sortKeys[i - 1]))
            {
                sorted = false;
                if (drawing)
                    batch->Rewind(queuedBefore);
                drawing = false;
                drawn = 0;
            }
            // Only sprites and texts, whose drawing changes nothing but the
            // queue, are drawn early: a dropped early drawing is done again.
            if (drawing && r->GetKind() != Renderer::Kind::Sprite && r->GetKind() != Renderer::Kind::Text)
                drawing = false;
            if (drawing)
            {
                DrawEntry(r);
                drawn = i + 1;
            }
        }
        // A sprite whose entry another sprite of its object took is not in
        // the draw list, but is kept up to date all the same.
        if (listedSprites != sprites.size())
            for (Sprite* sprite : sprites)
                if (sprite->drawIndex == Renderer::notListed)
                    UpdateSprite(sprite, step);
        // A list out of order this frame is likely out of order next frame
        // too: then the early drawing is not tried.
        drawWhileSorting = sorted;
        SortRenderers();
        DrawRenderers(drawn);
    }

    void Graphics::AnimateSprites()
    {
        const float step = AnimationStep();
        for (Sprite* sprite : sprites)
            if (sprite->IsOwnerActive() && sprite->GetTexturePtr() && sprite->getAnimated())
                sprite->Animate(step);
    }

    void Graphics::DrawWorld()
    {
        AnimateSprites();
        DrawRenderers(0);
    }

    void Graphics::DrawRenderers(std::size_t from)
    {
        // Indexing, not iterators: drawing never adds renderers, but a gap
        // may appear if a component goes away while its object draws.
        for (std::size_t i = from; i < renderers.size(); ++i)
        {
            PrefetchEntry(i);
            DrawEntry(renderers[i]);
        }
        FlushQuads();
    }
}
