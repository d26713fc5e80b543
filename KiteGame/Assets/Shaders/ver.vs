#version 330 core
// Sprite quad: one corner of the mesh in model units, placed by the object's
// matrix, which comes with every corner so that one draw call carries many
// sprites.
layout(location = 0) in vec4 corner; // position (x, y), then (u, v)
layout(location = 3) in vec4 axes;   // matrix columns 0 and 1 (x, y of each)
layout(location = 4) in vec4 origin; // matrix column 3 (x, y, z), blend weight
layout(location = 5) in vec4 tintIn;

uniform mat4 view;
uniform mat4 projection;

out vec2 uv;
out vec2 local;
flat out vec4 tint;
flat out float blend;

void main()
{
    mat4 transform = mat4(vec4(axes.xy, 0.0, 0.0), vec4(axes.zw, 0.0, 0.0), vec4(0.0, 0.0, 1.0, 0.0),
                          vec4(origin.xyz, 1.0));
    gl_Position = projection * (view * (transform * vec4(corner.xy, 0.0, 1.0)));
    uv = corner.zw;
    local = corner.xy;
    tint = tintIn;
    blend = origin.w;
}
