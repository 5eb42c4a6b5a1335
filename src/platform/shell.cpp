#include "platform/shell.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace olvane::platform
{

ShellResult StartProgram(const std::vector<std::string>& argv)
{
    if (argv.empty())
    {
        return ShellResult{false, "no program named"};
    }
    // Everything the child needs is prepared before fork: after it only plain system calls run.
    std::vector<char*> args;
    for (const std::string& a : argv)
    {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
    {
        return ShellResult{false, std::string("cannot start ") + argv[0] + ": " + std::strerror(errno)};
    }
    pid_t child = fork();
    if (child < 0)
    {
        int e = errno;
        close(report[0]);
        close(report[1]);
        return ShellResult{false, std::string("cannot start ") + argv[0] + ": " + std::strerror(e)};
    }
    if (child == 0)
    {
        // The middle process leaves at once, so the program is adopted by init and never
        // lingers as a zombie of ours.
        close(report[0]);
        if (fork() == 0)
        {
            setsid();
            execvp(args[0], args.data());
            int e = errno;
            (void)!write(report[1], &e, sizeof e);
            _exit(127);
        }
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR)
    {
    }
    // The pipe closes without a word when exec succeeds; otherwise it carries the error.
    int execError = 0;
    ssize_t got = 0;
    do
    {
        got = read(report[0], &execError, sizeof execError);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof execError))
    {
        return ShellResult{false, std::string("cannot start ") + argv[0] + ": " + std::strerror(execError)};
    }
    return ShellResult{true, {}};
}

ShellResult OpenPage(const std::string& target)
{
    return StartProgram({"xdg-open", target});
}

std::vector<std::string> MailCommand(const MailMessage& mail)
{
    std::vector<std::string> argv{"xdg-email", "--utf8"};
    if (!mail.subject.empty())
    {
        argv.insert(argv.end(), {"--subject", mail.subject});
    }
    if (!mail.body.empty())
    {
        argv.insert(argv.end(), {"--body", mail.body});
    }
    for (const auto& file : mail.attachments)
    {
        argv.insert(argv.end(), {"--attach", file.string()});
    }
    // Without a recipient the mail program opens with an empty "To" for the player to fill.
    if (!mail.recipient.empty())
    {
        argv.push_back(mail.recipient);
    }
    return argv;
}

ShellResult SendMail(const MailMessage& mail)
{
    return StartProgram(MailCommand(mail));
}

} // namespace olvane::platform
