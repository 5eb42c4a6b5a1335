#pragma once

#include "flow/flow_window.h"
#include "platform/button.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picture.h"
#include "state/game.h"

#include <array>
#include <memory>
#include <string_view>

namespace olvane
{

/// One page of the tutorial: its tab, heading and text.
struct TutorialPage
{
    std::string_view tab;
    std::string_view heading;
    std::string_view text;
    /// What the page's picture shows.
    std::string_view picture;
};

constexpr int TutorialPageCount = 7;

/// The pages in reading order: main, map, move, find enemy, radar, game turn, victory.
const std::array<TutorialPage, TutorialPageCount>& TutorialPages();

/// The tutorial: seven pages, each a picture of the game and a short text that teaches a new
/// player to select, move and group-move, find the enemy and fire, and what wins a mission.
/// NEXT and BACK step through the pages, CLOSE ends it.
class TFTUTOR : public FlowWindow
{
public:
    static constexpr int PictureWidth = 8 * 42;
    static constexpr int PictureHeight = 6 * 42;

    explicit TFTUTOR(Game& game);
    ~TFTUTOR() override;

    int Page() const { return PC.ActivePage(); }

    void FormShow();
    void btNEXTClick();
    void btBACKClick();
    void btCLOSEClick();
    /// Shows a page with its picture and sets NEXT and BACK for it.
    void ShowPage(int page);

    platform::PageControl PC;
    std::array<std::unique_ptr<platform::TabSheet>, TutorialPageCount> sheets;
    platform::PaintBox pbPicture;
    platform::Label lbHeading;
    platform::Label lbText;
    platform::Label lbPicture;
    platform::Button btBACK;
    platform::Button btNEXT;
    platform::Button btCLOSE;

private:
    void LoadPicture(int page);
    void PaintPicture(platform::Canvas& canvas);
    /// A small map scene drawn with the game's own fields and ships.
    void ComposeScene(int page);

    Game& game_;
    platform::Picture picture_;
    bool artLoaded_ = false;
    platform::PictureList sea_;
    platform::PictureList land_;
    platform::PictureList tints_;
    platform::PictureList explosions_;
    platform::PictureList playerSprites_;
    platform::PictureList enemySprites_;
};

} // namespace olvane
