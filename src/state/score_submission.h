#pragma once

#include "state/data_files.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

/// The mail's subject. The address the tables go to is the player's setting; without one the
/// mail program opens with an empty recipient for the player to fill.
constexpr std::string_view ScoreSubmissionSubject = "OLVANE Score Submission";
constexpr std::string_view SubmissionErrorText = "Error while trying to send email";

/// What the player filled in on the score submission window.
struct ScoreSubmission
{
    std::string NickName;
    std::string Email;
    /// The three ticks: the mission, death-match and campaign tables.
    bool Mission = true;
    bool DeathMatch = true;
    bool Campaign = true;
    std::array<std::string, 3> Comments;
};

/// A typed field as it may reach the mail program's command line: control characters and line
/// breaks are dropped, everything else is kept as typed.
std::string PlainField(std::string_view typed);

/// The mail's body: the nick-name, the e-mail, the tables ticked and the three comments. The
/// ticks only change this text; every table is attached.
std::string SubmissionBody(const ScoreSubmission& form);

/// The mail the player's mail program is handed: the three score tables of the user's folder
/// always attached.
struct SubmissionMail
{
    std::string To;
    std::string Subject;
    std::string Body;
    std::vector<std::filesystem::path> Attachments;
};

SubmissionMail BuildSubmissionMail(const DataFiles& files, const ScoreSubmission& form,
                                   std::string_view address);

/// SEND: the mail of the form with the three tables attached, each written as fifteen empty
/// places first when the player has none yet, so the mail program always finds its files.
SubmissionMail PrepareSubmission(const DataFiles& files, const ScoreSubmission& form,
                                 std::string_view address);

} // namespace olvane
