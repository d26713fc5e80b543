#version 330 core
// Sprite colour: the texture, shifted towards the blend texture by "blend",
// multiplied by the tint; a green outline while debugging. The engine also
// builds a plain variant with PLAIN_SPRITE defined, for the many sprites that
// neither blend nor show their outline ("line" is always 0), so they pay for
// neither, and with WHITE_TINT as well for those whose tint is white.
in vec2 uv;
in vec2 local;
flat in vec4 tint;
flat in float blend;

uniform sampler2D texture1;
uniform sampler2D texture2;
uniform int blending;
uniform int debug;
uniform int line;

out vec4 colour;

#ifdef PLAIN_SPRITE
#define BLEND_ON false
#define OUTLINE_ON false
#define LINE_ON false
#else
#define BLEND_ON (blending == 1)
#define OUTLINE_ON (debug == 1)
#define LINE_ON (line == 1)
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
    if (LINE_ON)
        colour = tint;
    if (OUTLINE_ON)
    {
        // Two pixels wide whatever the quad's size.
        vec2 edge = 0.5 - abs(local);
        vec2 pixel = fwidth(local);
        if (edge.x < 2.0 * pixel.x || edge.y < 2.0 * pixel.y)
            colour = vec4(0.0, 1.0, 0.0, 1.0);
    }
}
