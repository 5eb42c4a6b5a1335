#include "platform/file_dialog.h"

#include "platform/button.h"
#include "platform/edit_box.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/message_box.h"

#include <algorithm>
#include <cctype>

namespace olvane::platform
{

namespace
{

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending)
{
    if (name.size() < ending.size())
    {
        return false;
    }
    return std::equal(ending.begin(), ending.end(), name.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

class FileDialogForm : public Form
{
public:
    FileDialogForm(FileDialogMode mode, const std::filesystem::path& folder, std::string_view suggested,
                   std::string_view extension)
        : mode_(mode), folder_(folder), extension_(extension), title_(this), place_(this), files_(this),
          nameLabel_(this), name_(this), ok_(this), cancel_(this)
    {
        font = Font{"ARIAL", 9, FontStyle::Regular, false, colours::Black};
        MakeCentred(420, 330);
        for (Control* c : Children())
        {
            c->font = font;
        }
        title_.SetBounds(3, 3, bounds.width - 6, 18);
        title_.colour = colours::Navy;
        title_.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::White};
        title_.caption = mode == FileDialogMode::Save ? " Save game" : " Load game";
        place_.SetBounds(12, 28, bounds.width - 24, 17);
        place_.caption = "Folder: " + folder.string();
        files_.SetBounds(12, 48, bounds.width - 24, 190);
        files_.items = ListFiles(folder, extension);
        files_.onClick = [this] {
            if (files_.itemIndex >= 0)
            {
                name_.text = files_.items[static_cast<std::size_t>(files_.itemIndex)];
            }
        };
        files_.onDoubleClick = [this] {
            files_.onClick();
            Accept();
        };
        nameLabel_.SetBounds(12, 250, 80, 17);
        nameLabel_.caption = "File name:";
        name_.SetBounds(92, 247, bounds.width - 104, 21);
        name_.text = std::string(suggested);
        ok_.SetBounds(bounds.width - 172, bounds.height - 40, 75, 25);
        ok_.caption = mode == FileDialogMode::Save ? "Save" : "Open";
        ok_.onClick = [this] { Accept(); };
        cancel_.SetBounds(bounds.width - 87, bounds.height - 40, 75, 25);
        cancel_.caption = "Cancel";
        cancel_.modalResult = ResultCancel;
        defaultButton = &ok_;
        cancelButton = &cancel_;
        name_.SetFocus();
    }

    std::optional<std::filesystem::path> chosen;

    void Paint(Canvas& canvas) override
    {
        Form::Paint(canvas);
        DrawBevel(canvas, Rect{0, 0, bounds.width, bounds.height}, true);
    }

private:
    void Accept()
    {
        auto path = FileInFolder(folder_, name_.text, extension_);
        if (!path)
        {
            ShowMessage("Please type a file name.");
            return;
        }
        std::error_code ec;
        bool exists = std::filesystem::exists(*path, ec);
        if (mode_ == FileDialogMode::Open && !exists)
        {
            ShowMessage(path->filename().string() + "\nFile not found.");
            return;
        }
        if (mode_ == FileDialogMode::Save && exists &&
            !AskYesNo(path->filename().string() + " already exists.\nDo you want to replace it?"))
        {
            return;
        }
        chosen = path;
        modalResult = ResultOk;
    }

    FileDialogMode mode_;
    std::filesystem::path folder_;
    std::string extension_;
    Label title_;
    Label place_;
    ListBox files_;
    Label nameLabel_;
    EditBox name_;
    Button ok_;
    Button cancel_;
};

} // namespace

std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view extension)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    {
        std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && EndsWithIgnoringCase(name, extension))
        {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::filesystem::path> FileInFolder(const std::filesystem::path& folder, std::string_view typed,
                                                  std::string_view extension)
{
    std::string name(typed);
    while (!name.empty() && name.back() == ' ')
    {
        name.pop_back();
    }
    while (!name.empty() && name.front() == ' ')
    {
        name.erase(name.begin());
    }
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
    {
        return std::nullopt;
    }
    if (!EndsWithIgnoringCase(name, extension))
    {
        name += extension;
    }
    return folder / name;
}

std::optional<std::filesystem::path> RunFileDialog(FileDialogMode mode, const std::filesystem::path& folder,
                                                   std::string_view suggestedName, std::string_view extension)
{
    FileDialogForm dialog(mode, folder, suggestedName, extension);
    if (dialog.ShowModal() != ResultOk)
    {
        return std::nullopt;
    }
    return dialog.chosen;
}

} // namespace olvane::platform
