// MyGLSL: one shader program built from GLSL source files.
#pragma once

class MyGLSL
{
public:
    MyGLSL() = default;

    // Reads, compiles and links; false on any failure, with the program and
    // compiled shaders left in place for Clean. Defines, when given, are
    // lines placed after each file's "#version" line, to build a
    // specialised variant of the same files.
    bool Setup(const char* vertexPath, const char* fragmentPath, const char* geometryPath,
               const char* defines = nullptr);
    void Start();
    void End();
    // Detaches and deletes the shaders that compiled, then the program.
    void Clean();

    unsigned int GetProgram() const { return program; }
    // Location of a uniform of this program, -1 when it has none.
    int GetUniformLocation(const char* name) const;

private:
    unsigned int vertexShader = 0;
    unsigned int fragmentShader = 0;
    unsigned int geometryShader = 0;
    bool vertexCompiled = false;
    bool fragmentCompiled = false;
    unsigned int program = 0;
};
