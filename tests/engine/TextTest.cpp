#include <cctype>

#include "DrawingFixture.h"
#include "engine/TextDX.h"

namespace {

class Text : public Drawing {
protected:
    void SetUp() override
    {
        Drawing::SetUp();
        ASSERT_TRUE(font.initialize(&graphics, 20, false, false, "Arial"));
    }
    TextDX font;
};

TEST_F(Text, MeasuringDrawsNothingAndGivesTheHeight)
{
    RECT rect{100, 100, 400, 300};
    int height = 0;
    frame([&] { height = font.printInRect("Two\nlines", rect, DT_CALCRECT); });
    EXPECT_EQ(height, 40);
    EXPECT_EQ(rect.top, 100);
    EXPECT_EQ(rect.bottom, 140);
    EXPECT_GT(rect.right, rect.left);
    EXPECT_LT(rect.right, 400) << "the rectangle shrinks to the text";
    EXPECT_TRUE(ink().empty());
}

// A back buffer wider than the text rectangle shows what lies beyond it.
class WideText : public Drawing {
protected:
    WideText() { width = 1200; }
};

TEST_F(WideText, PrintingAtAPointIsCutAtTheRightEdgeOfItsRectangle)
{
    TextDX font;
    ASSERT_TRUE(font.initialize(&graphics, 20, false, false, "Arial"));
    frame([&] { font.print("A long line of text that runs well past the edge", 900, 50); });
    const InkBox box = ink();
    ASSERT_FALSE(box.empty());
    EXPECT_GE(box.left, 900);
    EXPECT_LE(box.right, 1023);
    EXPECT_GE(box.right, 1015) << "the text runs right up to the edge";
}

TEST_F(Text, AnAngleTurnsPointPrintingAboutThePointButNotRectanglePrinting)
{
    frame([&] { font.print("WWWW", 300, 300); });
    const InkBox flat = ink();
    ASSERT_FALSE(flat.empty());
    const int length = flat.right - flat.left;

    font.setDegrees(90);
    frame([&] { font.print("WWWW", 300, 300); });
    const InkBox turned = ink();
    ASSERT_FALSE(turned.empty());
    // Turned clockwise about (300, 300): the line now runs down, its glyphs' tops to the right.
    EXPECT_LE(turned.right, 300);
    EXPECT_GE(turned.left, 279);
    EXPECT_GE(turned.top, 299);
    EXPECT_NEAR(turned.bottom - turned.top, length, 2);

    RECT rect{300, 300, 700, 400};
    frame([&] { font.printInRect("WWWW", rect, DT_LEFT); });
    const InkBox inRect = ink();
    EXPECT_NEAR(inRect.right - inRect.left, length, 2);
    EXPECT_LT(inRect.bottom - inRect.top, 21);
    EXPECT_FLOAT_EQ(font.getDegrees(), 90.0f);
}

TEST_F(Text, CentredWrappedTextStaysInsideItsRectangle)
{
    RECT rect{100, 100, 200, 300};
    frame([&] { font.printInRect("one two three four", rect, DT_CENTER | DT_WORDBREAK); });
    const InkBox box = ink();
    ASSERT_FALSE(box.empty());
    EXPECT_GE(box.left, 100);
    EXPECT_LE(box.right, 199);
    EXPECT_GT(box.bottom, 120) << "wrapped onto more lines";
    EXPECT_NEAR((box.left + box.right) / 2.0, 150, 12);
}

TEST_F(Text, TheColourIsTheFontColour)
{
    font.setFontColor(0xFFFF0000);
    frame([&] { font.print("#####", 10, 10); });
    bool sawRed = false;
    for (std::uint32_t p : pixels) {
        if (((p >> 16) & 0xFF) >= 0xF0) sawRed = true;
        EXPECT_EQ(p & 0x00FFFF, 0u);
    }
    EXPECT_TRUE(sawRed);
}

struct FaceCase {
    const char* face;
    const char* family;
    const char* fileContains;
};

class FontFaces : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FontFaces, EachFaceResolvesToItsFreeFont)
{
    const FaceCase& c = GetParam();
    const platform::FontMatch match = platform::resolveFont(c.face, false, false);
    EXPECT_EQ(match.family, c.family);
    EXPECT_NE(match.file.find(c.fileContains), std::string::npos) << match.file;
}

INSTANTIATE_TEST_SUITE_P(Text, FontFaces,
                         ::testing::Values(FaceCase{"Courier New", "Liberation Mono", "LiberationMono-Regular"},
                                           FaceCase{"Arial", "Liberation Sans", "LiberationSans-Regular"},
                                           FaceCase{"Stencil", "Allerta", "allerta_stencil"},
                                           FaceCase{"Digital Dream", "DSEG14 Classic", "DSEG14Classic-Regular"},
                                           FaceCase{"Digital Readout Upright", "DSEG7 Classic", "DSEG7Classic-Regular"},
                                           FaceCase{"Ravie", "Lobster Two", "lobster"},
                                           // Nobody has this face: the system's substitute takes its place.
                                           FaceCase{"No Such Face At All", "DejaVu Sans", "DejaVuSans"}),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.face; *p; ++p) {
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             }
                             return name;
                         });

class FontHeights : public Drawing, public ::testing::WithParamInterface<int> {};

TEST_P(FontHeights, TheCellIsExactlyTheHeightAskedFor)
{
    for (const char* face : {"Courier New", "Arial", "Stencil", "Digital Dream", "Digital Readout Upright", "Ravie"}) {
        TextDX font;
        ASSERT_TRUE(font.initialize(&graphics, GetParam(), false, false, face)) << face;
        RECT rect{0, 0, 0, 0};
        EXPECT_EQ(font.printInRect("|", rect, DT_CALCRECT), GetParam()) << face;
    }
}

INSTANTIATE_TEST_SUITE_P(Text, FontHeights, ::testing::Values(14, 25, 30, 35, 40, 50));

} // namespace
