#include "flow/tutorial_window.h"

#include "flow/flow_art.h"
#include "platform/application.h"
#include "platform/canvas.h"

#include <SDL.h>

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
namespace colours = platform::colours;

constexpr int PageMain = 0;
constexpr int PageMove = 2;
constexpr int PageFind = 3;
constexpr int PageRadar = 4;
constexpr int PageVictory = TutorialPageCount - 1;

constexpr std::array<TutorialPage, TutorialPageCount> Pages = {{
    {"main", "ONE SEA, TWO FLEETS",
     "Your ships, aircraft and shore guns share one sea map with the enemy's. You see his units only "
     "where your radar or sonar reaches; he sees yours the same way.\n\n"
     "A turn is your phase, then the enemy's. In your phase every unit acts once: it moves, stands or "
     "repairs, and fires at what it has found.\n\n"
     "Find the enemy first, sink him, hold your ports and reach the mission's goal before the last turn.",
     "A nation's colours and one of its destroyers: the game has eight nations to play."},
    {"map", "THE MAP",
     "The map has from 18 x 18 up to 96 x 96 fields: blue fields are sea, the rest is land that ships "
     "cannot enter. Ports are navy when they are yours and red when they are the enemy's.\n\n"
     "The small map at the top right shows the whole sea: click it to look there. Move the mouse to an "
     "edge of the screen to scroll. STR shows more of the map at once; TAC brings the close view back.\n\n"
     "Rest the mouse on a field or a unit and the box under the small map describes it.",
     "Every mission is fought on its own sea, from a few islands to a whole ocean."},
    {"move", "MOVING",
     "The game chooses your next unit and marks it with a blinking square. The lit fields around it are "
     "the ones it can reach this turn.\n\n"
     "Left click another of your units to choose it instead. Right click a lit field to move there.\n\n"
     "To move several ships at once, hold the left button on open sea and drag a frame around them, then "
     "right click where they should go: each sails as far as it can.\n\n"
     "STAND keeps a unit where it is; REPAIR mends armour in one of your ports.",
     "The chosen destroyer (small square) with its reach lit, a move ordered to the top corner, and a frame "
     "dragged around three ships."},
    {"find enemy", "FINDING THE ENEMY",
     "The enemy is hidden until you find him. When a unit ends its move it switches on its radar (a "
     "submarine its sonar) and the fields it covers light up.\n\n"
     "Every enemy inside is uncovered and named in the message list as a new contact.\n\n"
     "Aircraft see far and move fast; destroyers and escorts hunt submarines. Spread your units out to "
     "cover more sea.",
     "The radar lights the fields around the ship that has just moved, and the enemy among them is "
     "uncovered."},
    {"radar", "RADAR AND FIRE",
     "While the unit that just moved has fire points and an enemy is in its range, the game waits for "
     "your target: SELECT TARGET. Right click the enemy to fire; Escape holds fire.\n\n"
     "Each shot costs your unit one fire point and the target one armour point. At 0 armour it sinks. "
     "Rest the mouse on an enemy to see its armour and how many shots it still needs.\n\n"
     "When your phase ends the radar ranges clear and the enemies you found vanish again, leaving a "
     "marker where they were last seen.",
     "The ship's detection circle; the enemy inside it is under fire."},
    {"game turn", "THE GAME TURN",
     "When your last unit has acted, your phase ends by itself. The enemy then moves, searches and fires "
     "in his phase, and a new turn begins.\n\n"
     "At the start of each turn the mission status shows the turn and offers SAVE GAME.\n\n"
     "During your phase HQ opens the headquarters: buy new ships, aircraft and shore guns with your "
     "production points, look over both fleets and read the mission's objectives again.",
     "The headquarters, open during your phase."},
    {"victory", "VICTORY",
     "Each mission has its goal, shown in the briefing and in the headquarters: take the enemy's major "
     "ports, hold your own, sink a number of ships of one kind, bring a convoy into port, or destroy every "
     "enemy unit.\n\n"
     "Reach it before the turn limit and the mission is won: a minor victory, a victory or a major "
     "victory by how well you did. Lose what you must hold, or run out of turns, and it is a defeat.\n\n"
     "Sunk enemies bring score and production points; the best scores enter the hall of fame.",
     "A won mission."},
}};

/// A scene of the game's own fields and ships, one character per field: '.' sea, '#' land,
/// 'r' a field in reach, 'c' a field the radar covers, 'P' the chosen ship, 'G' another of the
/// player's ships, 'E' an uncovered enemy, 'X' an enemy under fire.
struct Scene
{
    std::array<std::string_view, 6> rows;
    platform::Point arrowFrom{-1, -1};
    platform::Point arrowTo{-1, -1};
    platform::Rect band{0, 0, 0, 0};
    int circle = 0; ///< detection radius in fields around 'P', 0 for none
};

const Scene* SceneOf(int page)
{
    static const Scene move{{"rrrrr..#", "rrrrr.##", "rrPrr...", "rrrrr...", "rrrrr.GG", "......G."},
                            {2, 2},
                            {4, 0},
                            {6, 4, 2, 2},
                            0};
    static const Scene find{
        {"..ccc...", ".ccccc.#", ".ccPEc##", ".ccccc.#", "..ccc...", "........"}, {-1, -1}, {-1, -1}, {}, 0};
    static const Scene radar{
        {"........", "#.......", "##..P..X", "#.......", "........", "........"}, {-1, -1}, {-1, -1}, {}, 3};
    switch (page)
    {
        case PageMove:
            return &move;
        case PageFind:
            return &find;
        case PageRadar:
            return &radar;
        default:
            return nullptr;
    }
}

void BlendField(platform::Picture& target, int left, int top, const platform::Picture& field, int alpha)
{
    SDL_Surface* source = field.Surface();
    if (source == nullptr || target.Surface() == nullptr)
    {
        return;
    }
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(source, static_cast<Uint8>(alpha));
    SDL_Rect dest{left, top, field.Width(), field.Height()};
    SDL_BlitSurface(source, nullptr, target.Surface(), &dest);
    SDL_SetSurfaceAlphaMod(source, 255);
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
}

/// The picture of the first named class of a decade: the scenes show a destroyer.
int DestroyerSprite(const ClassTable& classes)
{
    for (int cls = 40; cls <= 49; ++cls)
    {
        if (!classes.Class(cls).Name.Str().empty())
        {
            return classes.Class(cls).Sprite;
        }
    }
    return 0;
}

} // namespace

const std::array<TutorialPage, TutorialPageCount>& TutorialPages()
{
    return Pages;
}

TFTUTOR::TFTUTOR(Game& game)
    : PC(this), pbPicture(this), lbHeading(this), lbText(this), lbPicture(this), btBACK(this), btNEXT(this),
      btCLOSE(this), game_(game)
{
    SetTitle(" TUTORIAL");
    Place(PC, 16, 12, ClientWidth - 32, 500);
    for (std::size_t i = 0; i < sheets.size(); ++i)
    {
        sheets[i] = std::make_unique<platform::TabSheet>(&PC);
        sheets[i]->caption = std::string(Pages[i].tab);
    }
    PC.onChange = [this] { ShowPage(PC.ActivePage()); };

    Place(pbPicture, 32, 52, PictureWidth, PictureHeight);
    pbPicture.onPaint = [this](platform::Canvas& c) { PaintPicture(c); };
    Place(lbHeading, 392, 52, 376, 30);
    lbHeading.font = Font{"ARIAL", 14, FontStyle::Bold, false, colours::Navy};
    lbHeading.transparent = true;
    Place(lbPicture, 32, 60 + PictureHeight, PictureWidth, 120);
    lbPicture.font = Font{"ARIAL", 10, FontStyle::Italic, false, colours::Black};
    lbPicture.transparent = true;
    lbPicture.wordWrap = true;
    Place(lbText, 392, 88, 376, 410);
    lbText.font = Font{"ARIAL", 11, FontStyle::Regular, false, colours::Black};
    lbText.transparent = true;
    lbText.wordWrap = true;

    const std::array<platform::Button*, 3> buttons = {&btBACK, &btNEXT, &btCLOSE};
    const std::array<const char*, 3> captions = {"BACK", "NEXT", "CLOSE"};
    for (std::size_t i = 0; i < buttons.size(); ++i)
    {
        Place(*buttons[i], 190 + static_cast<int>(i) * 150, 536, 120, 34);
        buttons[i]->caption = captions[i];
        buttons[i]->font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Black};
    }
    btBACK.onClick = [this] { btBACKClick(); };
    btNEXT.onClick = [this] { btNEXTClick(); };
    btCLOSE.onClick = [this] { btCLOSEClick(); };
    defaultButton = &btNEXT;
    cancelButton = &btCLOSE;
    onShow = [this] { FormShow(); };
}

TFTUTOR::~TFTUTOR() = default;

void TFTUTOR::FormShow()
{
    ShowPage(PageMain);
    btNEXT.SetFocus();
}

void TFTUTOR::btNEXTClick()
{
    if (Page() < PageVictory)
    {
        ShowPage(Page() + 1);
    }
}

void TFTUTOR::btBACKClick()
{
    if (Page() > PageMain)
    {
        ShowPage(Page() - 1);
    }
}

void TFTUTOR::btCLOSEClick()
{
    modalResult = platform::ResultOk;
    Close();
}

void TFTUTOR::ShowPage(int page)
{
    if (PC.ActivePage() != page)
    {
        PC.SetActivePage(page);
    }
    const TutorialPage& p = Pages[static_cast<std::size_t>(page)];
    lbHeading.caption = std::string(p.heading);
    lbText.caption = std::string(p.text);
    lbPicture.caption = std::string(p.picture);
    btBACK.enabled = page > PageMain;
    btNEXT.enabled = page < PageVictory;
    // Enter keeps stepping on; on the last page it closes.
    defaultButton = btNEXT.enabled ? &btNEXT : &btCLOSE;
    LoadPicture(page);
    platform::MarkDrawn();
}

void TFTUTOR::LoadPicture(int page)
{
    picture_ = platform::Picture();
    if (SceneOf(page) != nullptr)
    {
        ComposeScene(page);
        return;
    }
    const std::string folder = EditionPictureFolder(game_.state.EditionNumber);
    const std::array<const char*, TutorialPageCount> names = {"GOTOVUSA.JPG", "GOTOVitaly.JPG", "", "", "",
                                                              "HQ.BMP",       "POBusa.jpg"};
    picture_ = LoadGamePicture(game_.files, folder + "/" + names[static_cast<std::size_t>(page)]);
}

void TFTUTOR::ComposeScene(int page)
{
    if (!artLoaded_)
    {
        artLoaded_ = true;
        sea_ = LoadSheet(game_.files, art::SeaSheet);
        land_ = LoadSheet(game_.files, art::LandSheets[0]);
        tints_ = LoadSheet(game_.files, art::TintSheet);
        explosions_ = LoadSheet(game_.files, art::ExplosionSheet);
        playerSprites_ = LoadSpriteList(game_.files, false);
        enemySprites_ = LoadSpriteList(game_.files, true);
    }
    const Scene& scene = *SceneOf(page);
    picture_.SetSize(PictureWidth, PictureHeight, colours::Navy);
    platform::Canvas canvas(picture_);
    const int cell = art::CellSize;
    const int sprite = DestroyerSprite(game_.classes) * art::FacingCount;
    auto field = [&scene](int column, int row) {
        if (row < 0 || column < 0 || row >= static_cast<int>(scene.rows.size()) ||
            column >= static_cast<int>(scene.rows[static_cast<std::size_t>(row)].size()))
        {
            return '.';
        }
        return scene.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    };
    static constexpr int Dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr int Dy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    for (int row = 0; row < static_cast<int>(scene.rows.size()); ++row)
    {
        for (int column = 0; column < static_cast<int>(scene.rows[static_cast<std::size_t>(row)].size());
             ++column)
        {
            const char c = field(column, row);
            const int left = column * cell;
            const int top = row * cell;
            int around = 0;
            for (int k = 0; k < 8; ++k)
            {
                around |= field(column + Dx[k], row + Dy[k]) == '#' ? 1 << k : 0;
            }
            const art::CellLayers layers = art::LandLayers(c == '#', around, column + 30, row + 40, true);
            DrawFrame(canvas, left, top, c == '#' ? land_ : sea_,
                      c == '#' ? layers.ground : art::SeaVariant(column + 30, row + 40));
            for (int k = 0; k < layers.overlayCount; ++k)
            {
                DrawFrame(canvas, left, top, land_, layers.overlays[static_cast<std::size_t>(k)]);
            }
            const int tint = c == 'r' ? art::ReachTintFrame : c == 'c' ? 0 : -1;
            if (tint >= 0 && tint < tints_.Count())
            {
                BlendField(picture_, left, top, tints_[tint], art::TintAlpha[static_cast<std::size_t>(tint)]);
            }
            if (c == 'P' || c == 'G')
            {
                DrawFrame(canvas, left, top, playerSprites_, sprite + 2);
            }
            else if (c == 'E' || c == 'X')
            {
                DrawFrame(canvas, left, top, enemySprites_, sprite + 6);
            }
            if (c == 'X')
            {
                DrawFrame(canvas, left, top, explosions_, 2);
            }
            if (c == 'P')
            {
                // The chosen unit's marker, as the map draws it.
                canvas.brush = platform::Brush{colours::Navy, platform::BrushStyle::Solid};
                canvas.FillRect(platform::Rect{left, top, 6, 6});
                canvas.brush.colour = colours::Yellow;
                canvas.FrameRect(platform::Rect{left, top, 6, 6});
            }
        }
    }
    canvas.pen = platform::Pen{colours::Yellow, 2, platform::PenMode::Copy};
    if (scene.arrowFrom.x >= 0)
    {
        const int x1 = scene.arrowFrom.x * cell + cell / 2;
        const int y1 = scene.arrowFrom.y * cell + cell / 2;
        const int x2 = scene.arrowTo.x * cell + cell / 2;
        const int y2 = scene.arrowTo.y * cell + cell / 2;
        canvas.Line(x1, y1, x2, y2);
        canvas.brush = platform::Brush{colours::Yellow, platform::BrushStyle::Solid};
        canvas.FrameRect(platform::Rect{x2 - 8, y2 - 8, 16, 16});
    }
    if (scene.band.width > 0)
    {
        canvas.brush = platform::Brush{colours::Yellow, platform::BrushStyle::Solid};
        const platform::Rect band{scene.band.x * cell + 1, scene.band.y * cell + 1,
                                  scene.band.width * cell - 2, scene.band.height * cell - 2};
        canvas.FrameRect(band);
        canvas.FrameRect(platform::Rect{band.x + 1, band.y + 1, band.width - 2, band.height - 2});
    }
    if (scene.circle > 0)
    {
        for (int row = 0; row < static_cast<int>(scene.rows.size()); ++row)
        {
            const auto at = scene.rows[static_cast<std::size_t>(row)].find('P');
            if (at == std::string_view::npos)
            {
                continue;
            }
            const int r = scene.circle * cell;
            const int left = static_cast<int>(at) * cell;
            const int top = row * cell;
            canvas.pen = platform::Pen{colours::Black, 1, platform::PenMode::Copy};
            canvas.brush = platform::Brush{colours::Black, platform::BrushStyle::Clear};
            canvas.Ellipse(platform::Rect{left - r, top - r, cell + 2 * r, cell + 2 * r});
        }
    }
}

void TFTUTOR::PaintPicture(platform::Canvas& canvas)
{
    const platform::Rect whole{0, 0, PictureWidth, PictureHeight};
    if (picture_.Empty())
    {
        canvas.brush = platform::Brush{colours::Navy, platform::BrushStyle::Solid};
        canvas.FillRect(whole);
        return;
    }
    canvas.StretchDraw(whole, picture_);
}

} // namespace olvane
