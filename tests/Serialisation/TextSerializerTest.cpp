// TextSerializer: the written file form, word-wise reading, and failures.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "Core/Math/Vector2D.h"
#include "Core/Serialisation/TextSerializer.h"

using namespace KiteFramework;

namespace
{
    std::string FileText(const std::string& path)
    {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    void WriteFile(const std::string& path, const std::string& text)
    {
        std::ofstream(path) << text;
    }
}

TEST(TextSerializer, WritesOneValuePerLineAndReadsItBack)
{
    const std::string path = "values.txt";
    {
        // Through the base, as a caller that only knows Serialiser would.
        std::unique_ptr<Serialiser> s(new TextSerializer);
        ASSERT_TRUE(s->Open(path, ReadOrWrite::Write | ReadOrWrite::Truncate));
        s->WriteInt(-5);
        s->WriteFloat(3.14159265f);
        s->WriteString("word");
        s->WriteVector(Vector2D(1.5f, 2));
        s->WriteBool(true);
        s->WriteUnsigned(4000000000u);
    }
    EXPECT_EQ(FileText(path), "-5\n3.14159\nword\n1.5 2\n1\n4000000000\n");

    TextSerializer s;
    ASSERT_TRUE(s.Open(path, ReadOrWrite::Read));
    int i = 0;
    float f = 0;
    std::string w;
    Vector2D v;
    bool b = false;
    s.ReadInt(i);
    s.ReadFloat(f);
    s.ReadString(w);
    s.ReadVector(v);
    s.ReadBool(b);
    EXPECT_TRUE(s.IsGood());
    EXPECT_EQ(i, -5);
    EXPECT_FLOAT_EQ(f, 3.14159f);
    EXPECT_EQ(w, "word");
    EXPECT_EQ(v, Vector2D(1.5f, 2));
    EXPECT_TRUE(b);
    std::remove(path.c_str());
}

TEST(TextSerializer, WordsAndFailures)
{
    const std::string path = "config.txt";
    WriteFile(path, "  Food Court\n1280 x\n");
    TextSerializer s;
    ASSERT_TRUE(s.Open(path, ReadOrWrite::Read));
    std::string first, second;
    s.ReadString(first);
    s.ReadString(second);
    EXPECT_EQ(first, "Food");
    EXPECT_EQ(second, "Court");
    int width = 0, height = 720;
    s.ReadInt(width);
    EXPECT_EQ(width, 1280);
    // "x" is not a number: the value stays, the stream is no longer good.
    s.ReadInt(height);
    EXPECT_EQ(height, 720);
    EXPECT_FALSE(s.IsGood());

    // Reopening clears the failure.
    ASSERT_TRUE(s.Open(path, ReadOrWrite::Read));
    EXPECT_TRUE(s.IsGood());

    // A vector whose y is missing leaves both members.
    WriteFile(path, "4.5");
    ASSERT_TRUE(s.Open(path, ReadOrWrite::Read));
    Vector2D v(1, 1);
    s.ReadVector(v);
    EXPECT_EQ(v, Vector2D(1, 1));
    bool b = true;
    WriteFile(path, "2");
    ASSERT_TRUE(s.Open(path, ReadOrWrite::Read));
    s.ReadBool(b);
    EXPECT_TRUE(b);
    EXPECT_FALSE(s.IsGood());
    std::remove(path.c_str());

    TextSerializer missing;
    EXPECT_FALSE(missing.Open("no/such/file.txt", ReadOrWrite::Read));
    EXPECT_FALSE(missing.IsGood());
}
