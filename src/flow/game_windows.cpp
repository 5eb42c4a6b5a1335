#include "flow/game_windows.h"

#include "platform/application.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "state/mission_texts.h"
#include "turn/end_of_game.h"
#include "turn/game_flow.h"

namespace olvane
{

namespace
{

/// How often a pending end of a mission looks whether play is back at the top level.
constexpr int EndOfGameRetry = 20;

} // namespace

GameWindows::GameWindows(Random& random, DataFiles& files, Clock& clock, int edition)
    : menu(files, edition), opening(files, edition), mainWindow(random, files, clock), selection(GameData()),
      briefing(GameData()), endOfGame(GameData()), fleet(GameData()), hq(GameData()), scores(GameData()),
      textWindow(GameData()), submission(files, edition), missionPicture(GameData()), technology(GameData()),
      curtain(files), endOfGameTimer_(EndOfGameRetry)
{
    GameData().state.EditionNumber = static_cast<std::uint8_t>(edition);
    menu.Attach(GameData());
    WireHeadquarters();
    menu.onFirstActivation = [this] { opening.ShowModal(); };
    menu.onNewGame = [this] { NewGameChain(); };
    menu.onGameLoaded = [this] {
        mainWindow.loadRestart = true;
        OpenBriefing();
    };
    menu.onShowMessage = [this](int code) { ShowMessage(code); };
    menu.onOpenPage = [](const std::filesystem::path& page) -> std::optional<std::string> {
        const platform::ShellResult result = platform::OpenPage(page.string());
        return result.started ? std::nullopt : std::optional<std::string>(result.error);
    };
    // Leaving the main game window, at the end of a game or to the menu, brings the menu back.
    mainWindow.onHide = [this] { ReturnToMenu(); };
    mainWindow.onEndOfGame = [this] { endOfGameTimer_.SetEnabled(true); };
    endOfGameTimer_.onTimer = [this] { RunPendingEndOfGame(); };
    menu.onOpenScores = [this] { scores.ShowModal(); };
    endOfGame.onOpenScores = [this] { scores.ShowModal(); };
    scores.onOpenSubmission = [this] { submission.ShowModal(); };
    // The address of the player's settings; without one the mail's "To" is left to the player.
    submission.submissionAddress = [this] { return settings.submissionAddress; };
    submission.sendMail = [](const SubmissionMail& mail) {
        return platform::SendMail(platform::MailMessage{mail.To, mail.Subject, mail.Body, mail.Attachments})
            .started;
    };
    WireOptions();
    opening.loadSteps = {
        [this] { textWindow.Preload(); },
        [this] { selection.Preload(); },
        [this] { curtain.Preload(); },
    };
}

bool GameWindows::Terminated() const
{
    return platform::Application::Instance().Terminated();
}

void GameWindows::ShowMessage(int code)
{
    if (onShowMessage)
    {
        onShowMessage(code);
        return;
    }
    const MessageLines lines = MessageTexts(GameData().state, GameData().classes, code);
    std::string text = lines.title;
    for (const std::string& line : lines.lines)
    {
        if (!line.empty())
        {
            text += "\n" + line;
        }
    }
    platform::ShowMessage(text);
}

void GameWindows::NewGameChain()
{
    GameState& state = GameData().state;
    mainWindow.sbtSTR.caption = "STR";
    curtain.Show();
    textWindow.SetOrigin(TF130_TEKST::OriginDifficulty);
    const int difficulty = textWindow.ShowModal();
    if (Terminated())
    {
        return;
    }
    if (difficulty != platform::ResultOk)
    {
        BackToMenu(state);
        ReturnToMenu();
        return;
    }
    selection.RebuildList();
    const int choice = selection.ShowModal();
    if (Terminated())
    {
        return;
    }
    if (choice != TF04_SIDE::ResultStart)
    {
        BackToMenu(state);
        ReturnToMenu();
        return;
    }
    if (state.GameMode == ModeCampaign)
    {
        textWindow.SetOrigin(TF130_TEKST::OriginSideText);
        textWindow.ShowModal();
        if (Terminated())
        {
            return;
        }
    }
    OpenBriefing();
}

void GameWindows::OpenBriefing()
{
    briefing.ShowModal();
    if (Terminated())
    {
        return;
    }
    if (briefing.Failed())
    {
        mainWindow.loadRestart = false;
        ReturnToMenu();
        return;
    }
    const BriefingExit exit = briefing.Exit();
    if (exit.showPicture)
    {
        missionPicture.ShowModal();
        if (Terminated())
        {
            return;
        }
    }
    if (exit.showMainWindow)
    {
        ShowMainWindow();
    }
}

void GameWindows::ShowMainWindow()
{
    mainWindow.Show();
}

void GameWindows::RunPendingEndOfGame()
{
    // A window the ending command came from (the headquarters) may still be open; the end of the
    // game waits until play is back at the top level.
    if (platform::Application::Instance().InModalLoop())
    {
        return;
    }
    endOfGameTimer_.SetEnabled(false);
    ShowEndOfGame();
}

void GameWindows::ShowEndOfGame()
{
    endOfGame.ShowModal();
    if (Terminated())
    {
        return;
    }
    if (endProgramAfterGame)
    {
        platform::Application::Instance().Terminate();
        return;
    }
    if (FinishGame(GameData()) == FinishNext::Menu)
    {
        ReturnToMenu();
        return;
    }
    // The next campaign mission: its name with message 55, then its briefing over the curtain.
    curtain.Show();
    ShowMessage(NextMissionMessage);
    if (Terminated())
    {
        return;
    }
    OpenBriefing();
}

void GameWindows::ReturnToMenu()
{
    GameData().state.Flow.Curtain = 0;
    curtain.Hide();
}

} // namespace olvane
