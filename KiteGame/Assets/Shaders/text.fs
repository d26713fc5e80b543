#version 330 core
// Glyph colour: the text colour, with the bitmap as coverage.
in vec2 uv;

uniform sampler2D text;
uniform vec3 textColor;

out vec4 colour;

void main()
{
    colour = vec4(textColor, texture(text, uv).r);
}
