#pragma once

#include "state/data_files.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

/// Where submitted score tables go to be reviewed, and the mail's subject.
constexpr std::string_view ScoreSubmissionAddress = "scores@olvane.example.org";
constexpr std::string_view ScoreSubmissionSubject = "OLVANE Score Submission";

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

SubmissionMail BuildSubmissionMail(const DataFiles& files, const ScoreSubmission& form);

} // namespace olvane
