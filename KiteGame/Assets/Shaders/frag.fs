#version 330 core
// Sprite colour: the texture, shifted towards the blend texture by "blend",
// multiplied by the tint; a green outline while debugging.
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

void main()
{
    vec4 base = texture(texture1, uv);
    if (blending == 1)
        base = mix(base, texture(texture2, uv), clamp(blend, 0.0, 1.0));
    colour = base * tint;
    if (line == 1)
        colour = tint;
    if (debug == 1)
    {
        // Two pixels wide whatever the quad's size.
        vec2 edge = 0.5 - abs(local);
        vec2 pixel = fwidth(local);
        if (edge.x < 2.0 * pixel.x || edge.y < 2.0 * pixel.y)
            colour = vec4(0.0, 1.0, 0.0, 1.0);
    }
}
