#include "state/score_submission.h"
#include "state/score_table.h"
#include "support/test_game.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace olvane
{

namespace
{

namespace fs = std::filesystem;

ScoreRec Record(std::string_view name, std::uint16_t score)
{
    ScoreRec rec;
    rec.Name.Set(name);
    rec.Nation = NationJapan;
    rec.Number = 0x0125;
    rec.Title.Set("CORAL SEA");
    rec.Mode = ModeMission;
    rec.Score = score;
    rec.Victories = 1;
    rec.Rank = 17;
    return rec;
}

/// Scores 150, 140, ... 10 from the first place to the last.
ScoreTable FullTable()
{
    ScoreTable table;
    for (int i = 0; i < ScoreTableLength; ++i)
    {
        table[static_cast<std::size_t>(i)] =
            Record("P" + std::to_string(i + 1), static_cast<std::uint16_t>(150 - 10 * i));
    }
    return table;
}

std::uint8_t Byte(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint8_t>(bytes.at(at));
}

/// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
        {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }

    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(ScoreTable, StoresFifteenPlacesOfFiftyFourBytesLittleEndian)
{
    ScoreTable table;
    table[1] = Record("Ann", 0x1234);
    table[1].Major = 2;
    table[1].Minor = 3;
    const std::string bytes = EncodeScoreTable(table);
    ASSERT_EQ(bytes.size(), 810u);
    EXPECT_EQ(bytes.substr(0, 54), std::string(54, '\0')) << "an empty place is all zero";

    const std::size_t at = 54;
    EXPECT_EQ(Byte(bytes, at + 0), 3);
    EXPECT_EQ(bytes.substr(at + 1, 3), "Ann");
    EXPECT_EQ(Byte(bytes, at + 4), 0) << "the name field is 16 bytes, zero past the name";
    EXPECT_EQ(Byte(bytes, at + 16), NationJapan);
    EXPECT_EQ(Byte(bytes, at + 18), 0x25);
    EXPECT_EQ(Byte(bytes, at + 19), 0x01);
    EXPECT_EQ(Byte(bytes, at + 20), 9);
    EXPECT_EQ(bytes.substr(at + 21, 9), "CORAL SEA");
    EXPECT_EQ(Byte(bytes, at + 46), ModeMission);
    EXPECT_EQ(Byte(bytes, at + 48), 0x34);
    EXPECT_EQ(Byte(bytes, at + 49), 0x12);
    EXPECT_EQ(Byte(bytes, at + 50), 2);
    EXPECT_EQ(Byte(bytes, at + 51), 1);
    EXPECT_EQ(Byte(bytes, at + 52), 3);
    EXPECT_EQ(Byte(bytes, at + 53), 17);

    EXPECT_EQ(DecodeScoreTable(bytes), table);
    EXPECT_EQ(EncodeScoreTable(DecodeScoreTable(bytes)), bytes);
}

TEST(ScoreTable, ReadsAnyBytesWithoutTrustingThem)
{
    const std::string good = EncodeScoreTable(FullTable());

    // Short: the places the file holds, the rest empty; a torn last record is empty too.
    const ScoreTable shortTable = DecodeScoreTable(good.substr(0, 54 * 2 + 30));
    EXPECT_EQ(shortTable[0], FullTable()[0]);
    EXPECT_EQ(shortTable[1], FullTable()[1]);
    EXPECT_TRUE(shortTable[2].Empty());
    EXPECT_EQ(shortTable[2], ScoreRec{});
    EXPECT_EQ(DecodeScoreTable(""), ScoreTable{});

    // Long: read to the fifteenth record.
    EXPECT_EQ(DecodeScoreTable(good + std::string(100, '\x07')), FullTable());

    // Each damaged value empties its own place only.
    const std::vector<std::pair<std::size_t, std::uint8_t>> damage = {
        {16, 0},  {16, 9},  {53, 0},   {53, 29}, {46, 4},  {0, 16},
        {20, 26}, {50, 17}, {1, '\t'}, {2, 127}, {22, 10},
    };
    for (const auto& [offset, value] : damage)
    {
        std::string bytes = good;
        bytes[54 * 4 + offset] = static_cast<char>(value);
        const ScoreTable table = DecodeScoreTable(bytes);
        EXPECT_EQ(table[4], ScoreRec{}) << "offset " << offset << " value " << int(value);
        EXPECT_EQ(table[3], FullTable()[3]);
        EXPECT_EQ(table[5], FullTable()[5]);
    }
    std::string medals = good;
    medals[54 * 4 + 50] = 6;
    medals[54 * 4 + 51] = 6;
    medals[54 * 4 + 52] = 5;
    EXPECT_TRUE(DecodeScoreTable(medals)[4].Empty()) << "no campaign has 17 missions";

    // Stray bytes past a name and in the reserved fields, or in an empty place, are not kept.
    std::string stray = good;
    stray[54 * 0 + 10] = 'X';
    stray[54 * 0 + 17] = 5;
    stray[54 * 0 + 47] = 5;
    stray[54 * 1 + 46] = 0;
    EXPECT_EQ(EncodeScoreTable(DecodeScoreTable(stray)).substr(0, 54), good.substr(0, 54));
    EXPECT_EQ(DecodeScoreTable(stray)[1], ScoreRec{});
}

TEST(ScoreTable, APlaceGoesToTheFirstLowerScore)
{
    ScoreTable table = FullTable();
    EXPECT_EQ(QualifyingPosition(table, 10), 0) << "equal to the last place does not get in";
    EXPECT_EQ(QualifyingPosition(table, 11), 15);
    EXPECT_EQ(QualifyingPosition(table, 145), 2);
    EXPECT_EQ(QualifyingPosition(table, 150), 2);
    EXPECT_EQ(QualifyingPosition(table, 151), 1);
    EXPECT_EQ(QualifyingPosition(ScoreTable{}, 1), 1);
    EXPECT_EQ(QualifyingPosition(ScoreTable{}, 0), 0);

    InsertScore(table, 15, Record("Last", 11));
    EXPECT_EQ(table[14].Name.Str(), "Last");
    EXPECT_EQ(table[13].Name.Str(), "P14");

    InsertScore(table, 2, Record("Second", 145));
    EXPECT_EQ(table[0].Name.Str(), "P1");
    EXPECT_EQ(table[1].Name.Str(), "Second");
    EXPECT_EQ(table[2].Name.Str(), "P2");
    EXPECT_EQ(table[14].Name.Str(), "P14") << "the last place dropped out";

    EXPECT_THROW(InsertScore(table, 0, Record("x", 1)), RangeError);
    EXPECT_THROW(InsertScore(table, 16, Record("x", 1)), RangeError);
}

TEST(ScoreTable, NamesAreTakenAsTyped)
{
    EXPECT_EQ(NameRefusal("Fifteen chars.."), std::nullopt);
    EXPECT_EQ(NameRefusal(""), std::nullopt);
    EXPECT_EQ(NameRefusal("Sixteen chars..."), "Maximum 15 characters");
    // Its bytes count: fourteen letters and an accented one make sixteen.
    EXPECT_EQ(NameRefusal("Fourteen chars\xC3\xA9"), "Maximum 15 characters");
    EXPECT_EQ(NameRefusal("Tab\there"), NameControlCharacterText);
    EXPECT_EQ(NameRefusal(std::string_view("nul\0", 4)), NameControlCharacterText);
    EXPECT_EQ(NameRefusal("del\x7F"), NameControlCharacterText);
}

TEST(ScoreTable, TablesLiveInTheUserFolderAndAreWrittenWhole)
{
    test::TempDir dir;
    const DataFiles files(dir.Path() / "game", dir.Path() / "user" / "olvane");
    EXPECT_EQ(ReadScoreTable(files, ModeMission), ScoreTable{}) << "a missing table is fifteen empty places";

    ASSERT_TRUE(WriteScoreTable(files, ModeMission, FullTable())) << "the user folder is made on first write";
    EXPECT_EQ(ReadScoreTable(files, ModeMission), FullTable());
    EXPECT_EQ(ReadWholeFile(dir.Path() / "user" / "olvane" / "SK2.OBJ")->size(), 810u);
    EXPECT_EQ(ReadScoreTable(files, ModeCampaign), ScoreTable{}) << "each mode has its own table";
    EXPECT_FALSE(fs::exists(dir.Path() / "game")) << "nothing is written into the game folder";

    ASSERT_TRUE(ClearScoreTable(files, ModeMission));
    EXPECT_EQ(ReadWholeFile(ScoreTablePath(files, ModeMission)), std::string(810, '\0'));

    // A user folder that is a file: the write fails and says so.
    dir.Write("blocked", "x");
    const DataFiles blocked(dir.Path() / "game", dir.Path() / "blocked");
    EXPECT_FALSE(WriteScoreTable(blocked, ModeDeathMatch, FullTable()));
    EXPECT_EQ(ReadScoreTable(blocked, ModeDeathMatch), ScoreTable{});

    // The three tables are always attached to a submission, whatever is ticked, and the ones the
    // player has not got yet are written empty first; a table with places keeps them.
    ASSERT_TRUE(WriteScoreTable(files, ModeMission, FullTable()));
    ScoreSubmission form;
    form.Mission = false;
    const SubmissionMail mail = PrepareSubmission(files, form, "");
    EXPECT_EQ(mail.Subject, "OLVANE Score Submission");
    EXPECT_EQ(mail.To, "");
    EXPECT_EQ(mail.Attachments,
              (std::vector<fs::path>{dir.Path() / "user/olvane/SK1.OBJ", dir.Path() / "user/olvane/SK2.OBJ",
                                     dir.Path() / "user/olvane/SK3.OBJ"}));
    EXPECT_EQ(ReadWholeFile(ScoreTablePath(files, ModeDeathMatch)), std::string(810, '\0'));
    EXPECT_EQ(ReadScoreTable(files, ModeMission), FullTable());
    EXPECT_EQ(ReadWholeFile(ScoreTablePath(files, ModeCampaign))->size(), 810u);
}

TEST(ScoreTable, TheUserFolderFollowsAnAbsoluteXdgDataHome)
{
    const ScopedEnv home("HOME", "/home/sailor");
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "/data/xdg");
        EXPECT_EQ(DataFiles::DefaultUserDir(), fs::path("/data/xdg/olvane"));
    }
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "relative/xdg");
        EXPECT_EQ(DataFiles::DefaultUserDir(), fs::path("/home/sailor/.local/share/olvane"));
    }
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "");
        EXPECT_EQ(DataFiles::DefaultUserDir(), fs::path("/home/sailor/.local/share/olvane"));
    }
    const ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(DataFiles::DefaultUserDir(), fs::path("/home/sailor/.local/share/olvane"));
}

TEST(ScoreSubmission, TheBodyNamesThePlayerTheTablesAndTheComments)
{
    ScoreSubmission form;
    form.NickName = "Nimitz";
    form.Email = "cinc@pac.example";
    form.Comments = {"one", "", "three"};
    EXPECT_EQ(SubmissionBody(form),
              "NICK NAME:Nimitz EMAIL:cinc@pac.example Score included:MISSION DEATH-M CAMPAIGN "
              " c1:one c2: c3:three");

    form.Email.clear();
    form.Mission = false;
    form.DeathMatch = false;
    EXPECT_EQ(SubmissionBody(form), "NICK NAME:Nimitz EMAIL: Score included:CAMPAIGN  c1:one c2: c3:three");

    form.Campaign = false;
    form.DeathMatch = true;
    EXPECT_EQ(SubmissionBody(form), "NICK NAME:Nimitz EMAIL: Score included:DEATH-M  c1:one c2: c3:three");

    // What the player typed reaches the mail program's command line without line breaks or
    // control characters; the address of the settings likewise.
    form.NickName = "Nim\nitz\x1B[2J";
    form.Comments = {"a\r\nb", "\t", "\x7F"};
    EXPECT_EQ(SubmissionBody(form), "NICK NAME:Nimitz[2J EMAIL: Score included:DEATH-M  c1:ab c2: c3:");
    test::TempDir dir;
    const DataFiles files(dir.Path() / "game", dir.Path() / "user");
    EXPECT_EQ(BuildSubmissionMail(files, form, "scores@example.org\n").To, "scores@example.org");
}

} // namespace olvane
