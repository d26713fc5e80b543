#version 330 core
// Glyph quad: (x, y) in world units, (u, v) into the glyph's bitmap.
layout(location = 0) in vec4 vertex;

uniform mat4 projection;

out vec2 uv;

void main()
{
    vec4 p = projection * vec4(vertex.xy, 0.0, 1.0);
    // Text is never clipped by depth: only the draw order decides.
    gl_Position = vec4(p.xy, 0.0, 1.0);
    uv = vertex.zw;
}
