#version 330 core
// Glyph quad: a corner in world units and its (u, v) in the glyph's bitmap;
// the text colour comes with every corner.
layout(location = 0) in vec2 position;
layout(location = 2) in vec2 texCoord;
layout(location = 5) in vec4 tintIn;

uniform mat4 projection;

out vec2 uv;
flat out vec3 textColour;

void main()
{
    vec4 p = projection * vec4(position, 0.0, 1.0);
    // Text is never clipped by depth: only the draw order decides.
    gl_Position = vec4(p.xy, 0.0, 1.0);
    uv = texCoord;
    textColour = tintIn.rgb;
}
