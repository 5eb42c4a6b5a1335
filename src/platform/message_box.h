#pragma once

#include <string>
#include <string_view>

namespace olvane::platform
{

enum class MessageButtons : std::uint8_t
{
    Ok,
    YesNo,
};

/// A plain modal message box over the current screen, with the game's text; returns ResultOk,
/// ResultYes or ResultNo. Enter presses the first button; Escape answers No.
int ShowMessageBox(std::string_view text, MessageButtons buttons = MessageButtons::Ok, std::string_view title = "");

/// A message with an OK button.
void ShowMessage(std::string_view text);

/// A Yes/No question; true for Yes.
bool AskYesNo(std::string_view text);

} // namespace olvane::platform
