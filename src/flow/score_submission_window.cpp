#include "flow/score_submission_window.h"

#include "flow/flow_art.h"
#include "platform/canvas.h"
#include "platform/message_box.h"
#include "state/data_files.h"

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
using platform::Rect;
namespace colours = platform::colours;

constexpr platform::Colour PanelColour = 0x101C28;
constexpr Rect Panel{100, 36, 600, 510};
constexpr int Left = 124;
constexpr int FieldWidth = 552;

void Caption(platform::Label& label, std::string_view text, int size, platform::Colour colour)
{
    label.caption = std::string(text);
    label.transparent = true;
    label.font = Font{"ARIAL", size, FontStyle::Bold, false, colour};
}

void Field(platform::EditBox& box, int maxLength)
{
    box.colour = colours::White;
    box.font = Font{"ARIAL", 11, FontStyle::Regular, false, colours::Black};
    box.maxLength = maxLength;
}

} // namespace

TFSUBMIT::TFSUBMIT(const DataFiles& files, int edition)
    : lbINFO(this), lbNAME(this), edNAME(this), lbMAIL(this), edMAIL(this), CB1(this), CB2(this), CB3(this),
      lbCOMMENT(this), ED1(this), ED2(this), ED3(this), btSEND(this), btCANCEL(this), btBACK(this),
      files_(files), edition_(edition)
{
    SetTitle(" SCORE SUBMISSION");
    visible = false;

    Place(lbINFO, Left, 46, FieldWidth, 56);
    Caption(lbINFO,
            "Send your score tables to be reviewed and published among the best players' scores. "
            "Your mail program opens with the message and the three tables attached; send it from there.",
            10, colours::White);
    lbINFO.wordWrap = true;

    Place(lbNAME, Left, 112, FieldWidth, 20);
    Caption(lbNAME, "Enter your nick-name", 11, colours::Yellow);
    Place(edNAME, Left, 134, 360, 26);
    Field(edNAME, 30);
    Place(lbMAIL, Left, 172, FieldWidth, 20);
    Caption(lbMAIL, "Enter your contact e-mail (optional)", 11, colours::Yellow);
    Place(edMAIL, Left, 194, 360, 26);
    Field(edMAIL, 60);

    const std::pair<platform::CheckBox*, std::string_view> boxes[] = {
        {&CB1, "MISSION SCORE TABLE"}, {&CB2, "DEATH-MATCH SCORE TABLE"}, {&CB3, "CAMPAIGN SCORE TABLE"}};
    int y = 236;
    for (const auto& [box, text] : boxes)
    {
        Place(*box, Left, y, 320, 22);
        box->caption = std::string(text);
        box->colour = PanelColour;
        box->font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};
        box->checked = true;
        y += 26;
    }

    Place(lbCOMMENT, Left, 322, FieldWidth, 20);
    Caption(lbCOMMENT, "Add comment:", 11, colours::Yellow);
    y = 344;
    for (platform::EditBox* comment : {&ED1, &ED2, &ED3})
    {
        Place(*comment, Left, y, FieldWidth, 24);
        Field(*comment, 80);
        y += 28;
    }

    const std::pair<platform::Button*, std::string_view> buttons[] = {
        {&btSEND, "SEND (VIA E-MAIL)"}, {&btCANCEL, "CLEAR"}, {&btBACK, "BACK"}};
    const int widths[] = {220, 150, 150};
    int x = Left;
    for (int i = 0; i < 3; ++i)
    {
        Place(*buttons[i].first, x, 480, widths[i], 34);
        buttons[i].first->caption = std::string(buttons[i].second);
        buttons[i].first->font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
        x += widths[i] + 21;
    }
    btSEND.onClick = [this] { btSENDClick(); };
    btCANCEL.onClick = [this] { btCANCELClick(); };
    btBACK.onClick = [this] { btBACKClick(); };
    cancelButton = &btBACK;

    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

ScoreSubmission TFSUBMIT::Form() const
{
    ScoreSubmission form;
    form.NickName = edNAME.text;
    form.Email = edMAIL.text;
    form.Mission = CB1.checked;
    form.DeathMatch = CB2.checked;
    form.Campaign = CB3.checked;
    form.Comments = {ED1.text, ED2.text, ED3.text};
    return form;
}

void TFSUBMIT::btSENDClick()
{
    const std::string address = submissionAddress ? submissionAddress() : std::string();
    const SubmissionMail mail = PrepareSubmission(files_, Form(), address);
    if (!sendMail || !sendMail(mail))
    {
        platform::ShowMessageBox(SubmissionErrorText, platform::MessageButtons::Ok, "Error");
    }
}

void TFSUBMIT::btCANCELClick()
{
    for (platform::EditBox* box : {&edNAME, &edMAIL, &ED1, &ED2, &ED3})
    {
        box->text.clear();
    }
    for (platform::CheckBox* box : {&CB1, &CB2, &CB3})
    {
        box->checked = true;
    }
}

void TFSUBMIT::btBACKClick()
{
    modalResult = platform::ResultCancel;
    Close();
}

void TFSUBMIT::FormPaint(platform::Canvas& canvas)
{
    if (!backgroundLoaded_)
    {
        backgroundLoaded_ = true;
        background_ = LoadGamePicture(files_, EditionPictureFolder(edition_) + "/HQ.BMP");
    }
    canvas.Draw(0, TitleHeight, background_);
    canvas.brush = platform::Brush{PanelColour, platform::BrushStyle::Solid};
    canvas.FillRect(Panel.Offset(0, TitleHeight));
    platform::DrawBevel(canvas, Panel.Offset(0, TitleHeight), false);
}

} // namespace olvane
