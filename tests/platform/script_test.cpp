#include "platform/button.h"
#include "platform/edit_box.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/message_box.h"
#include "platform/script.h"
#include "platform/app_fixture.h"
#include "platform/platform_test_support.h"

#include <sstream>

namespace olvane::platform
{
namespace
{

TEST(Script, ParsesEveryCommandAndNamesTheBadLine)
{
    std::string error;
    auto script = ParseScript("# a comment\n\nclick 10 20\nrclick 1 2\ndrag 1 2 3 4\nkey Alt+F4\n"
                              "text HELLO WORLD\nwait 250\nshot out.png\nexpect-text YOU WIN\nquit\n",
                              error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->size(), 9u);
    EXPECT_EQ((*script)[0].verb, ScriptVerb::Click);
    EXPECT_EQ((*script)[0].x1, 10);
    EXPECT_EQ((*script)[0].line, 3);
    EXPECT_EQ((*script)[2].y2, 4);
    EXPECT_EQ((*script)[4].text, "HELLO WORLD");
    EXPECT_EQ((*script)[5].x1, 250);
    EXPECT_EQ((*script)[7].verb, ScriptVerb::ExpectText);

    EXPECT_FALSE(ParseScript("click 1\n", error));
    EXPECT_EQ(error, "line 1: click needs X Y");
    EXPECT_FALSE(ParseScript("quit\njump 3\n", error));
    EXPECT_EQ(error, "line 2: unknown command");
    EXPECT_FALSE(ParseScript("wait -5", error));
    EXPECT_FALSE(ParseScript("click 1 2x", error));
}

class ScriptedForm : public Form
{
public:
    ScriptedForm() : ask(this), name(this), map(this)
    {
        // A map with the game's rubber band: drawn and erased with a not-xor pen while dragging.
        map.SetBounds(400, 300, 200, 200);
        Canvas sea = map.PictureCanvas();
        sea.brush.colour = 0x2060A0;
        sea.FillRect(Rect{0, 0, 200, 200});
        map.onMouseDown = [this](MouseButton button, ShiftState, int x, int y) {
            if (button == MouseButton::Right)
            {
                rightClicks.push_back(Point{x, y});
                return;
            }
            banding = true;
            start = end = Point{x, y};
            Band();
        };
        map.onMouseMove = [this](ShiftState, int x, int y) {
            if (banding)
            {
                Band();
                end = Point{x, y};
                Band();
                ++bandMoves;
            }
        };
        map.onMouseUp = [this](MouseButton, ShiftState, int, int) {
            if (banding)
            {
                Band();
                banding = false;
                chosen = Rect::FromCorners(start.x, start.y, end.x, end.y);
            }
        };
        ask.SetBounds(100, 100, 120, 30);
        ask.caption = "EXIT TO MENU";
        ask.onClick = [this] { answer = AskYesNo("Are you sure you want to quit the mission?") ? "yes" : "no"; };
        name.SetBounds(100, 200, 200, 24);
    }

    void Band()
    {
        Canvas c = map.PictureCanvas();
        c.pen = Pen{colours::White, 1, PenMode::NotXor};
        c.brush.style = BrushStyle::Clear;
        c.Rectangle(Rect::FromCorners(start.x, start.y, end.x + 1, end.y + 1));
    }

    Button ask;
    EditBox name;
    Image map;
    std::string answer;
    bool banding = false;
    Point start;
    Point end;
    int bandMoves = 0;
    Rect chosen;
    std::vector<Point> rightClicks;
};

using ScriptRun = test::AppTest;

int RunScript(Application& app, Form& form, const std::string& source, std::ostream& report)
{
    std::string error;
    auto commands = ParseScript(source, error);
    EXPECT_TRUE(commands) << error;
    app.AttachScript(std::make_unique<ScriptRunner>(*commands, report));
    app.Run(form);
    return app.ExitStatus();
}

TEST_F(ScriptRun, DrivesTheRealLoopThroughModalWindows)
{
    test::TempFolder dir;
    ScriptedForm form;
    std::ostringstream report;
    std::string shot = (dir.path / "question.png").string();
    int status = RunScript(*app, form,
                           "click 110 110\n"
                           "expect-text quit the mission\n"
                           "shot " + shot + "\n"
                           "key Return\n"
                           "expect-text EXIT TO MENU\n"
                           "click 150 210\n"
                           "text FLEET\n"
                           "key BackSpace\n"
                           "wait 50\n",
                           report);
    EXPECT_EQ(status, 0) << report.str();
    EXPECT_EQ(form.answer, "yes");
    EXPECT_EQ(form.name.text, "FLEE");
    EXPECT_TRUE(std::filesystem::exists(shot));
}

TEST_F(ScriptRun, DragsAndRightClicksReachTheMap)
{
    ScriptedForm form;
    const Picture before = form.map.picture;
    std::ostringstream report;
    EXPECT_EQ(RunScript(*app, form, "drag 410 320 470 350\nrclick 500 400\n", report), 0) << report.str();
    EXPECT_EQ(form.chosen, Rect::FromCorners(10, 20, 70, 50));
    EXPECT_GE(form.bandMoves, 4);
    EXPECT_EQ(form.rightClicks, (std::vector<Point>{Point{100, 100}}));
    bool unchanged = true;
    for (int y = 0; y < 200; ++y)
    {
        for (int x = 0; x < 200; ++x)
        {
            unchanged = unchanged && form.map.picture.Pixel(x, y) == before.Pixel(x, y);
        }
    }
    EXPECT_TRUE(unchanged) << "every band drawn was erased again";
}

TEST_F(ScriptRun, FailsWhenAnExpectationIsMissing)
{
    ScriptedForm form;
    std::ostringstream report;
    EXPECT_EQ(RunScript(*app, form, "expect-text GAME OVER\nquit\n", report), ScriptExpectationFailed);
    EXPECT_NE(report.str().find("\"GAME OVER\" is not on the active window"), std::string::npos) << report.str();
    EXPECT_NE(report.str().find("EXIT TO MENU"), std::string::npos) << "the report lists what was shown";
}

TEST_F(ScriptRun, FailsWhenItEndsInsideAModalWait)
{
    ScriptedForm form;
    std::ostringstream report;
    EXPECT_EQ(RunScript(*app, form, "click 110 110\n", report), ScriptStuckInModal);
    EXPECT_EQ(form.answer, "no") << "the loops unwind with the question cancelled";
}

} // namespace
} // namespace olvane::platform
