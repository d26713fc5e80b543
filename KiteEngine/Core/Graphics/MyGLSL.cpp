// MyGLSL: reading, compiling and linking one shader program.
#include "Core/Graphics/MyGLSL.h"

#include <iostream>
#include <string>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/GLHeaders.h"

namespace KiteFramework
{
    bool InitialiseGLEW()
    {
        static bool initialised = false;
        if (initialised)
            return true;
        glewExperimental = GL_TRUE;
        GLenum result = glewInit();
        // Without a GLX display (an EGL context) GLEW still loads the entry
        // points; what matters is that they are there.
        if (result != GLEW_OK && result != GLEW_ERROR_NO_GLX_DISPLAY)
            return false;
        initialised = glCreateProgram != nullptr && glGenVertexArrays != nullptr && glBufferData != nullptr &&
                      glUniformMatrix4fv != nullptr;
        // GLEW may leave a harmless GL_INVALID_ENUM behind.
        if (initialised)
            while (glGetError() != GL_NO_ERROR)
            {
            }
        return initialised;
    }
}

namespace
{
    using KiteFramework::ReportDataError;

    std::string Where(const char* path)
    {
        return "Shader \"" + std::string(path ? path : "") + "\"";
    }

    // The whole file; a file that cannot be read is reported and reads as
    // nothing (which then fails to compile).
    bool ReadWhole(const char* path, std::string& text)
    {
        std::string problem;
        if (KiteFramework::Assets::ReadText(path ? path : "", text, problem))
            return true;
        ReportDataError(Where(path), "cannot be read: " + problem);
        return false;
    }

    // A driver's info log on one line.
    std::string OneLine(const char* log)
    {
        std::string line;
        for (const char* c = log; *c; ++c)
        {
            const bool space = *c == '\n' || *c == '\r' || *c == '\t';
            if (!(space && (line.empty() || line.back() == ' ')))
                line += space ? ' ' : *c;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        return line.empty() ? "no reason given" : line;
    }

    // The source with the lines put after its "#version" line (which must
    // stay first).
    std::string WithDefines(const std::string& source, const char* defines)
    {
        if (!defines || !*defines || source.empty())
            return source;
        std::size_t at = 0;
        if (source.compare(0, 8, "#version") == 0)
        {
            at = source.find('\n');
            at = at == std::string::npos ? source.size() : at + 1;
        }
        std::string out = source.substr(0, at);
        if (!out.empty() && out.back() != '\n')
            out += '\n';
        out += defines;
        if (out.back() != '\n')
            out += '\n';
        return out + source.substr(at);
    }

    // Compiles one stage; a failure is reported with the driver's reason.
    bool CompileStage(GLenum kind, const std::string& source, GLuint& shader, const char* path)
    {
        shader = glCreateShader(kind);
        const char* text = source.c_str();
        glShaderSource(shader, 1, &text, nullptr);
        glCompileShader(shader);
        GLint ok = 0;
        glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
        if (!ok)
        {
            char log[512] = {};
            glGetShaderInfoLog(shader, sizeof(log), nullptr, log);
            ReportDataError(Where(path), "does not compile: " + OneLine(log));
        }
        return ok != 0;
    }
}

bool MyGLSL::Setup(const char* vertexPath, const char* fragmentPath, const char* geometryPath, const char* defines)
{
    if (!KiteFramework::InitialiseGLEW())
        return false;
    program = glCreateProgram();
    if (glGetError() != GL_NO_ERROR || program == 0)
        return false;

    std::string vertexSource;
    std::string fragmentSource;
    std::string geometrySource;
    if (!ReadWhole(vertexPath, vertexSource) || (geometryPath && !ReadWhole(geometryPath, geometrySource)))
        std::cout << "ERROR::VERTEX SHADER::FILE_NOT_SUCCESFULLY_READ" << std::endl;
    if (!ReadWhole(fragmentPath, fragmentSource))
        std::cout << "ERROR::FRAGMENT SHADER::FILE_NOT_SUCCESFULLY_READ" << std::endl;

    vertexSource = WithDefines(vertexSource, defines);
    fragmentSource = WithDefines(fragmentSource, defines);
    geometrySource = WithDefines(geometrySource, defines);

    vertexCompiled = CompileStage(GL_VERTEX_SHADER, vertexSource, vertexShader, vertexPath);
    if (!vertexCompiled)
    {
        std::cout << "Vertex compile fail" << std::endl;
        return false;
    }
    fragmentCompiled = CompileStage(GL_FRAGMENT_SHADER, fragmentSource, fragmentShader, fragmentPath);
    if (!fragmentCompiled)
    {
        std::cout << "fragment compile fail" << std::endl;
        return false;
    }
    if (geometryPath)
    {
        if (!CompileStage(GL_GEOMETRY_SHADER, geometrySource, geometryShader, geometryPath))
        {
            std::cout << "Geometry compile fail" << std::endl;
            return false;
        }
    }

    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    if (geometryShader)
        glAttachShader(program, geometryShader);
    glLinkProgram(program);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked)
    {
        char log[512] = {};
        glGetProgramInfoLog(program, sizeof(log), nullptr, log);
        ReportDataError(Where(vertexPath) + " with " + Where(fragmentPath), "the program does not link: " + OneLine(log));
        return false;
    }
    return true;
}

void MyGLSL::Start()
{
    glUseProgram(program);
}

void MyGLSL::End()
{
    glUseProgram(0);
}

void MyGLSL::Clean()
{
    if (vertexCompiled)
    {
        glDetachShader(program, vertexShader);
        glDeleteShader(vertexShader);
    }
    if (fragmentCompiled)
    {
        glDetachShader(program, fragmentShader);
        glDeleteShader(fragmentShader);
    }
    // A shader that failed to compile was never attached: only delete it.
    if (vertexShader && !vertexCompiled)
        glDeleteShader(vertexShader);
    if (fragmentShader && !fragmentCompiled)
        glDeleteShader(fragmentShader);
    if (geometryShader)
    {
        glDetachShader(program, geometryShader);
        glDeleteShader(geometryShader);
    }
    if (program != 0)
        glDeleteProgram(program);
    vertexShader = fragmentShader = geometryShader = 0;
    vertexCompiled = fragmentCompiled = false;
    program = 0;
}

int MyGLSL::GetUniformLocation(const char* name) const
{
    return program ? glGetUniformLocation(program, name) : -1;
}
