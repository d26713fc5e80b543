#version 330 core
// Glyph colour: the text colour, with the bitmap as coverage.
in vec2 uv;
flat in vec3 textColour;

#ifdef GLYPH_ARRAY
// Each glyph at the corner of its own layer; (width, height, layer).
uniform sampler2DArray text;
uniform vec2 layerSize;
flat in vec3 glyph;
#else
uniform sampler2D text;
#endif

out vec4 colour;

void main()
{
#ifdef GLYPH_ARRAY
    // Kept to the glyph's own texels, as clamping to its own edge would.
    vec2 texel = clamp(uv * glyph.xy, vec2(0.5), glyph.xy - 0.5);
    float coverage = texture(text, vec3(texel / layerSize, glyph.z)).r;
#else
    float coverage = texture(text, uv).r;
#endif
    colour = vec4(textColour, coverage);
}
