#include "flow/options_window.h"

#include "flow/flow_art.h"
#include "platform/application.h"
#include "platform/canvas.h"

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
namespace colours = platform::colours;

constexpr platform::Colour WindowColour = platform::Rgb(18, 30, 58);
constexpr platform::Colour GroupColour = platform::Rgb(30, 48, 88);
constexpr int RowPitch = 22;

// The sample: a small island six fields wide, drawn as the map would draw it.
constexpr int SampleColumns = 6;
constexpr int SampleRows = 3;
constexpr std::array<std::array<bool, SampleColumns>, SampleRows> SampleLand = {{
    {false, true, true, false, false, false},
    {true, true, true, true, false, false},
    {false, true, true, true, false, true},
}};
// Where the sample lies on an imagined map, so its fields vary as a map's would.
constexpr int SampleOriginX = 21;
constexpr int SampleOriginY = 13;

bool SampleIsLand(int column, int row)
{
    if (column < 0 || row < 0 || column >= SampleColumns || row >= SampleRows)
    {
        return false;
    }
    return SampleLand[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void StyleGroup(platform::Panel& panel)
{
    panel.colour = GroupColour;
    panel.bevel = platform::Bevel::Lowered;
}

void StyleHeading(platform::Label& label, std::string_view caption)
{
    label.caption = std::string(caption);
    label.transparent = true;
    label.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Yellow};
}

void StyleChoice(platform::Control& choice, std::string_view caption, int row)
{
    choice.caption = std::string(caption);
    choice.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};
    choice.SetBounds(12, 8 + row * RowPitch, 240, 18);
}

} // namespace

TF_OPT::TF_OPT(Settings& settings, const DataFiles& files)
    : titleBar(this), lbSea(this), PanelSea(this), rbSEA0(&PanelSea), RBsea1(&PanelSea), PanelLand(this),
      rbLAND0(&PanelLand), RBland1(&PanelLand), lbSet(this), PanelSet(this), RadioButton0(&PanelSet),
      RadioButton1(&PanelSet), RadioButton2(&PanelSet), RadioButton3(&PanelSet), RadioButton4(&PanelSet),
      RadioButton5(&PanelSet), RadioButton6(&PanelSet), RadioButton7(&PanelSet), lbSample(this),
      pbSample(this), lbSpeed(this), PanelSpeed(this), rbNORMAL(&PanelSpeed), rbFAST(&PanelSpeed),
      rbFASTER(&PanelSpeed), rbINSTANT(&PanelSpeed), cbFULL(this), btOK(this), settings_(settings),
      files_(files)
{
    colour = WindowColour;
    MakeCentred(ClientWidth, ClientHeight + TitleHeight);
    titleBar.SetBounds(0, 0, ClientWidth, TitleHeight);
    titleBar.colour = colours::Highlight;
    titleBar.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};
    titleBar.caption = " OPTIONS";

    const int top = TitleHeight;
    lbSea.SetBounds(16, top + 12, 274, 20);
    StyleHeading(lbSea, "Sea Map Fields");
    PanelSea.SetBounds(16, top + 34, 274, 56);
    StyleGroup(PanelSea);
    StyleChoice(rbSEA0, "SEA: ONE PICTURE", 0);
    StyleChoice(RBsea1, "SEA: VARIED PICTURES", 1);
    rbSEA0.onClick = [this] { rbSEA0Click(); };
    RBsea1.onClick = [this] { RBsea1Click(); };
    PanelLand.SetBounds(16, top + 98, 274, 56);
    StyleGroup(PanelLand);
    StyleChoice(rbLAND0, "LAND: ONE PICTURE", 0);
    StyleChoice(RBland1, "LAND: VARIED PICTURES", 1);
    rbLAND0.onClick = [this] { rbLAND0Click(); };
    RBland1.onClick = [this] { RBland1Click(); };

    lbSpeed.SetBounds(16, top + 172, 274, 20);
    StyleHeading(lbSpeed, "Enemy Phase");
    PanelSpeed.SetBounds(16, top + 194, 274, 100);
    StyleGroup(PanelSpeed);
    const std::array<const char*, 4> speedCaptions = {"NORMAL", "FAST (X2)", "FASTER (X4)",
                                                      "INSTANT (NO PAUSES)"};
    const auto speeds = SpeedButtons();
    for (std::size_t i = 0; i < speeds.size(); ++i)
    {
        StyleChoice(*speeds[i], speedCaptions[i], static_cast<int>(i));
        const auto speed = static_cast<EnemyPhaseSpeed>(i);
        speeds[i]->onClick = [this, speed] { SpeedClick(speed); };
    }

    cbFULL.SetBounds(20, top + 308, 200, 20);
    cbFULL.caption = "FULL SCREEN";
    cbFULL.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};
    cbFULL.onClick = [this] { cbFULLClick(); };

    lbSet.SetBounds(306, top + 12, 278, 20);
    StyleHeading(lbSet, "Land Pictures");
    PanelSet.SetBounds(306, top + 34, 278, 190);
    StyleGroup(PanelSet);
    const std::array<const char*, LandSetCount + 1> setCaptions = {
        "DEFAULT",          "SNOW",   "ROCKS",  "TROPICAL FOREST",
        "DECIDUOUS FOREST", "STEPPE", "STONES", "THE SCENARIO'S OWN SET"};
    const auto sets = SetButtons();
    for (std::size_t i = 0; i < sets.size(); ++i)
    {
        StyleChoice(*sets[i], setCaptions[i], static_cast<int>(i));
        const int set = i < LandSetCount ? static_cast<int>(i) : ScenarioLandSet;
        sets[i]->onClick = [this, set] { LandSetClick(set); };
    }

    lbSample.SetBounds(306, top + 234, 278, 20);
    StyleHeading(lbSample, "Sample");
    pbSample.SetBounds(319, top + 256, SampleColumns * art::CellSize, SampleRows * art::CellSize);
    pbSample.onPaint = [this](platform::Canvas& c) { PaintSample(c); };

    btOK.SetBounds(ClientWidth / 2 - 60, top + ClientHeight - 50, 120, 32);
    btOK.caption = "OK";
    btOK.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Black};
    btOK.onClick = [this] { btOKClick(); };
    defaultButton = &btOK;
    cancelButton = &btOK;

    onShow = [this] { FormShow(); };
}

std::array<platform::RadioButton*, LandSetCount + 1> TF_OPT::SetButtons()
{
    return {&RadioButton0, &RadioButton1, &RadioButton2, &RadioButton3,
            &RadioButton4, &RadioButton5, &RadioButton6, &RadioButton7};
}

std::array<platform::RadioButton*, 4> TF_OPT::SpeedButtons()
{
    return {&rbNORMAL, &rbFAST, &rbFASTER, &rbINSTANT};
}

void TF_OPT::FormShow()
{
    (settings_.seaVariation ? RBsea1 : rbSEA0).SetChecked(true);
    (settings_.landVariation ? RBland1 : rbLAND0).SetChecked(true);
    const int set =
        settings_.landSet >= 0 && settings_.landSet < LandSetCount ? settings_.landSet : LandSetCount;
    SetButtons()[static_cast<std::size_t>(set)]->SetChecked(true);
    SpeedButtons()[static_cast<std::size_t>(settings_.enemyPhaseSpeed)]->SetChecked(true);
    cbFULL.checked = settings_.fullScreen;
    btOK.SetFocus();
}

void TF_OPT::SetSea(bool vary)
{
    settings_.seaVariation = vary;
    Changed();
}

void TF_OPT::SetLand(bool vary)
{
    settings_.landVariation = vary;
    Changed();
}

void TF_OPT::LandSetClick(int set)
{
    settings_.landSet = set;
    Changed();
}

void TF_OPT::SpeedClick(EnemyPhaseSpeed speed)
{
    settings_.enemyPhaseSpeed = speed;
    Changed();
}

void TF_OPT::cbFULLClick()
{
    settings_.fullScreen = cbFULL.checked;
    Changed();
    if (onFullScreenChange)
    {
        onFullScreenChange(settings_.fullScreen);
    }
}

void TF_OPT::btOKClick()
{
    modalResult = platform::ResultOk;
    Close();
}

void TF_OPT::Changed()
{
    if (onChange)
    {
        onChange();
    }
    platform::MarkDrawn();
}

std::string TF_OPT::SampleSuffix() const
{
    return LandSuffixFor(settings_.landSet, scenarioLandSuffix ? scenarioLandSuffix() : std::string());
}

void TF_OPT::PaintSample(platform::Canvas& canvas)
{
    if (!seaLoaded_)
    {
        sea_ = LoadSheet(files_, art::SeaSheet);
        seaLoaded_ = true;
    }
    const std::string suffix = SampleSuffix();
    const std::size_t set = suffix.empty() ? 0 : static_cast<std::size_t>(suffix[0] - '0');
    if (!landLoaded_[set])
    {
        land_[set] = LoadSheet(files_, art::LandSheets[set]);
        landLoaded_[set] = true;
    }
    const platform::PictureList& land = land_[set];
    static constexpr int Dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr int Dy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    for (int row = 0; row < SampleRows; ++row)
    {
        for (int column = 0; column < SampleColumns; ++column)
        {
            const int left = column * art::CellSize;
            const int top = row * art::CellSize;
            const int x = SampleOriginX + column;
            const int y = SampleOriginY + row;
            int around = 0;
            for (int k = 0; k < 8; ++k)
            {
                around |= SampleIsLand(column + Dx[k], row + Dy[k]) ? 1 << k : 0;
            }
            const bool isLand = SampleIsLand(column, row);
            const art::CellLayers layers = art::LandLayers(isLand, around, x, y, settings_.landVariation);
            const int seaFrame = settings_.seaVariation ? art::SeaVariant(x, y) : art::CalmSeaVariant;
            if (isLand)
            {
                DrawFrame(canvas, left, top, land, layers.ground);
            }
            else if (seaFrame < sea_.Count())
            {
                DrawFrame(canvas, left, top, sea_, seaFrame);
            }
            else
            {
                canvas.brush = platform::Brush{colours::Navy, platform::BrushStyle::Solid};
                canvas.FillRect(platform::Rect{left, top, art::CellSize, art::CellSize});
            }
            for (int k = 0; k < layers.overlayCount; ++k)
            {
                DrawFrame(canvas, left, top, land, layers.overlays[static_cast<std::size_t>(k)]);
            }
        }
    }
}

} // namespace olvane
