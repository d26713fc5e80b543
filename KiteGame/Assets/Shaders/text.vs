#version 330 core
// Glyph quad: a corner in world units and its (u, v) in the glyph's bitmap;
// the text colour comes with every corner. The engine also builds a variant
// with GLYPH_ARRAY defined, for glyphs kept as layers of one texture: then
// the glyph's width, height and layer come with every corner too.
layout(location = 0) in vec4 corner; // position (x, y), then (u, v)
layout(location = 3) in vec4 glyphIn;
layout(location = 5) in vec4 tintIn;

uniform mat4 projection;

out vec2 uv;
flat out vec3 textColour;
#ifdef GLYPH_ARRAY
flat out vec3 glyph;
#endif

void main()
{
    vec4 p = projection * vec4(corner.xy, 0.0, 1.0);
    // Text is never clipped by depth: only the draw order decides.
    gl_Position = vec4(p.xy, 0.0, 1.0);
    uv = corner.zw;
    textColour = tintIn.rgb;
#ifdef GLYPH_ARRAY
    glyph = glyphIn.xyz;
#endif
}
