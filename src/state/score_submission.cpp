#include "state/score_submission.h"

#include "state/records.h"
#include "state/score_table.h"

namespace olvane
{

std::string SubmissionBody(const ScoreSubmission& form)
{
    std::string body = "NICK NAME:" + form.NickName + " EMAIL:" + form.Email + " Score included:";
    if (form.Mission)
    {
        body += "MISSION ";
    }
    if (form.DeathMatch)
    {
        body += "DEATH-M ";
    }
    if (form.Campaign)
    {
        body += "CAMPAIGN ";
    }
    body += " c1:" + form.Comments[0] + " c2:" + form.Comments[1] + " c3:" + form.Comments[2];
    return body;
}

SubmissionMail BuildSubmissionMail(const DataFiles& files, const ScoreSubmission& form)
{
    SubmissionMail mail{
        std::string(ScoreSubmissionAddress), std::string(ScoreSubmissionSubject), SubmissionBody(form), {}};
    for (int mode = ModeDeathMatch; mode <= ModeCampaign; ++mode)
    {
        mail.Attachments.push_back(ScoreTablePath(files, mode));
    }
    return mail;
}

} // namespace olvane
