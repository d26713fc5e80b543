// XML value encoding: scalar text forms, compound members, positional field
// reading, and the readers' behaviour on malformed or truncated input.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "Support/XmlText.h"

using namespace KiteFramework;

namespace
{
    // Parses `xml` and returns its root element (fails the test on bad XML).
    XMLElement* Parse(XMLDocument& doc, const char* xml)
    {
        EXPECT_EQ(doc.Parse(xml), XML_SUCCESS) << xml;
        return doc.RootElement();
    }

    std::string Print(XMLDocument& doc) { return KiteTest::CompactText(doc); }

    // Writes one value under <c> and returns the text of the written child.
    template <typename T>
    std::string WrittenText(const T& value)
    {
        XMLDocument doc;
        XMLElement* root = doc.NewElement("c");
        doc.InsertEndChild(root);
        WriteElement(&doc, root, value, "f");
        const char* text = root->FirstChildElement("f")->GetText();
        return text ? text : "";
    }

    // Each float, written and read back, is exactly the same float.
    void ExpectReadBackExactly(std::initializer_list<float> values)
    {
        for (float value : values)
        {
            XMLDocument doc;
            ASSERT_EQ(doc.Parse(("<f>" + WrittenText(value) + "</f>").c_str()), XML_SUCCESS);
            float back = 12345.0f;
            QueryElement(doc.RootElement(), back, "");
            EXPECT_EQ(back, value) << WrittenText(value);
        }
    }
}

TEST(XMLValue, ScalarTextForms)
{
    struct FloatCase { float value; const char* text; };
    const FloatCase floats[] = {
        {0.1f, "0.1"}, {1.0f, "1"}, {0.5f, "0.5"},
        {123456789.0f, "1.2345679e+08"}, {100000000.0f, "1e+08"}, {-3.25f, "-3.25"},
        {-250.0f, "-250"}, {100.0f, "100"}, {1600.0f, "1600"}, {1234.5678f, "1234.5677"},
        {0.3f, "0.30000001"}, {16777217.0f, "16777216"},
    };
    for (const FloatCase& c : floats)
        EXPECT_EQ(WrittenText(c.value), c.text) << c.value;

    // Whatever float is written reads back as exactly the same float.
    ExpectReadBackExactly({1.0f / 3.0f, 16777217.0f, 3.4028235e38f, 1.17549435e-38f, 1e-45f, -0.0f, 0.3f});

    EXPECT_EQ(WrittenText(-17), "-17");
    EXPECT_EQ(WrittenText(4000000000u), "4000000000");
    EXPECT_EQ(WrittenText(true), "true");
    EXPECT_EQ(WrittenText(false), "false");
    EXPECT_EQ(WrittenText(std::string("a<b & c")), "a<b & c");
    EXPECT_EQ(WrittenText("literal"), "literal");
    char* nothing = nullptr;
    EXPECT_EQ(WrittenText(nothing), "");
    EXPECT_EQ(WrittenText(std::string()), "");
}

TEST(XMLValue, ShortestFloatTextsAreTheFewestDigitsThatReadBackTheSame)
{
    struct FloatCase { float value; const char* text; };
    const FloatCase floats[] = {
        {0.9f, "0.9"}, {0.3f, "0.3"}, {0.60000002f, "0.6"}, {1.0f, "1"}, {-250.0f, "-250"},
        {100000000.0f, "1e+08"}, {1234.5678f, "1234.5677"}, {16777217.0f, "16777216"},
        {-0.0f, "-0"},
    };
    const bool was = SetShortestFloatTexts(true);
    EXPECT_FALSE(was) << "the file format's eight digits are the default";
    for (const FloatCase& c : floats)
        EXPECT_EQ(WrittenText(c.value), c.text) << c.value;
    ExpectReadBackExactly({1.0f / 3.0f, 3.4028235e38f, 1.17549435e-38f, 1e-45f, 0.1f + 0.2f});
    EXPECT_TRUE(SetShortestFloatTexts(was));
    EXPECT_EQ(WrittenText(0.9f), "0.89999998");
}

TEST(XMLValue, ScalarsReadBackAndBoolDigits)
{
    XMLDocument doc;
    XMLElement* root = Parse(doc,
        "<c><i>-42</i><u>4000000000</u><f>2.5</f><d>0.125</d><b1>1</b1><b0>0</b0><bt>true</bt><s>word</s></c>");
    XMLElement* cursor = root->FirstChildElement();
    int i = 0;
    unsigned u = 0;
    float f = 0;
    double d = 0;
    bool b1 = false, b0 = true, bt = false;
    std::string s;
    QueryNextElement(cursor, i);
    QueryNextElement(cursor, u);
    QueryNextElement(cursor, f);
    QueryNextElement(cursor, d);
    QueryNextElement(cursor, b1);
    QueryNextElement(cursor, b0);
    QueryNextElement(cursor, bt);
    QueryNextElement(cursor, s);
    EXPECT_EQ(cursor, nullptr);
    EXPECT_EQ(i, -42);
    EXPECT_EQ(u, 4000000000u);
    EXPECT_EQ(f, 2.5f);
    EXPECT_EQ(d, 0.125);
    EXPECT_TRUE(b1);
    EXPECT_FALSE(b0);
    EXPECT_TRUE(bt);
    EXPECT_EQ(s, "word");
}

// Every scalar keeps its value when its text is missing, empty or not a
// number; a string field is emptied instead.
TEST(XMLValue, MalformedScalarsKeepTheirValue)
{
    struct Case
    {
        const char* body;
        const char* string; // what a string field reads
    };
    const Case cases[] = {
        {"<f/>", ""}, {"<f></f>", ""}, {"<f>abc</f>", "abc"}, {"<f><x>1</x></f>", ""}, {"<f>   </f>", ""},
    };
    for (const Case& c : cases)
    {
        XMLDocument doc;
        XMLElement* root = Parse(doc, (std::string("<c>") + c.body + "</c>").c_str());
        int i = 7;
        unsigned u = 8;
        float f = 9.5f;
        double d = 10.5;
        bool b = true;
        long l = -11;
        std::string s = "old";
        QueryElement(root, i, "f");
        QueryElement(root, u, "f");
        QueryElement(root, f, "f");
        QueryElement(root, d, "f");
        QueryElement(root, b, "f");
        QueryElement(root, l, "f");
        QueryElement(root, s, "f");
        EXPECT_EQ(i, 7) << c.body;
        EXPECT_EQ(u, 8u) << c.body;
        EXPECT_EQ(f, 9.5f) << c.body;
        EXPECT_EQ(d, 10.5) << c.body;
        EXPECT_TRUE(b) << c.body;
        EXPECT_EQ(l, -11) << c.body;
        EXPECT_EQ(s, c.string) << c.body;
    }

    // A negative number is not an unsigned; a number too large for a short
    // is not taken (it would wrap otherwise).
    XMLDocument doc;
    XMLElement* root = Parse(doc, "<c><u>-5</u><s>70000</s></c>");
    unsigned u = 3;
    short sh = 4;
    QueryElement(root, u, "u");
    QueryElement(root, sh, "s");
    EXPECT_EQ(u, 3u);
    EXPECT_EQ(sh, 4);
}

TEST(XMLValue, CompoundMembersAreFoundByName)
{
    XMLDocument doc;
    XMLElement* root = Parse(doc,
        "<c><v><y>-3</y><x>0</x></v>"
        "<w><z>3</z><x>1</x><y>2</y></w>"
        "<k><a>0.5</a><b>0.25</b><g>1</g><r>0.75</r></k>"
        "<h><x>4</x></h></c>");
    Vector2D v(9, 9);
    Vector3 w;
    Colour k;
    Vector2D partial(5, 6);
    XMLElement* cursor = root->FirstChildElement();
    QueryNextElement(cursor, v);
    QueryNextElement(cursor, w);
    QueryNextElement(cursor, k);
    QueryNextElement(cursor, partial);
    EXPECT_EQ(v, Vector2D(0, -3));
    EXPECT_EQ(w, Vector3(1, 2, 3));
    EXPECT_EQ(k.r, 0.75f);
    EXPECT_EQ(k.g, 1.0f);
    EXPECT_EQ(k.b, 0.25f);
    EXPECT_EQ(k.a, 0.5f);
    // A missing member keeps its value.
    EXPECT_EQ(partial, Vector2D(4, 6));

    // Written order is x, y(, z) and r, g, b, a.
    XMLDocument out;
    XMLElement* c = out.NewElement("c");
    out.InsertEndChild(c);
    WriteElement(&out, c, Vector3(1, 2, 3), "w");
    WriteElement(&out, c, Colour(0.5f, 0.25f, 1, 0), "k");
    EXPECT_EQ(Print(out), "<c><w><x>1</x><y>2</y><z>3</z></w><k><r>0.5</r><g>0.25</g><b>1</b><a>0</a></k></c>");
}

// Fields are read by position: renaming keys is harmless, reordering swaps
// values (or leaves them at their defaults when the types do not convert).
TEST(XMLValue, FieldsAreReadByPosition)
{
    struct Fields
    {
        float speed = 1;
        std::string name = "none";
        int count = 2;
    };
    auto read = [](const char* xml) {
        XMLDocument doc;
        XMLElement* root = Parse(doc, xml);
        Fields f;
        XMLElement* cursor = root->FirstChildElement();
        QueryNextElement(cursor, f.speed);
        QueryNextElement(cursor, f.name);
        QueryNextElement(cursor, f.count);
        return f;
    };

    Fields renamed = read("<c><a>2.5</a><b>kite</b><cc>4</cc></c>");
    EXPECT_EQ(renamed.speed, 2.5f);
    EXPECT_EQ(renamed.name, "kite");
    EXPECT_EQ(renamed.count, 4);

    Fields swapped = read("<c><count>4</count><name>kite</name><speed>2.5</speed></c>");
    EXPECT_EQ(swapped.speed, 4.0f);
    EXPECT_EQ(swapped.name, "kite");
    EXPECT_EQ(swapped.count, 2); // "2.5" is not an int

    // Fewer field elements than fields: the cursor runs out, the rest keep
    // their defaults.
    Fields truncated = read("<c><speed>3</speed></c>");
    EXPECT_EQ(truncated.speed, 3.0f);
    EXPECT_EQ(truncated.name, "none");
    EXPECT_EQ(truncated.count, 2);

    // A record's members are read by position, then the cursor moves past
    // the whole record.
    {
        XMLDocument doc;
        XMLElement* root = Parse(doc, "<c><earn><m>1</m><l>2</l></earn><after>7</after></c>");
        float money = 0, likes = 0, reputation = 9;
        int after = 0;
        XMLElement* cursor = root->FirstChildElement();
        QueryNextRecord(cursor, money, likes, reputation);
        QueryNextElement(cursor, after);
        EXPECT_EQ(money + likes + reputation, 12.0f);
        EXPECT_EQ(after, 7);
    }

    // Comments and text between field elements are not fields.
    Fields commented = read("<c><!-- speed --><s>6</s>text<n>k</n><i>1</i></c>");
    EXPECT_EQ(commented.speed, 6.0f);
    EXPECT_EQ(commented.name, "k");
    EXPECT_EQ(commented.count, 1);
}

// Null elements, null parents and null cursors are ignored everywhere.
TEST(XMLValue, NullElementsAndCursors)
{
    int i = 1;
    unsigned u = 2;
    float f = 3;
    double d = 4;
    bool b = true;
    std::string s = "s";
    Vector2D v(1, 2);
    Vector3 w(1, 2, 3);
    Colour k(1, 2, 3, 4);
    std::vector<int> vi{1};
    std::array<float, 2> af{1, 2};
    std::pair<int, int> p{1, 2};
    for (const std::string name : {"", "x"})
    {
        const auto queryAll = [&name](auto&... values) { (QueryElement(nullptr, values, name), ...); };
        queryAll(i, u, f, d, b, s, v, w, k, vi, af, p);
    }
    XMLElement* cursor = nullptr;
    QueryNextElement(cursor, i);
    QueryNextElement(cursor, vi);
    QueryNextElement(cursor, p);
    EXPECT_EQ(cursor, nullptr);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(s, "s");
    EXPECT_EQ(v, Vector2D(1, 2));
    EXPECT_EQ(vi.size(), 1u);
    EXPECT_EQ(p.second, 2);

    ReadInt(nullptr, i);
    ReadUnsigned(nullptr, u);
    ReadFloat(nullptr, f);
    ReadBool(nullptr, b);
    ReadString(nullptr, s);
    ReadVector(nullptr, v);
    ReadVector(nullptr, w);
    float arr[4] = {1, 2, 3, 4};
    ReadFloatArray(nullptr, arr);
    EXPECT_EQ(arr[3], 4.0f);

    XMLDocument doc;
    XMLElement* root = doc.NewElement("c");
    doc.InsertEndChild(root);
    WriteElement(&doc, nullptr, 1, "x");
    WriteElement(nullptr, root, 1, "x");
    WriteElement(&doc, nullptr, std::string("s"), "x");
    WriteElement(&doc, nullptr, v, "x");
    WriteElement(&doc, nullptr, vi, "x");
    WriteElement(&doc, nullptr, af, "x");
    WriteElement(&doc, nullptr, p, "x");
    WriteElement(nullptr, root, vi, "x");
    EXPECT_EQ(root->FirstChild(), nullptr);
}

TEST(XMLValue, TextForms)
{
    struct Case
    {
        const char* text;
        bool valid2; // ReadVector (2D) converts
        bool valid4; // ReadFloatArray converts
    };
    const Case cases[] = {
        {"1.5 -2", true, false},
        {"1 2 3 4", true, true}, // the 2D reader takes "2 3 4" as its y: 2
        {"abc 2", false, false},
        {"1.5", false, false},
        {"1e99 2", false, false},
        {"", false, false},
    };
    for (const Case& c : cases)
    {
        XMLDocument doc;
        XMLElement* e = doc.NewElement("e");
        doc.InsertEndChild(e);
        e->SetText(c.text);

        Vector2D v(7, 8);
        EXPECT_NO_THROW(ReadVector(e, v)) << c.text;
        EXPECT_EQ(v != Vector2D(7, 8), c.valid2) << c.text;

        float arr[4] = {9, 9, 9, 9};
        EXPECT_NO_THROW(ReadFloatArray(e, arr)) << c.text;
        EXPECT_EQ(arr[0] + arr[1] + arr[2] + arr[3], c.valid4 ? 10.0f : 36.0f) << c.text;
    }

    XMLDocument doc;
    XMLElement* root = Parse(doc,
        "<c><v2>1.5 -2</v2><v3>1 2 3</v3><f>2.5x</f><bad>x1</bad><big>1e99</big>"
        "<i>12abc</i><huge>99999999999</huge><u>7</u><b>1</b><s>a b</s><none/></c>");
    Vector2D v;
    ReadVector(root->FirstChildElement("v2"), v);
    EXPECT_EQ(v, Vector2D(1.5f, -2));
    Vector3 w;
    ReadVector(root->FirstChildElement("v3"), w);
    EXPECT_EQ(w, Vector3(1, 2, 3));

    float f = 0;
    ReadFloat(root->FirstChildElement("f"), f);
    EXPECT_EQ(f, 2.5f);
    ReadFloat(root->FirstChildElement("bad"), f);
    ReadFloat(root->FirstChildElement("big"), f);
    ReadFloat(root->FirstChildElement("none"), f);
    EXPECT_EQ(f, 2.5f);

    int i = 5;
    ReadInt(root->FirstChildElement("bad"), i);
    ReadInt(root->FirstChildElement("none"), i);
    EXPECT_EQ(i, 5);
    ReadInt(root->FirstChildElement("i"), i);
    EXPECT_EQ(i, 12);
    ReadInt(root->FirstChildElement("huge"), i);
    EXPECT_EQ(i, std::numeric_limits<int>::max());

    unsigned u = 3;
    ReadUnsigned(root->FirstChildElement("bad"), u);
    EXPECT_EQ(u, 3u);
    ReadUnsigned(root->FirstChildElement("u"), u);
    EXPECT_EQ(u, 7u);
    bool b = false;
    ReadBool(root->FirstChildElement("bad"), b);
    EXPECT_FALSE(b);
    ReadBool(root->FirstChildElement("b"), b);
    EXPECT_TRUE(b);

    std::string s = "old";
    ReadString(root->FirstChildElement("none"), s);
    EXPECT_EQ(s, "old");
    ReadString(root->FirstChildElement("s"), s);
    EXPECT_EQ(s, "a b");
}

TEST(XMLValue, Paths)
{
    EXPECT_EQ(SerialisePath("C:/game/Assets/Sprites/a.png", "Assets/"), "Sprites/a.png");
    EXPECT_EQ(SerialisePath("C:/game/Assets/Sprites/a.png", "Nowhere/"), "C:/game/Assets/Sprites/a.png");
    // Only the first occurrence counts.
    EXPECT_EQ(SerialisePath("Assets/x/Assets/y", "Assets/"), "x/Assets/y");
    EXPECT_EQ(UnserialisePath("Assets/", "Sprites/", "a.png"), "Assets/Sprites/a.png");
}
