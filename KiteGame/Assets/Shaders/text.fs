#version 330 core
// Glyph colour: the text colour, with the bitmap as coverage.
in vec2 uv;
flat in vec3 textColour;

uniform sampler2D text;

out vec4 colour;

void main()
{
    colour = vec4(textColour, texture(text, uv).r);
}
