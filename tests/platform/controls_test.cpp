#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/draw_grid.h"
#include "platform/edit_box.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/panel.h"
#include "platform/timer.h"
#include "platform/app_fixture.h"

#include <set>

namespace olvane::platform
{
namespace
{

using ControlsTest = test::AppTest;

TEST_F(ControlsTest, GridDrawsExactlyItsVisibleCells)
{
    Form form;
    form.Show();
    DrawGrid grid(&form);
    grid.SetBounds(10, 10, 300, 100);
    grid.colCount = 3;
    grid.rowCount = 48;
    grid.defaultRowHeight = 23;
    grid.SetColWidth(0, 120);
    grid.SetRowHeight(0, 20);
    std::set<std::pair<int, int>> drawn;
    int selectedDrawn = 0;
    grid.onDrawCell = [&](int c, int r, const Rect& rect, GridCellState state, Canvas& canvas) {
        drawn.insert({c, r});
        selectedDrawn += state.selected ? 1 : 0;
        EXPECT_EQ(state.fixed, r == 0);
        EXPECT_EQ(rect.width, c == 0 ? 120 : 64);
        canvas.brush.colour = colours::Red;
        canvas.FillRect(Rect{rect.x, rect.y, 200, 200}); // spills are cut at the cell's edge
    };
    app->Compose();
    // Header of 20 + 1, then rows of 23 + 1: rows 1..3 fit whole, row 4 is cut off.
    std::set<std::pair<int, int>> expected;
    for (int r : {0, 1, 2, 3, 4})
    {
        for (int c = 0; c < 3; ++c)
        {
            expected.insert({c, r});
        }
    }
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(selectedDrawn, 3) << "row 1 is selected at first, all three of its cells";
    Picture& fb = app->Framebuffer();
    EXPECT_EQ(fb.Pixel(10 + 120, 15), colours::Gray) << "the line between columns stays";
    EXPECT_EQ(fb.Pixel(10 + 5, 10 + 5), colours::Red);

    // A click selects its row (asking first); the wheel scrolls.
    bool allow = true;
    grid.onSelectCell = [&](int, int, bool& canSelect) { canSelect = allow; };
    QueueClick(10 + 130, 10 + 21 + 24 + 5);
    app->ProcessMessages();
    EXPECT_EQ(grid.row, 2);
    allow = false;
    QueueClick(10 + 130, 10 + 21 + 5);
    app->ProcessMessages();
    EXPECT_EQ(grid.row, 2);
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    Point w = app->FramebufferToWindow(Point{60, 60});
    move.motion.x = w.x;
    move.motion.y = w.y;
    SDL_PushEvent(&move);
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = -5;
    SDL_PushEvent(&wheel);
    app->ProcessMessages();
    EXPECT_EQ(grid.topRow, 6) << "the wheel scrolls the grid under the mouse";
    drawn.clear();
    app->Compose();
    EXPECT_TRUE(drawn.count({0, 0}));
    EXPECT_TRUE(drawn.count({0, 6}));
    EXPECT_FALSE(drawn.count({0, 5}));

    // The scroll bar on the right edge: its arrows move a row, its track a page.
    QueueClick(10 + 300 - 8, 10 + 100 - 4);
    app->ProcessMessages();
    EXPECT_EQ(grid.topRow, 7);
    QueueClick(10 + 300 - 8, 10 + 4);
    QueueClick(10 + 300 - 8, 10 + 4);
    app->ProcessMessages();
    EXPECT_EQ(grid.topRow, 5);
    QueueClick(10 + 300 - 8, 10 + 80);
    app->ProcessMessages();
    EXPECT_EQ(grid.topRow, 5 + grid.VisibleDataRows());
    EXPECT_EQ(grid.row, 2) << "clicks on the bar select nothing";
}

TEST_F(ControlsTest, ChoicesListsAndPagesFollowTheMouse)
{
    Form form;
    form.Show();
    CheckBox sound(&form);
    sound.SetBounds(10, 10, 100, 17);
    sound.caption = "Sound ";
    sound.checked = true;
    RadioButton a(&form);
    a.SetBounds(10, 40, 100, 17);
    RadioButton b(&form);
    b.SetBounds(10, 60, 100, 17);
    a.SetChecked(true);
    Panel other(&form);
    other.SetBounds(200, 10, 100, 60);
    RadioButton c(&other);
    c.SetBounds(5, 5, 90, 17);
    c.SetChecked(true);
    ListBox info(&form);
    info.SetBounds(10, 100, 200, 100);
    info.Add("first");
    info.Insert(0, "second");
    PageControl pages(&form);
    pages.SetBounds(300, 100, 300, 200);
    TabSheet main(&pages);
    main.caption = "main";
    TabSheet map(&pages);
    map.caption = "map";
    Label onMap(&map);
    onMap.caption = "THE MAP PAGE";

    int clicks = 0;
    sound.onClick = [&] { ++clicks; };
    QueueClick(15, 15);
    QueueClick(15, 65);
    Rect tab = pages.TabRect(1);
    QueueClick(300 + tab.x + 3, 100 + tab.y + 3);
    app->ProcessMessages();
    EXPECT_FALSE(sound.checked);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(c.Checked()) << "radio buttons on another parent are another group";
    EXPECT_EQ(pages.ActivePage(), 1);
    EXPECT_FALSE(main.visible);
    app->Compose();
    const auto& texts = form.DrawnTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "THE MAP PAGE"), texts.end());

    EXPECT_EQ(info.items.front(), "second") << "inserted at 0, the newest line is on top";
    QueueClick(20, 100 + 2 + info.itemHeight + 20);
    app->ProcessMessages();
    EXPECT_EQ(info.itemIndex, 1);

    int doubles = 0;
    info.onDoubleClick = [&] { ++doubles; };
    SDL_Event twice{};
    twice.type = SDL_MOUSEBUTTONDOWN;
    twice.button.button = SDL_BUTTON_LEFT;
    twice.button.clicks = 2;
    Point w = app->FramebufferToWindow(Point{20, 110});
    twice.button.x = w.x;
    twice.button.y = w.y;
    SDL_PushEvent(&twice);
    app->ProcessMessages();
    EXPECT_EQ(doubles, 1);

    // A disabled control takes no clicks.
    sound.enabled = false;
    QueueClick(15, 15);
    app->ProcessMessages();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, LabelsAlignWrapAndSizeThemselves)
{
    Form form;
    form.colour = colours::Navy;
    form.Show();
    Label right(&form);
    right.SetBounds(0, 0, 300, 40);
    right.alignment = Alignment::Right;
    right.colour = colours::White;
    right.caption = "SCORE";
    Label wrapped(&form);
    wrapped.SetBounds(0, 50, 120, 200);
    wrapped.wordWrap = true;
    wrapped.caption = "YOU CAN`T HAVE MORE UNITS OF THIS TYPE.";
    Label fitted(&form);
    fitted.SetBounds(10, 300, 5, 5);
    fitted.autoSize = true;
    fitted.caption = "TURN 12\nPRODUCTION 450";
    app->Compose();

    Picture& fb = app->Framebuffer();
    int firstInk = -1;
    for (int x = 0; x < 300 && firstInk < 0; ++x)
    {
        for (int y = 0; y < 20; ++y)
        {
            if (fb.Pixel(x, y) != colours::White)
            {
                firstInk = x;
                break;
            }
        }
    }
    EXPECT_GT(firstInk, 200) << "right-aligned text sits at the right edge";

    Picture scratch(1, 1);
    Canvas measure(scratch);
    measure.font = wrapped.font;
    auto lines = wrapped.Lines(measure);
    EXPECT_GE(lines.size(), 3u);
    for (const std::string& line : lines)
    {
        EXPECT_LE(measure.TextWidth(line), 120) << line;
    }
    EXPECT_GT(fitted.bounds.width, 50);
    EXPECT_EQ(fitted.bounds.height, 2 * measure.TextHeight("Ag"));
    EXPECT_EQ(fitted.bounds.x, 10);
    EXPECT_EQ(fb.Pixel(9, 300), colours::Navy) << "a label fills only its own rectangle";
}

TEST_F(ControlsTest, ImageKeepsWhatIsDrawnOnItAndDrawsTransparent)
{
    Form form;
    form.colour = colours::Navy;
    form.Show();
    Image view(&form);
    view.SetBounds(0, 0, 50, 50);
    Canvas c = view.PictureCanvas();
    EXPECT_EQ(view.picture.Width(), 50);
    c.pen = Pen{colours::Red, 1, PenMode::NotXor};
    c.brush.style = BrushStyle::Clear;
    c.Rectangle(Rect{5, 5, 20, 20});
    app->Compose();
    app->Compose();
    Picture& fb = app->Framebuffer();
    EXPECT_EQ(fb.Pixel(5, 5), ~(colours::Red ^ colours::White) & 0xFFFFFF) << "the band stays between frames";
    c.Rectangle(Rect{5, 5, 20, 20});
    app->Compose();
    EXPECT_EQ(fb.Pixel(5, 5), colours::White);

    view.transparent = true; // the key is the bottom-left pixel: white
    app->Compose();
    EXPECT_EQ(fb.Pixel(5, 5), colours::Navy);
    view.stretch = true;
    view.picture.SetSize(2, 2, colours::Lime);
    view.transparent = false;
    app->Compose();
    EXPECT_EQ(fb.Pixel(49, 49), colours::Lime);
}

TEST_F(ControlsTest, HintShowsWhenTheMouseRestsOnAControl)
{
    Form form;
    form.Show();
    Button next(&form);
    next.SetBounds(100, 100, 80, 25);
    next.caption = "NEXT";
    next.hint = "Select the next unit|Selects the next unit that has not moved";
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    Point w = app->FramebufferToWindow(Point{120, 110});
    move.motion.x = w.x;
    move.motion.y = w.y;
    SDL_PushEvent(&move);
    app->ProcessMessages();
    auto shown = [&] {
        app->Compose();
        const auto& t = form.DrawnTexts();
        return std::find(t.begin(), t.end(), "Select the next unit") != t.end();
    };
    EXPECT_FALSE(shown()) << "not at once";
    // The loop sleeps until something is due; a timer keeps it turning while the test watches.
    Timer watch(20, true);
    watch.onTimer = [] {};
    std::uint64_t end = app->Now() + Application::HintDelay + 50;
    while (app->Now() < end)
    {
        app->HandleMessage();
    }
    EXPECT_TRUE(shown());
    QueueClick(120, 110);
    app->ProcessMessages();
    EXPECT_FALSE(shown()) << "a click puts the hint away";
}

} // namespace
} // namespace olvane::platform
