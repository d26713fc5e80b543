// Graphics: the font's glyphs, laying out text and drawing it.
#include <algorithm>
#include <iostream>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <glm/gtc/type_ptr.hpp>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/MyGLSL.h"
#include "Core/Graphics/QuadBatch.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    namespace
    {
        const Character noGlyph{};

        // Faces the system has, tried in turn when the game's font cannot be
        // used.
        const std::vector<const char*>& SystemFonts()
        {
            static const std::vector<const char*> fonts = {
                "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
                "/usr/share/fonts/truetype/freefont/FreeSansBold.ttf"};
            return fonts;
        }

        // FreeType's own text for an error code (the library is built
        // without its error strings).
        const char* FreeTypeErrorText(FT_Error error)
        {
#undef FTERRORS_H_
#define FT_ERROR_START_LIST switch (error) {
#define FT_ERRORDEF(e, v, s) \
    case v:                  \
        return s;
#define FT_ERROR_END_LIST }
#include FT_ERRORS_H
            return "unknown FreeType error";
        }

        // The face of the font at path or, when it cannot be used, of the
        // first system font that can (path then names it); null when none.
        FT_Face OpenFace(FT_Library library, std::string& path)
        {
            FT_Face face = nullptr;
            const FT_Error error = FT_New_Face(library, path.c_str(), 0, &face);
            if (!error)
                return face;
            std::cout << "ERROR::FREETYPE: Failed to load font" << std::endl;
            const std::string unreadable = Assets::Unreadable(path);
            const std::string problem = unreadable.empty() ? FreeTypeErrorText(error) : unreadable;
            // Text in another face is better than no text at all.
            std::string used;
            for (const char* candidate : SystemFonts())
                if (candidate != path && FT_New_Face(library, candidate, 0, &face) == 0)
                {
                    used = candidate;
                    break;
                }
            ReportDataError("Font \"" + path + "\"",
                            problem + (used.empty() ? "; no system font either, text is not shown"
                                                    : "; using \"" + used + "\" instead"));
            path = used;
            return used.empty() ? nullptr : face;
        }
    }

    void Graphics::FontSetUp()
    {
        if (!glReady || !textProgram)
            return;
        textProgram->Start();
        // Text positions are world units, like sprites; the text shader
        // places them with the same camera. Glyph quads go through the
        // frame's quad stream.
        glUniformMatrix4fv(textUniforms.projection, 1, GL_FALSE, glm::value_ptr(projection));
        glUniform1i(textUniforms.text, 0);
        textProgram->End();
    }

    void Graphics::LoadFont(const std::string& path)
    {
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library))
        {
            std::cout << "ERROR::FREETYPE: Could not init FreeType Library" << std::endl;
            ReportDataError("Font \"" + path + "\"", "FreeType cannot be started; text is not shown");
            return;
        }
        std::string used = path;
        FT_Face face = OpenFace(library, used);
        if (!face)
        {
            FT_Done_FreeType(library);
            return;
        }
        FT_Set_Pixel_Sizes(face, 0, 128);
        GLint alignment = 4;
        if (glReady)
        {
            glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
            glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        }
        // The codes whose glyphs fail, for one report after the loop.
        std::string missing;
        for (unsigned c = 0; c < glyphs.size(); ++c)
        {
            if (FT_Load_Char(face, c, FT_LOAD_RENDER))
            {
                std::cout << "ERROR::FREETYTPE: Failed to load Glyph" << std::endl;
                missing += missing.empty() ? std::to_string(c) : ", " + std::to_string(c);
                continue;
            }
            const FT_GlyphSlot g = face->glyph;
            Character glyph;
            glyph.size[0] = static_cast<int>(g->bitmap.width);
            glyph.size[1] = static_cast<int>(g->bitmap.rows);
            glyph.bearing[0] = g->bitmap_left;
            glyph.bearing[1] = g->bitmap_top;
            glyph.advance = static_cast<unsigned int>(g->advance.x);
            if (glReady && g->bitmap.buffer && g->bitmap.width > 0 && g->bitmap.rows > 0)
            {
                glGenTextures(1, &glyph.textureID);
                glBindTexture(GL_TEXTURE_2D, glyph.textureID);
                glTexImage2D(GL_TEXTURE_2D, 0, GL_RED, static_cast<GLsizei>(g->bitmap.width),
                             static_cast<GLsizei>(g->bitmap.rows), 0, GL_RED, GL_UNSIGNED_BYTE, g->bitmap.buffer);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            }
            SetGlyph(static_cast<unsigned char>(c), glyph);
        }
        if (glReady)
        {
            glBindTexture(GL_TEXTURE_2D, 0);
            glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
        }
        FT_Done_Face(face);
        FT_Done_FreeType(library);
        if (!missing.empty())
            ReportDataError("Font \"" + used + "\"", "no glyph for the codes " + missing + "; they are not shown");
    }

    const Character& Graphics::GetGlyph(unsigned char c) const
    {
        return c < glyphs.size() ? glyphs[c] : noGlyph;
    }

    void Graphics::SetGlyph(unsigned char c, const Character& glyph)
    {
        if (c >= glyphs.size())
            return;
        if (glReady && glyphs[c].textureID && glyphs[c].textureID != glyph.textureID)
            glDeleteTextures(1, &glyphs[c].textureID);
        glyphs[c] = glyph;
        glyphLayersStale = true;
        ++fontGeneration;
    }

    void Graphics::LayoutText(const std::string& text, float x, float y, float scale, Vector2D offset,
                              bool centralise, std::vector<GlyphQuad>& out) const
    {
        out.clear();
        charactersLaidOut += text.size();
        const Character& backslash = GetGlyph('\\');
        const float lineHeight = static_cast<float>(GetGlyph('A').size[1] + backslash.bearing[1] / 2) * scale;
        const std::size_t n = text.size();
        std::size_t lineStart = 0;
        while (lineStart <= n)
        {
            // A line ends at a written "\n" (backslash, n) or a real line break.
            std::size_t end = lineStart;
            std::size_t next = n + 1;
            while (end < n)
            {
                if (text[end] == '\n')
                {
                    next = end + 1;
                    break;
                }
                if (text[end] == '\\' && end + 1 < n && text[end + 1] == 'n')
                {
                    next = end + 2;
                    // The blank customarily written after a line break is not drawn.
                    if (next < n && text[next] == ' ')
                        ++next;
                    break;
                }
                ++end;
            }

            // Each line is centred on x by the distance its pen travels.
            float half = 0.0f;
            if (centralise)
            {
                float widthOfLine = 0.0f;
                for (std::size_t i = lineStart; i < end; ++i)
                    widthOfLine += static_cast<float>(GetGlyph(static_cast<unsigned char>(text[i])).advance >> 6) *
                                   scale;
                half = widthOfLine / 2.0f;
            }
            float penX = x;
            for (std::size_t i = lineStart; i < end; ++i)
            {
                const Character& g = GetGlyph(static_cast<unsigned char>(text[i]));
                GlyphQuad q;
                q.character = text[i];
                q.left = penX + static_cast<float>(g.bearing[0]) * scale - half + offset.x;
                q.right = q.left + static_cast<float>(g.size[0]) * scale;
                // Glyphs stand on the line's baseline; descenders reach below it.
                q.top = y + static_cast<float>(g.bearing[1]) * scale + offset.y;
                q.bottom = q.top - static_cast<float>(g.size[1]) * scale;
                if (g.size[0] > 0 && g.size[1] > 0)
                    out.push_back(q);
                penX += static_cast<float>(g.advance >> 6) * scale;
            }
            if (next > n)
                break;
            lineStart = next;
            y -= lineHeight;
        }
    }

    void Graphics::RenderText(Text* text)
    {
        if (!text || !text->GetRenderBool())
            return;
        DrawText(text);
    }

    void Graphics::DrawText(Text* text)
    {
        if (!text || !glReady || !textProgram)
            return;
        GameObject* owner = text->GetOwner();
        Transform* t = text->GetTransform();
        if (!owner || !owner->isActive() || !t)
            return;
        const Vector2D at = t->GetTransVec();
        DrawGlyphQuads(text->Layout(*this), at.x, at.y, text->Colour3());
    }

    void Graphics::RenderText(const std::string& text, float x, float y, float scale, std::array<float, 3> colour,
                              Vector2D offset, bool centralise)
    {
        if (!glReady || !textProgram || text.empty())
            return;
        LayoutText(text, x, y, scale, offset, centralise, glyphScratch);
        DrawGlyphQuads(glyphScratch, 0.0f, 0.0f, colour);
    }

    void Graphics::DrawGlyphQuads(const std::vector<GlyphQuad>& quads, float x, float y,
                                  const std::array<float, 3>& colour)
    {
        if (quads.empty())
            return;
        // While the first scene is not shown yet its text is drawn from the
        // glyphs' own textures (see CallDraw).
        if (glyphLayersStale && !startingUp)
            BuildGlyphLayers();
        const bool layers = shortcuts && glyphLayers != 0;
        for (const GlyphQuad& placed : quads)
        {
            const auto c = static_cast<unsigned char>(placed.character);
            const Character& g = GetGlyph(c);
            if (g.textureID == 0)
                continue;
            const float left = placed.left + x, right = placed.right + x;
            const float top = placed.top + y, bottom = placed.bottom + y;
            // Left-top, left-bottom, right-bottom, right-top; the bitmap's
            // first row is the glyph's top.
            const float corners[4][4] = {{left, top, 0.0f, 0.0f},
                                         {left, bottom, 0.0f, 1.0f},
                                         {right, bottom, 1.0f, 1.0f},
                                         {right, top, 1.0f, 0.0f}};
            const bool layered = layers && c < glyphLayered.size() && glyphLayered[c];
            QuadVertex* v = batch->Append(layered ? QuadState{layeredTextQuads.get(), glyphLayers, 0, false, true}
                                                  : QuadState{textQuads.get(), g.textureID, 0, false, false});
            // The layered program finds the glyph by its size and layer.
            const float glyph[4] = {static_cast<float>(g.size[0]), static_cast<float>(g.size[1]),
                                    static_cast<float>(c), 0.0f};
            for (const auto& corner : corners)
            {
                WriteCorner(v++, QuadVertex{{corner[0], corner[1]},
                                            {corner[2], corner[3]},
                                            {glyph[0], glyph[1], glyph[2], glyph[3]},
                                            {},
                                            {colour[0], colour[1], colour[2], 1.0f}});
            }
        }
    }

    void Graphics::DeleteGlyphLayers()
    {
        if (glyphLayers != 0)
            glDeleteTextures(1, &glyphLayers);
        glyphLayers = 0;
        glyphLayerSize = 0;
        glyphLayered.fill(false);
    }

    void Graphics::BuildGlyphLayers()
    {
        glyphLayersStale = false;
        glyphLayered.fill(false);
        BuildVariants();
        if (!glReady || !layeredTextReady)
            return;
        // Quads already queued read the layers as they are.
        FlushQuads();
        // A glyph counts when its texture is what its record says: the
        // records can be set from outside.
        std::array<bool, 128> usable{};
        int largest = 0;
        for (std::size_t c = 0; c < glyphs.size(); ++c)
        {
            const Character& g = glyphs[c];
            if (g.textureID == 0 || g.size[0] <= 0 || g.size[1] <= 0 || !glIsTexture(g.textureID))
                continue;
            GLint w = 0, h = 0;
            glBindTexture(GL_TEXTURE_2D, g.textureID);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
            usable[c] = w == g.size[0] && h == g.size[1];
            if (usable[c])
                largest = std::max({largest, g.size[0], g.size[1]});
        }
        glBindTexture(GL_TEXTURE_2D, 0);
        if (largest == 0)
        {
            DeleteGlyphLayers();
            return;
        }
        // A power of two: dividing by it and multiplying back in the sampler
        // are exact, so a glyph samples as from its own texture.
        int size = 1;
        while (size < largest)
            size *= 2;
        GLint packAlignment = 4, unpackAlignment = 4;
        glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        if (size != glyphLayerSize)
        {
            DeleteGlyphLayers();
            glGenTextures(1, &glyphLayers);
            glBindTexture(GL_TEXTURE_2D_ARRAY, glyphLayers);
            const std::vector<unsigned char> empty(static_cast<std::size_t>(size) * size * glyphs.size(), 0);
            glTexImage3D(GL_TEXTURE_2D_ARRAY, 0, GL_R8, size, size, static_cast<GLsizei>(glyphs.size()), 0, GL_RED,
                         GL_UNSIGNED_BYTE, empty.data());
            glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            glyphLayerSize = size;
        }
        glBindTexture(GL_TEXTURE_2D_ARRAY, glyphLayers);
        std::vector<unsigned char> pixels;
        for (std::size_t c = 0; c < glyphs.size(); ++c)
        {
            if (!usable[c])
                continue;
            const Character& g = glyphs[c];
            pixels.resize(static_cast<std::size_t>(g.size[0]) * static_cast<std::size_t>(g.size[1]));
            glBindTexture(GL_TEXTURE_2D, g.textureID);
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
            glTexSubImage3D(GL_TEXTURE_2D_ARRAY, 0, 0, 0, static_cast<GLint>(c), g.size[0], g.size[1], 1, GL_RED,
                            GL_UNSIGNED_BYTE, pixels.data());
            glyphLayered[c] = true;
        }
        glBindTexture(GL_TEXTURE_2D, 0);
        glBindTexture(GL_TEXTURE_2D_ARRAY, 0);
        glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
        if (layeredTextProgram)
        {
            layeredTextProgram->Start();
            glUniform2f(layerSizeLocation, static_cast<float>(size), static_cast<float>(size));
            layeredTextProgram->End();
        }
    }
}
