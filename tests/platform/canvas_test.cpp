#include "platform/canvas.h"

#include <gtest/gtest.h>

namespace olvane::platform
{
namespace
{

// A picture with something on it, so inversions show.
Picture Painted(int w, int h)
{
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
    {
        for (int x = 0; x < w; ++x)
        {
            p.SetPixel(x, y, Rgb(x * 7, y * 11, (x + y) * 3));
        }
    }
    return p;
}

bool SamePixels(const Picture& a, const Picture& b)
{
    for (int y = 0; y < a.Height(); ++y)
    {
        for (int x = 0; x < a.Width(); ++x)
        {
            if (a.Pixel(x, y) != b.Pixel(x, y))
            {
                return false;
            }
        }
    }
    return true;
}

TEST(Canvas, NotXorFiguresDrawnTwiceLeaveThePictureUnchanged)
{
    Picture picture = Painted(60, 50);
    const Picture before = picture;
    Canvas c(picture);
    c.pen.mode = PenMode::NotXor;
    c.pen.colour = colours::Red;
    c.brush.style = BrushStyle::Clear;

    auto drawAll = [&] {
        c.Rectangle(Rect::FromCorners(5, 5, 40, 30));
        c.Rectangle(Rect{10, 10, 1, 1});
        c.Ellipse(Rect{2, 3, 51, 41});
        c.Ellipse(Rect{20, 20, 4, 9});
        c.Line(0, 0, 59, 49);
        c.Line(30, 45, 3, 2);
    };
    drawAll();
    EXPECT_FALSE(SamePixels(picture, before));
    // A point of the rectangle's top edge: not-xor with red keeps red and inverts green and blue.
    Colour was = before.Pixel(20, 5);
    EXPECT_EQ(picture.Pixel(20, 5), ~(colours::Red ^ was) & 0xFFFFFF);
    drawAll();
    EXPECT_TRUE(SamePixels(picture, before));

    c.pen.width = 3;
    c.Rectangle(Rect{8, 8, 20, 20});
    c.Rectangle(Rect{8, 8, 20, 20});
    EXPECT_TRUE(SamePixels(picture, before)) << "wide pens cancel too";
}

TEST(Canvas, ThinOutlinesTouchEachPixelOnce)
{
    // A pixel drawn twice by a not-xor pen would come back unchanged: every pixel of the outline
    // must be inverted exactly once and nothing else touched, thin shapes and clipped ones too.
    for (const Rect r : {Rect{5, 5, 20, 12}, Rect{3, 9, 1, 7}, Rect{4, 4, 9, 1}, Rect{6, 6, 2, 2}, Rect{-3, 20, 50, 40}})
    {
        Picture picture = Painted(40, 32);
        const Picture before = picture;
        Canvas c(picture);
        c.pen.mode = PenMode::NotXor;
        c.brush.style = BrushStyle::Clear;
        c.Rectangle(r);
        for (int y = 0; y < picture.Height(); ++y)
        {
            for (int x = 0; x < picture.Width(); ++x)
            {
                const bool edge = r.Contains(Point{x, y}) &&
                                  (x == r.x || y == r.y || x == r.Right() - 1 || y == r.Bottom() - 1);
                const Colour expected = edge ? ~before.Pixel(x, y) & 0xFFFFFF : before.Pixel(x, y);
                ASSERT_EQ(picture.Pixel(x, y), expected) << x << "," << y << " of " << r.x << "," << r.y << " "
                                                         << r.width << "x" << r.height;
            }
        }
    }
}

TEST(Canvas, CopyPenFillsAndOutlines)
{
    Picture p(20, 20, colours::White);
    Canvas c(p);
    c.pen.colour = colours::Blue;
    c.brush.colour = colours::Yellow;
    c.Rectangle(Rect::FromCorners(2, 2, 10, 8));
    EXPECT_EQ(p.Pixel(2, 2), colours::Blue);
    EXPECT_EQ(p.Pixel(9, 7), colours::Blue);
    EXPECT_EQ(p.Pixel(10, 8), colours::White) << "right and bottom edges are exclusive";
    EXPECT_EQ(p.Pixel(5, 5), colours::Yellow);

    c.brush.colour = colours::Black;
    c.Ellipse(Rect{10, 10, 9, 9});
    EXPECT_EQ(p.Pixel(14, 14), colours::Black) << "centre filled";
    EXPECT_EQ(p.Pixel(14, 10), colours::Blue) << "top of the outline";
    EXPECT_EQ(p.Pixel(10, 10), colours::White) << "corner of the box stays outside";

    c.pen.colour = colours::Red;
    c.Line(0, 19, 5, 19);
    EXPECT_EQ(p.Pixel(4, 19), colours::Red);
    EXPECT_EQ(p.Pixel(5, 19), colours::White) << "the end point is left out";
}

TEST(Canvas, DrawingStaysInsideTheClipAndFollowsTheOrigin)
{
    Picture p(30, 30, colours::Black);
    Canvas c(p, Point{10, 10}, Rect{10, 10, 10, 10});
    c.brush.colour = colours::White;
    c.FillRect(Rect{-5, -5, 50, 50});
    EXPECT_EQ(p.Pixel(9, 9), colours::Black);
    EXPECT_EQ(p.Pixel(10, 10), colours::White);
    EXPECT_EQ(p.Pixel(19, 19), colours::White);
    EXPECT_EQ(p.Pixel(20, 20), colours::Black);
    EXPECT_EQ(c.Pixel(0, 0), colours::White);
    EXPECT_EQ(c.ClipRect(), (Rect{0, 0, 10, 10}));
}

TEST(Canvas, TextIsDrawnInItsColourInsideItsExtent)
{
    Picture p(200, 60, colours::White);
    Canvas c(p);
    c.brush.style = BrushStyle::Clear;
    c.font = Font{"ARIAL", 14, FontStyle::Bold, false, colours::Red};
    Size extent = c.TextExtent("WARSHIP");
    EXPECT_GT(extent.width, 40);
    EXPECT_GT(extent.height, 12);
    c.TextOut(10, 5, "WARSHIP");

    int red = 0;
    for (int y = 0; y < p.Height(); ++y)
    {
        for (int x = 0; x < p.Width(); ++x)
        {
            Colour px = p.Pixel(x, y);
            bool inside = Rect{10, 5, extent.width, extent.height}.Contains(Point{x, y});
            if (!inside)
            {
                ASSERT_EQ(px, colours::White) << x << "," << y;
            }
            else if (px == colours::Red)
            {
                ++red;
            }
            else if (px != colours::White)
            {
                ASSERT_GT(RedOf(px), 200) << "anti-aliased edges blend red into white";
            }
        }
    }
    EXPECT_GT(red, 50);

    // A solid brush paints the text's box first.
    c.brush.style = BrushStyle::Solid;
    c.brush.colour = colours::Navy;
    c.font = Font{"CURIER NEW", 10, FontStyle::Regular, false, colours::Yellow};
    c.TextOut(10, 40, "A");
    EXPECT_EQ(p.Pixel(10, 40), colours::Navy);
    EXPECT_GT(c.TextWidth("MM"), c.TextWidth("M"));
    EXPECT_EQ(c.TextWidth("iii"), c.TextWidth("MMM")) << "the courier face is fixed-pitch";

    // The same words again in another colour are drawn anew, not as kept before.
    Picture again(200, 30, colours::White);
    Canvas d(again);
    d.brush.style = BrushStyle::Clear;
    auto colourCount = [&](Colour wanted) {
        int n = 0;
        for (int y = 0; y < again.Height(); ++y)
        {
            for (int x = 0; x < again.Width(); ++x)
            {
                n += again.Pixel(x, y) == wanted ? 1 : 0;
            }
        }
        return n;
    };
    for (Colour colour : {colours::Red, colours::Blue, colours::Red})
    {
        d.font = Font{"ARIAL", 14, FontStyle::Bold, false, colour};
        d.TextOut(10, 5, "WARSHIP");
        EXPECT_GT(colourCount(colour), 50);
    }
}

TEST(Canvas, PicturesCopyStretchAndDropTheirKeyColour)
{
    Picture sprite(4, 4, colours::Fuchsia);
    sprite.SetPixel(1, 1, colours::Lime);
    sprite.SetPixel(2, 2, colours::Lime);

    Picture p(20, 20, colours::Navy);
    Canvas c(p);
    c.Draw(0, 0, sprite);
    EXPECT_EQ(p.Pixel(0, 0), colours::Fuchsia) << "opaque copy";

    sprite.transparent = true; // the key is the bottom-left pixel
    c.Draw(10, 0, sprite);
    EXPECT_EQ(p.Pixel(10, 0), colours::Navy);
    EXPECT_EQ(p.Pixel(11, 1), colours::Lime);

    c.StretchDraw(Rect{0, 10, 8, 8}, sprite);
    EXPECT_EQ(p.Pixel(2, 12), colours::Lime);
    EXPECT_EQ(p.Pixel(3, 13), colours::Lime);
    EXPECT_EQ(p.Pixel(0, 10), colours::Navy);

    sprite.transparent = false;
    c.DrawTransparent(12, 12, sprite, colours::Lime);
    EXPECT_EQ(p.Pixel(13, 13), colours::Navy);
    EXPECT_EQ(p.Pixel(12, 12), colours::Fuchsia);

    Picture big(40, 40, colours::White);
    Canvas bc(big);
    bc.CopyRect(Rect{0, 0, 40, 40}, p, Rect{10, 0, 4, 4});
    EXPECT_EQ(big.Pixel(15, 15), colours::Lime) << "a 4x4 part grows tenfold";
    EXPECT_EQ(big.Pixel(35, 35), colours::Navy);
}

} // namespace
} // namespace olvane::platform
