#pragma once

#include "flow/flow_window.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "state/game.h"
#include "state/level_file.h"

#include <array>
#include <vector>

namespace olvane
{

/// One picture of the difficulty screen's panels, where the level layout puts it.
struct LevelPicture
{
    enum class Kind
    {
        Unit,  ///< sprite frame `frame` of the player's list
        Label, ///< label picture `frame`, or an empty frame when `frame` is EmptyLabel
    };
    Kind kind = Kind::Unit;
    int x = 0;
    int y = 0;
    int frame = 0;
};

constexpr int EmptyLabel = 10;

/// The pictures the layout's lines give, in client pixels below the panels' top edge `top`. Lines
/// that name no panel 1..3, a class without a picture, a label picture other than 0..7 and 10,
/// or a place outside the window are left out. A cruiser, battleship or carrier brings its stern
/// one cell lower.
std::vector<LevelPicture> LevelPictures(const LevelLayout& layout, const ClassTable& classes, int top);

/// The difficulty screen (origin 0): three panels of the player's and the enemy's fleets and the
/// ranks CADET, CAPTAIN and ADMIRAL. The same window shows a campaign's side text (origin 1).
class TF130_TEKST : public FlowWindow
{
public:
    static constexpr int OriginDifficulty = 0;
    static constexpr int OriginSideText = 1;
    static constexpr int PanelTop = 150;
    static constexpr std::array<int, 3> PanelLeft = {23, 271, 521};
    static constexpr int PanelWidth = 240;
    static constexpr int PanelHeight = 160;

    explicit TF130_TEKST(Game& game);

    /// Sets what the window shows next time it opens.
    void SetOrigin(int origin) { origin_ = origin; }

    int Origin() const { return origin_; }

    /// Loads the pictures and the level layout once, ahead of the first opening.
    void Preload() { LoadArt(); }

    void FormShow();
    void FormPaint(platform::Canvas& canvas);
    void SBtCADClick();
    void SBtCAPClick();
    void SBtADMClick();
    void Button1Click();

    platform::Label lbTitle;
    platform::SpeedButton SBtCAD;
    platform::SpeedButton SBtCAP;
    platform::SpeedButton SBtADM;
    platform::Label Memo1;
    platform::Button Button1;

private:
    void ShowRank();
    void LoadArt();

    Game& game_;
    int origin_ = OriginDifficulty;
    bool artLoaded_ = false;
    platform::Picture background_;
    platform::Picture sideBackground_;
    std::array<platform::Picture, 3> panels_;
    platform::PictureList sprites_;
    platform::PictureList labels_;
    std::vector<LevelPicture> pictures_;
};

} // namespace olvane
