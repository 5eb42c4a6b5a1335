#include "platform/shell.h"
#include "platform/platform_test_support.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace olvane::platform
{
namespace
{

bool AppearsWithin(const std::filesystem::path& path, std::chrono::milliseconds limit)
{
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end)
    {
        if (std::filesystem::exists(path))
        {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(Shell, StartsProgramsWithoutAShell)
{
    test::TempFolder dir;
    // Were this run through a shell, the semicolon and the substitution would do things.
    std::string name = "score; touch hacked $(echo owned) `id`.txt";
    ShellResult r = StartProgram({"touch", (dir.path / name).string()});
    ASSERT_TRUE(r.started) << r.error;
    EXPECT_TRUE(AppearsWithin(dir.path / name, std::chrono::seconds(5)));
    EXPECT_FALSE(std::filesystem::exists(dir.path / "hacked"));
    EXPECT_FALSE(std::filesystem::exists("hacked"));

    ShellResult missing = StartProgram({"olvane-no-such-program"});
    EXPECT_FALSE(missing.started);
    EXPECT_NE(missing.error.find("olvane-no-such-program"), std::string::npos);
    EXPECT_FALSE(StartProgram({}).started);
}

TEST(Shell, MailGoesToTheMailProgramAsArguments)
{
    MailMessage mail{"scores@example.org", "Olvane score", "ADMIRAL 1200\nline two", {"/tmp/sk1.OBJ"}};
    EXPECT_EQ(MailCommand(mail), (std::vector<std::string>{"xdg-email", "--utf8", "--subject", "Olvane score",
                                                           "--body", "ADMIRAL 1200\nline two", "--attach",
                                                           "/tmp/sk1.OBJ", "scores@example.org"}));
    mail.recipient.clear();
    EXPECT_EQ(MailCommand(mail).back(), "/tmp/sk1.OBJ") << "no recipient leaves the mail's To empty";
}

} // namespace
} // namespace olvane::platform
