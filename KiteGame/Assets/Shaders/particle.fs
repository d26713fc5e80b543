#version 330 core
// Particle colour: as a sprite's, without the outline. The engine also
// builds a plain variant with PLAIN_SPRITE defined for particles whose
// sprite does not blend, and with WHITE_TINT as well when its tint is white.
in vec2 uv;
flat in vec4 tint;
flat in float blend;

uniform sampler2D texture1;
uniform sampler2D texture2;
uniform int blending;

out vec4 colour;

#ifdef PLAIN_SPRITE
#define BLEND_ON false
#else
#define BLEND_ON (blending == 1)
#endif

void main()
{
    vec4 base = texture(texture1, uv);
    if (BLEND_ON)
        base = mix(base, texture(texture2, uv), clamp(blend, 0.0, 1.0));
#ifdef WHITE_TINT
    colour = base;
#else
    colour = base * tint;
#endif
}
