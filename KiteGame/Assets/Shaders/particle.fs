#version 330 core
// Particle colour: as a sprite's, without the outline.
in vec2 uv;
flat in vec4 tint;
flat in float blend;

uniform sampler2D texture1;
uniform sampler2D texture2;
uniform int blending;

out vec4 colour;

void main()
{
    vec4 base = texture(texture1, uv);
    if (blending == 1)
        base = mix(base, texture(texture2, uv), clamp(blend, 0.0, 1.0));
    colour = base * tint;
}
