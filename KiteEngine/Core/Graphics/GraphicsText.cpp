// Graphics: the font's glyphs, laying out text and drawing it.
#include <iostream>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <glm/gtc/type_ptr.hpp>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/MyGLSL.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    namespace
    {
        const Character noGlyph{};

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
    }

    void Graphics::FontSetUp()
    {
        if (!glReady || !textProgram)
            return;
        EndQuads();
        textProgram->Start();
        // Text positions are world units, like sprites; the text shader
        // places them with the same camera.
        glUniformMatrix4fv(textUniforms.projection, 1, GL_FALSE, glm::value_ptr(projection));
        glUniform1i(textUniforms.text, 0);
        glGenVertexArrays(1, &textVertexArray);
        glGenBuffers(1, &textBuffer);
        glBindVertexArray(textVertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, textBuffer);
        glBufferData(GL_ARRAY_BUFFER, sizeof(float) * 6 * 4, nullptr, GL_DYNAMIC_DRAW);
        glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
        glEnableVertexAttribArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindVertexArray(0);
        textProgram->End();
    }

    void Graphics::LoadFont(const std::string& path)
    {
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library))
        {
            std::cout << "ERROR::FREETYPE: Could not init FreeType Library" << std::endl;
            return;
        }
        FT_Face face = nullptr;
        if (FT_Error error = FT_New_Face(library, path.c_str(), 0, &face))
        {
            std::cout << "ERROR::FREETYPE: Failed to load font" << std::endl;
            const std::string unreadable = Assets::Unreadable(path);
            ReportDataError("Font \"" + path + "\"", unreadable.empty() ? FreeTypeErrorText(error) : unreadable);
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
        for (unsigned c = 0; c < glyphs.size(); ++c)
        {
            if (FT_Load_Char(face, c, FT_LOAD_RENDER))
            {
                std::cout << "ERROR::FREETYTPE: Failed to load Glyph" << std::endl;
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
    }

    void Graphics::LayoutText(const std::string& text, float x, float y, float scale, Vector2D offset,
                              bool centralise, std::vector<GlyphQuad>& out) const
    {
        out.clear();
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
        GameObject* owner = text->GetOwner();
        Transform* t = text->GetTransform();
        if (!owner || !owner->isActive() || !t)
            return;
        Vector2D at = t->GetTransVec();
        RenderText(text->String(), at.x, at.y, text->Scale(), text->Colour3(), text->GetOffset(),
                   text->GetCentralise());
    }

    void Graphics::RenderText(const std::string& text, float x, float y, float scale, std::array<float, 3> colour,
                              Vector2D offset, bool centralise)
    {
        if (!glReady || !textProgram || text.empty())
            return;
        LayoutText(text, x, y, scale, offset, centralise, glyphScratch);
        if (glyphScratch.empty())
            return;
        EndQuads();
        textProgram->Start();
        glUniform3f(textUniforms.textColor, colour[0], colour[1], colour[2]);
        glActiveTexture(GL_TEXTURE0);
        glBindVertexArray(textVertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, textBuffer);
        for (const GlyphQuad& q : glyphScratch)
        {
            const Character& g = GetGlyph(static_cast<unsigned char>(q.character));
            if (g.textureID == 0)
                continue;
            // The bitmap's first row is the glyph's top.
            const float vertices[6][4] = {
                {q.left, q.top, 0.0f, 0.0f},    {q.left, q.bottom, 0.0f, 1.0f}, {q.right, q.bottom, 1.0f, 1.0f},
                {q.right, q.bottom, 1.0f, 1.0f}, {q.right, q.top, 1.0f, 0.0f},   {q.left, q.top, 0.0f, 0.0f}};
            glBindTexture(GL_TEXTURE_2D, g.textureID);
            glBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(vertices), vertices);
            glDrawArrays(GL_TRIANGLES, 0, 6);
        }
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindVertexArray(0);
        glBindTexture(GL_TEXTURE_2D, 0);
        textProgram->End();
    }
}
