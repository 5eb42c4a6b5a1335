#pragma once

#include "flow/flow_window.h"
#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/edit_box.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "state/score_submission.h"

#include <functional>
#include <string>

namespace olvane
{

class DataFiles;

/// The score submission window: the player's nick-name, a contact address, which tables the mail
/// speaks of and three lines of comment; SEND hands the mail with the three score tables attached
/// to the user's mail program.
class TFSUBMIT : public FlowWindow
{
public:
    TFSUBMIT(const DataFiles& files, int edition);

    void btSENDClick();
    void btCANCELClick();
    void btBACKClick();

    /// What the fields hold now.
    ScoreSubmission Form() const;

    /// The address the tables go to, from the player's settings; empty leaves the mail's "To" for
    /// the player to fill.
    std::function<std::string()> submissionAddress;
    /// Hands the mail to the mail program; false when it could not be started.
    std::function<bool(const SubmissionMail&)> sendMail;

    platform::Label lbINFO;
    platform::Label lbNAME;
    platform::EditBox edNAME;
    platform::Label lbMAIL;
    platform::EditBox edMAIL;
    platform::CheckBox CB1;
    platform::CheckBox CB2;
    platform::CheckBox CB3;
    platform::Label lbCOMMENT;
    platform::EditBox ED1;
    platform::EditBox ED2;
    platform::EditBox ED3;
    platform::Button btSEND;
    platform::Button btCANCEL;
    platform::Button btBACK;

private:
    void FormPaint(platform::Canvas& canvas);

    const DataFiles& files_;
    int edition_;
    platform::Picture background_;
    bool backgroundLoaded_ = false;
};

} // namespace olvane
