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

#include <filesystem>

namespace olvane::platform
{
namespace
{

/// One of every control, laid out the way the screens will use them.
class GalleryForm : public Form
{
public:
    GalleryForm()
        : title(this), filled(this), button(this), disabled(this), speed(this), speedDown(this), sound(this),
          land1(this), land2(this), name(this), info(this), grid(this), image(this), paint(this), panel(this),
          pages(this), mainPage(&pages), mapPage(&pages), pageText(&mainPage), progress(this), blink(300, true)
    {
        colour = 0x1E2A3A;
        font = Font{"ARIAL", 10, FontStyle::Regular, false, colours::Black};

        title.SetBounds(20, 12, 600, 30);
        title.transparent = true;
        title.caption = "CONTROL GALLERY";
        title.font = Font{"ARIAL", 18, FontStyle::Bold, false, colours::Yellow};

        filled.SetBounds(640, 14, 360, 24);
        filled.colour = colours::Navy;
        filled.alignment = Alignment::Centre;
        filled.caption = "FILLED LABEL, CENTRED";
        filled.font = Font{"CURIER NEW", 11, FontStyle::Bold, false, colours::White};

        button.SetBounds(20, 60, 120, 30);
        button.caption = "NEXT UNIT";
        disabled.SetBounds(150, 60, 120, 30);
        disabled.caption = "DISABLED";
        disabled.enabled = false;
        speed.SetBounds(280, 60, 60, 30);
        speed.caption = "STR";
        speedDown.SetBounds(350, 60, 60, 30);
        speedDown.caption = "TAC";
        speedDown.groupIndex = 1;
        speedDown.down = true;

        sound.SetBounds(20, 105, 120, 20);
        sound.caption = "Sound ";
        sound.checked = true;
        sound.font.colour = colours::White;
        land1.SetBounds(150, 105, 130, 20);
        land1.caption = "Snow";
        land1.font.colour = colours::White;
        land2.SetBounds(290, 105, 130, 20);
        land2.caption = "Rocks";
        land2.font.colour = colours::White;
        land2.SetChecked(true);

        name.SetBounds(20, 135, 250, 24);
        name.text = "ADMIRAL NELSEN";
        name.SetFocus();

        info.SetBounds(20, 170, 390, 120);
        info.font = Font{"CURIER NEW", 9, FontStyle::Regular, false, colours::Black};
        for (const char* line : {"New contact: DD ASTOR", "Turn 3", "Radar scan finished", "Turn 2", "Turn 1"})
        {
            info.Add(line);
        }
        info.Insert(0, "New contact: CA HELMSTAD");
        info.itemIndex = 1;

        grid.SetBounds(430, 60, 570, 230);
        grid.colCount = 4;
        grid.rowCount = 12;
        grid.SetColWidth(0, 200);
        grid.SetColWidth(1, 120);
        grid.SetColWidth(2, 120);
        grid.SetColWidth(3, 120);
        grid.row = 2;
        grid.onDrawCell = [](int c, int r, const Rect& rect, GridCellState state, Canvas& canvas) {
            static const char* header[] = {"Type", "Fire", "Armor", "Speed"};
            canvas.brush.style = BrushStyle::Clear;
            canvas.font.colour = state.selected ? colours::White : colours::Black;
            std::string text = r == 0 ? header[c] : (c == 0 ? "Destroyer " + std::to_string(r) : std::to_string(r * (c + 1)));
            canvas.TextOut(rect.x + 4, rect.y + 4, text);
        };

        image.SetBounds(20, 305, 180, 180);
        Canvas sea = image.PictureCanvas();
        sea.brush.colour = 0x2060A0;
        sea.FillRect(Rect{0, 0, 180, 180});
        sea.brush.colour = 0x6A8F3A;
        sea.pen.colour = 0x3A5F1A;
        sea.Ellipse(Rect{20, 30, 90, 60});
        sea.pen = Pen{colours::Red, 1, PenMode::NotXor};
        sea.brush.style = BrushStyle::Clear;
        sea.Rectangle(Rect{60, 70, 100, 80}); // a rubber band
        sea.Ellipse(Rect{10, 10, 160, 160});  // a detection circle

        paint.SetBounds(210, 305, 200, 180);
        paint.onPaint = [this](Canvas& c) {
            c.brush.colour = colours::Black;
            c.FillRect(Rect{0, 0, 200, 180});
            c.pen.colour = colours::Lime;
            for (int i = 0; i < 10; ++i)
            {
                c.Line(0, i * 18, 199, 179 - i * 18);
            }
            c.brush.style = BrushStyle::Clear;
            c.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Yellow};
            c.TextOut(10, 150, "PAINT BOX " + std::to_string(blinks));
        };
        blink.onTimer = [this] { ++blinks; };

        panel.SetBounds(430, 305, 250, 90);
        panel.caption = "PANEL";
        panel.bevel = Bevel::Raised;

        pages.SetBounds(690, 305, 310, 180);
        mainPage.caption = "main";
        mapPage.caption = "map";
        pageText.SetBounds(10, 10, 280, 100);
        pageText.wordWrap = true;
        pageText.caption = "Pages sit on a page control; this text wraps at word boundaries inside its label.";

        progress.SetBounds(430, 410, 250, 20);
        progress.min = 1;
        progress.max = 18;
        progress.position = 11;
    }

    Label title;
    Label filled;
    Button button;
    Button disabled;
    SpeedButton speed;
    SpeedButton speedDown;
    CheckBox sound;
    RadioButton land1;
    RadioButton land2;
    EditBox name;
    ListBox info;
    DrawGrid grid;
    Image image;
    PaintBox paint;
    Panel panel;
    PageControl pages;
    TabSheet mainPage;
    TabSheet mapPage;
    Label pageText;
    ProgressBar progress;
    Timer blink;
    int blinks = 0;
};

using GalleryTest = test::AppTest;

TEST_F(GalleryTest, EveryControlPaintsAndTheFrameIsSaved)
{
    GalleryForm gallery;
    gallery.Show();
    app->Compose();
    std::filesystem::path shot = std::filesystem::path(OLVANE_GALLERY_DIR) / "platform-gallery.png";
    ASSERT_FALSE(app->Framebuffer().SavePng(shot));

    const auto& texts = gallery.DrawnTexts();
    for (const char* expected : {"CONTROL GALLERY", "NEXT UNIT", "DISABLED", "Sound ", "Rocks", "ADMIRAL NELSEN",
                                 "New contact: CA HELMSTAD", "Type", "Destroyer 3", "PANEL", "main", "map",
                                 "PAINT BOX 0"})
    {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }
    Picture& fb = app->Framebuffer();
    EXPECT_EQ(fb.Pixel(5, 5), 0x1E2A3AU);
    EXPECT_EQ(fb.Pixel(660, 16), colours::Navy) << "filled label";
    EXPECT_EQ(fb.Pixel(22, 307), 0x2060A0U) << "image keeps its drawing";
}

} // namespace
} // namespace olvane::platform
