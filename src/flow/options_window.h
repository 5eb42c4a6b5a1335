#pragma once

#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picture.h"
#include "state/settings.h"

#include <array>
#include <functional>
#include <string>

namespace olvane
{

class DataFiles;

/// The options window: how the map draws its sea and land fields, which land pictures it uses,
/// how fast the computer's turn plays and whether the game fills the screen. Every choice takes
/// effect at once and is kept; OK closes the window.
class TF_OPT : public platform::Form
{
public:
    static constexpr int ClientWidth = 600;
    static constexpr int ClientHeight = 470;
    static constexpr int TitleHeight = 22;

    TF_OPT(Settings& settings, const DataFiles& files);

    /// Runs after every choice, with the settings already changed.
    std::function<void()> onChange;
    /// The player ticked or unticked FULL SCREEN (after onChange).
    std::function<void(bool fullScreen)> onFullScreenChange;
    /// The land picture set suffix of the scenario being played ("" when none), for the sample.
    std::function<std::string()> scenarioLandSuffix;

    /// Marks the settings' choices.
    void FormShow();

    void rbSEA0Click() { SetSea(false); }

    void RBsea1Click() { SetSea(true); }

    void rbLAND0Click() { SetLand(false); }

    void RBland1Click() { SetLand(true); }

    /// RadioButton0..RadioButton6 choose set 0..6, RadioButton7 the scenario's own.
    void LandSetClick(int set);
    void SpeedClick(EnemyPhaseSpeed speed);
    void cbFULLClick();
    void btOKClick();

    /// The land picture set suffix the sample shows.
    std::string SampleSuffix() const;

    platform::Label titleBar;
    platform::Label lbSea;
    platform::Panel PanelSea;
    platform::RadioButton rbSEA0;
    platform::RadioButton RBsea1;
    platform::Panel PanelLand;
    platform::RadioButton rbLAND0;
    platform::RadioButton RBland1;
    platform::Label lbSet;
    platform::Panel PanelSet;
    platform::RadioButton RadioButton0;
    platform::RadioButton RadioButton1;
    platform::RadioButton RadioButton2;
    platform::RadioButton RadioButton3;
    platform::RadioButton RadioButton4;
    platform::RadioButton RadioButton5;
    platform::RadioButton RadioButton6;
    platform::RadioButton RadioButton7;
    platform::Label lbSample;
    platform::PaintBox pbSample;
    platform::Label lbSpeed;
    platform::Panel PanelSpeed;
    platform::RadioButton rbNORMAL;
    platform::RadioButton rbFAST;
    platform::RadioButton rbFASTER;
    platform::RadioButton rbINSTANT;
    platform::CheckBox cbFULL;
    platform::Button btOK;

private:
    void SetSea(bool vary);
    void SetLand(bool vary);
    void Changed();
    void PaintSample(platform::Canvas& canvas);
    std::array<platform::RadioButton*, LandSetCount + 1> SetButtons();
    std::array<platform::RadioButton*, 4> SpeedButtons();

    Settings& settings_;
    const DataFiles& files_;
    platform::PictureList sea_;
    std::array<platform::PictureList, LandSetCount> land_;
    std::array<bool, LandSetCount> landLoaded_{};
    bool seaLoaded_ = false;
};

} // namespace olvane
