#include "state/score_submission.h"

#include "state/records.h"
#include "state/score_table.h"

#include <system_error>

namespace olvane
{

std::string PlainField(std::string_view typed)
{
    std::string plain;
    for (const char ch : typed)
    {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte != 0x7F)
        {
            plain += ch;
        }
    }
    return plain;
}

std::string SubmissionBody(const ScoreSubmission& form)
{
    std::string body =
        "NICK NAME:" + PlainField(form.NickName) + " EMAIL:" + PlainField(form.Email) + " Score included:";
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
    body += " c1:" + PlainField(form.Comments[0]) + " c2:" + PlainField(form.Comments[1]) +
            " c3:" + PlainField(form.Comments[2]);
    return body;
}

SubmissionMail BuildSubmissionMail(const DataFiles& files, const ScoreSubmission& form,
                                   std::string_view address)
{
    SubmissionMail mail{PlainField(address), std::string(ScoreSubmissionSubject), SubmissionBody(form), {}};
    for (int mode = ModeDeathMatch; mode <= ModeCampaign; ++mode)
    {
        // The mail program runs from a folder of its own, so it is handed whole paths.
        std::error_code ignored;
        mail.Attachments.push_back(std::filesystem::absolute(ScoreTablePath(files, mode), ignored));
    }
    return mail;
}

SubmissionMail PrepareSubmission(const DataFiles& files, const ScoreSubmission& form,
                                 std::string_view address)
{
    for (int mode = ModeDeathMatch; mode <= ModeCampaign; ++mode)
    {
        if (!std::filesystem::exists(ScoreTablePath(files, mode)))
        {
            ClearScoreTable(files, mode);
        }
    }
    return BuildSubmissionMail(files, form, address);
}

} // namespace olvane
