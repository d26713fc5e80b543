// XML containers: arrays, vectors and pairs, nested forms as the components
// use them, and containers whose "size" disagrees with their children.
#include <gtest/gtest.h>

#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "Support/XmlText.h"

using namespace KiteFramework;

namespace
{
    std::string Print(XMLDocument& doc) { return KiteTest::CompactText(doc); }

    // Writes a value through `write`, prints the document, parses the text
    // again and returns the re-read value (so the round trip goes through the
    // file form, not the in-memory tree).
    template <typename T, typename W, typename R>
    T RoundTrip(const T& value, W write, R read)
    {
        XMLDocument out;
        XMLElement* root = out.NewElement("c");
        out.InsertEndChild(root);
        write(out, root, value);
        std::string text = Print(out);

        XMLDocument in;
        EXPECT_EQ(in.Parse(text.c_str()), XML_SUCCESS);
        T result{};
        XMLElement* cursor = in.RootElement()->FirstChildElement();
        read(cursor, result);
        EXPECT_EQ(cursor, nullptr) << "the field should use exactly one element";
        return result;
    }

    template <typename T>
    T RoundTripEntries(const T& value, const char* entryName)
    {
        return RoundTrip(
            value, [&](XMLDocument& d, XMLElement* p, const T& v) { WriteElement(&d, p, v, "field", entryName); },
            [](XMLElement*& c, T& v) { QueryNextElement(c, v); });
    }

    template <typename T>
    T RoundTripPair(const T& value)
    {
        return RoundTrip(
            value, [](XMLDocument& d, XMLElement* p, const T& v) { WriteElement(&d, p, v, "field", "first", "second"); },
            [](XMLElement*& c, T& v) { QueryNextElement(c, v); });
    }
}

// Every container form the components store comes back unchanged.
TEST(XMLContainer, ComponentFormsRoundTrip)
{
    std::array<float, 3> a3{0.1f, 1, -2.5f};
    EXPECT_EQ(RoundTripEntries(a3, "arrayElement"), a3);
    std::array<float, 4> a4{1, 0.5f, 0.25f, 0};
    EXPECT_EQ(RoundTripEntries(a4, "arrayElement"), a4);
    std::array<std::string, 2> as2{"os1", ""};
    EXPECT_EQ(RoundTripEntries(as2, "arrayElement"), as2);
    std::array<std::string, 4> as4{"a", "b c", "<&>", "d"};
    EXPECT_EQ(RoundTripEntries(as4, "arrayElement"), as4);
    std::array<unsigned, 4> au{0, 1, 4000000000u, 3};
    EXPECT_EQ(RoundTripEntries(au, "POArrayElement"), au);

    std::vector<int> vi{-1, 0, 7};
    EXPECT_EQ(RoundTripEntries(vi, "vectorElement"), vi);
    std::vector<std::string> vs{"Audio/a.wav", "Audio/b.wav"};
    EXPECT_EQ(RoundTripEntries(vs, "vectorElement"), vs);
    std::vector<std::vector<std::string>> vvs{{"a", "b"}, {}, {"c"}};
    EXPECT_EQ(RoundTripEntries(vvs, "vectorElement"), vvs);
    std::vector<std::pair<std::string, unsigned>> links{{"B", 5}, {"C", 10}};
    EXPECT_EQ(RoundTripEntries(links, "vectorElement"), links);
    std::vector<std::pair<std::string, std::string>> vpss{{"o1", "o2"}, {"", "x"}};
    EXPECT_EQ(RoundTripEntries(vpss, "vectorElement"), vpss);
    std::vector<std::pair<unsigned, unsigned>> vpuu{{1, 2}, {3, 4}};
    EXPECT_EQ(RoundTripEntries(vpuu, "vectorElement"), vpuu);
    std::vector<std::pair<int, std::vector<std::string>>> vpiv{{1, {"a", "b"}}, {-2, {}}};
    EXPECT_EQ(RoundTripEntries(vpiv, "vectorElement"), vpiv);
    std::vector<std::vector<std::pair<std::string, std::string>>> vvp{{{"a", "b"}}, {{"c", "d"}, {"e", "f"}}};
    EXPECT_EQ(RoundTripEntries(vvp, "vectorElement"), vvp);
    std::vector<std::vector<std::vector<std::pair<std::string, std::string>>>> vvvp{
        {{{"s1", "t1"}}, {}}, {{{"s2", "t2"}, {"s3", "t3"}}}};
    EXPECT_EQ(RoundTripEntries(vvvp, "vectorElement"), vvvp);

    std::pair<std::vector<std::string>, std::vector<std::string>> pvv{{"on"}, {"off", "x"}};
    EXPECT_EQ(RoundTripPair(pvv), pvv);
    std::pair<std::vector<std::pair<int, std::vector<std::string>>>, std::vector<std::vector<std::string>>> big{
        {{3, {"a"}}}, {{"b", "c"}}};
    EXPECT_EQ(RoundTripPair(big), big);
    std::pair<int, int> pii{4, -5};
    EXPECT_EQ(RoundTripPair(pii), pii);
    std::pair<std::string, std::string> pss{"x", "y"};
    EXPECT_EQ(RoundTripPair(pss), pss);
}

// The written form: a float, a Vector2D and a vector of two string pairs.
TEST(XMLContainer, WrittenLayout)
{
    XMLDocument doc;
    XMLElement* root = doc.NewElement("Comp");
    doc.InsertEndChild(root);
    WriteElement(&doc, root, 2.5f, "speed");
    WriteElement(&doc, root, Vector2D(0, -3), "offset");
    std::vector<std::pair<std::string, std::string>> paths{{"a", "b"}, {"c", "d"}};
    WriteElement(&doc, root, paths, "paths", "vectorElement");
    std::vector<std::vector<int>> nested{{1}, {}};
    WriteElement(&doc, root, nested, "nested", "vectorElement");
    std::array<unsigned, 2> po{1, 2};
    WriteElement(&doc, root, po, "POArray", "POArrayElement");

    EXPECT_EQ(Print(doc),
              "<Comp><speed>2.5</speed><offset><x>0</x><y>-3</y></offset>"
              "<paths size=\"2\"><vectorElement><first>a</first><second>b</second></vectorElement>"
              "<vectorElement><first>c</first><second>d</second></vectorElement></paths>"
              "<nested size=\"2\"><vectorElement size=\"1\"><vectorElement>1</vectorElement></vectorElement>"
              "<vectorElement size=\"0\"/></nested>"
              "<POArray size=\"2\"><POArrayElement>1</POArrayElement><POArrayElement>2</POArrayElement></POArray>"
              "</Comp>");
}

// "size" decides how many vector entries are read, but never more than the
// children present; arrays read exactly N entries whatever "size" says.
TEST(XMLContainer, SizeAndChildrenDisagree)
{
    struct Case
    {
        const char* xml;
        std::vector<int> vector;
        std::array<int, 4> array;
    };
    const Case cases[] = {
        {"<v size=\"2\"><e>1</e><e>2</e><e>3</e></v>", {1, 2}, {1, 2, 3, -1}},
        {"<v size=\"3\"><e>1</e><e>2</e></v>", {1, 2}, {1, 2, -1, -1}},
        {"<v><e>1</e><e>2</e></v>", {}, {1, 2, -1, -1}},
        {"<v size=\"7\"><e>1</e><e>2</e><e>3</e><e>4</e><e>5</e></v>", {1, 2, 3, 4, 5}, {1, 2, 3, 4}},
        {"<v size=\"4294967295\"><e>9</e></v>", {9}, {9, -1, -1, -1}},
        {"<v size=\"abc\"><e>9</e></v>", {}, {9, -1, -1, -1}},
        {"<v size=\"0\"/>", {}, {-1, -1, -1, -1}},
        // Entries whose text does not convert: vector entries take zero,
        // array entries keep their value.
        {"<v size=\"2\"><e>x</e><e>5</e></v>", {0, 5}, {-1, 5, -1, -1}},
    };
    for (const Case& c : cases)
    {
        XMLDocument doc;
        ASSERT_EQ(doc.Parse(c.xml), XML_SUCCESS);
        std::vector<int> v{42, 43};
        QueryElement(doc.RootElement(), v, "");
        EXPECT_EQ(v, c.vector) << c.xml;
        std::array<int, 4> a{-1, -1, -1, -1};
        QueryElement(doc.RootElement(), a, "");
        EXPECT_EQ(a, c.array) << c.xml;
    }
}

TEST(XMLContainer, PairMembersByNameAndNestedTruncation)
{
    XMLDocument doc;
    ASSERT_EQ(doc.Parse("<c>"
                        "<p><second>2</second><first>1</first></p>"
                        "<q><first>7</first></q>"
                        "<l size=\"2\"><vectorElement><first>A</first></vectorElement>"
                        "<vectorElement size=\"9\"><second>3</second></vectorElement></l>"
                        "</c>"),
              XML_SUCCESS);
    XMLElement* cursor = doc.RootElement()->FirstChildElement();
    std::pair<int, int> p, q{0, 8};
    std::vector<std::pair<std::string, unsigned>> l;
    QueryNextElement(cursor, p);
    QueryNextElement(cursor, q);
    QueryNextElement(cursor, l);
    EXPECT_EQ(p, std::make_pair(1, 2));
    EXPECT_EQ(q, std::make_pair(7, 8));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], std::make_pair(std::string("A"), 0u));
    EXPECT_EQ(l[1], std::make_pair(std::string(""), 3u));

    // Named lookups of containers inside a parent element.
    XMLDocument doc2;
    ASSERT_EQ(doc2.Parse("<c><x/><list size=\"1\"><e>4</e></list><pp><a>1</a><b>2</b></pp></c>"), XML_SUCCESS);
    std::vector<unsigned> list;
    std::pair<int, int> pp;
    QueryElement(doc2.RootElement(), list, "list");
    QueryElement(doc2.RootElement(), pp, "pp", "a", "b");
    EXPECT_EQ(list, std::vector<unsigned>{4});
    EXPECT_EQ(pp, std::make_pair(1, 2));
    // A missing named container is left alone.
    QueryElement(doc2.RootElement(), list, "missing");
    EXPECT_EQ(list, std::vector<unsigned>{4});
}

enum class Facing
{
    Left = 1,
    Right = 2
};

// Wider integers and enumerations, which components also store.
TEST(XMLContainer, EnumsAndWideIntegers)
{
    auto facing = RoundTrip(
        Facing::Right, [](XMLDocument& d, XMLElement* p, Facing v) { WriteElement(&d, p, v, "f"); },
        [](XMLElement*& c, Facing& v) { QueryNextElement(c, v); });
    EXPECT_EQ(facing, Facing::Right);
    auto big = RoundTrip(
        std::size_t(1) << 40, [](XMLDocument& d, XMLElement* p, std::size_t v) { WriteElement(&d, p, v, "f"); },
        [](XMLElement*& c, std::size_t& v) { QueryNextElement(c, v); });
    EXPECT_EQ(big, std::size_t(1) << 40);
    auto negative = RoundTrip(
        -(1LL << 40), [](XMLDocument& d, XMLElement* p, long long v) { WriteElement(&d, p, v, "f"); },
        [](XMLElement*& c, long long& v) { QueryNextElement(c, v); });
    EXPECT_EQ(negative, -(1LL << 40));
}
