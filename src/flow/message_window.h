#pragma once

#include "platform/button.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "state/game.h"

#include <array>
#include <functional>

namespace olvane
{

/// The message window: every short message of the game by its code, the mission status with its
/// SAVE GAME button among them. A click anywhere or any key closes it.
class TF70_PORUKA : public platform::Form
{
public:
    static constexpr int ClientWidth = 520;
    static constexpr int ClientHeight = 340;

    TF70_PORUKA(Game& game, const DataFiles& files);

    /// Puts the code into the shared message code and shows the window modally until closed.
    void ShowCode(int code);

    /// Opens the about message's web address (its third line); the main window's repaint after
    /// the window closes.
    std::function<void(const std::string&)> openPage;
    std::function<void()> onClosed;

    /// Fills the labels and picks the pictures for the shared message code (on activation).
    void FormActivate();

    void BTsaveClick();

    // The labels: title line, four lines, the objective and its heading, and the save button.
    platform::Label LB1;
    platform::Label LB2;
    platform::Label LB3;
    platform::Label LB4;
    platform::Label lb5;
    platform::Label lbObjective;
    platform::Label lb0;
    platform::Button BTsave;

private:
    void Paint(platform::Canvas& canvas) override;
    void CloseMessage();
    const platform::Picture& Background() const;

    Game& game_;
    const DataFiles& files_;
    platform::Picture air_;
    platform::Picture captured_;
    platform::Picture lost_;
    platform::Picture plain_;
    platform::PictureList flags_;
};

} // namespace olvane
