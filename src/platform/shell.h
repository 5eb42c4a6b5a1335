#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace olvane::platform
{

/// Whether a program was started, and why not.
struct ShellResult
{
    bool started = false;
    std::string error;
};

/// Starts a program with an argument vector (never through a shell, so no character of an
/// argument is interpreted) and returns once it runs; it goes on by itself and is never waited
/// for. Reports a program that cannot be found or run.
ShellResult StartProgram(const std::vector<std::string>& argv);

/// Opens a page or file in the user's browser or viewer (xdg-open).
ShellResult OpenPage(const std::string& target);

struct MailMessage
{
    std::string recipient;
    std::string subject;
    std::string body;
    std::vector<std::filesystem::path> attachments;
};

/// The xdg-email command line for a mail; an empty recipient is left out.
std::vector<std::string> MailCommand(const MailMessage& mail);

/// Hands a mail to the user's mail program (xdg-email), which shows it for sending.
ShellResult SendMail(const MailMessage& mail);

} // namespace olvane::platform
