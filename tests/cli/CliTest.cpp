#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "TestDatabase.h"
#include "cli/Cli.h"
#include "platform/Clock.h"
#include "FixedClock.h"

namespace clitest {

namespace {

using testsupport::TestDatabase;

struct Case {
    std::vector<std::string> args;  // "{db}" and "{dir}" stand for the test's database and folder
    int status;
    const char* out;  // the whole output; nullptr: not checked
    const char* err;  // a text the messages hold; "" when there must be none
};

const Case kCases[] = {
    {{"--help"}, 0, nullptr, ""},
    {{"--version"}, 0, "marrowtide-cli 1.0\n", ""},
    {{}, 2, "", "no command given"},
    {{"--database", "{db}", "frob"}, 2, "", "unknown command 'frob'"},
    {{"--database", "{db}", "list", "extra"}, 2, "", "unexpected argument 'extra'"},
    {{"--database", "{db}", "--days", "3", "list"}, 2, "", "--days belongs to upcoming"},
    {{"--database", "{db}", "upcoming", "--again"}, 2, "", "--again belongs to remind"},
    {{"--database", "{db}", "remind", "--from", "2025-03-01"}, 2, "", "--from belongs to upcoming"},
    {{"--database", "{db}", "upcoming", "--days", "-1"}, 2, "", "--days needs a whole number"},
    {{"--database", "{db}", "upcoming", "--from", "2025-02-30"}, 2, "", "--from needs a date"},
    {{"--database", "{db}", "export", "{dir}/out.txt"}, 2, "", "give --format csv, vcf or ics"},
    {{"--database", "{db}", "import"}, 2, "", "import needs a file name"},
    {{"--database", "{dir}/none.mdb", "list"},
     3,
     "",
     "Name the Marrowtide database with --database"},
    {{"--database", "{dir}/old.csv", "list"}, 3, "", "is not a Marrowtide database"},
    {{"--database", "{db}", "list"},
     0,
     "1\tAnn\\tTab\t1980-02-27 06:00:00\t45 Years\tline1\\nline2 \\\\ end\n"
     "2\tbob\t1992-02-29 00:00:00\t32 Years, 11 Months, 27 Days\t.\n"
     "3\tCleo\t2000-03-01 00:00:00\t24 Years, 11 Months, 26 Days\t.\n",
     ""},
    {{"--database", "{db}", "upcoming", "--days", "2"},
     0,
     "02/27/2025\tThursday\tAnn\\tTab\tturns 45\ttoday\n"
     "02/28/2025\tFriday\tbob\tturns 33\ttomorrow\n"
     "03/01/2025\tSaturday\tCleo\tturns 25\tin 2 days\n",
     ""},
    {{"--database", "{db}", "upcoming", "--days", "0"},
     0,
     "02/27/2025\tThursday\tAnn\\tTab\tturns 45\ttoday\n",
     ""},
    {{"--database", "{db}", "upcoming", "--from", "2028-02-28", "--days", "1"},
     0,
     "02/29/2028\tTuesday\tbob\tturns 36\tin 1097 days\n",
     ""},
    {{"--database", "{db}", "import", "{dir}/new.csv"},
     0,
     "Imported 1 person, skipped 1.\nnew.csv, line 3: already stored\n",
     ""},
    {{"--database", "{db}", "import", "{dir}/yearless.vcf"},
     0,
     "Imported 1 person, skipped 0.\n",
     ""},
    {{"--database", "{db}", "import", "{dir}/nomonth.vcf"},
     1,
     "Imported 0 people, skipped 1.\nnomonth.vcf, card 1: the birthday has no month\n",
     "some records were skipped"},
    {{"--database", "{db}", "import", "{dir}/none.csv"}, 3, "", "Nothing was imported."},
    {{"--database", "{db}", "export", "{dir}/out.ics"},
     0,
     "Exported 3 people to {dir}/out.ics.\n",
     ""},
    {{"--database", "{db}", "export", "{dir}/old.csv"}, 3, "", "Give --force to replace it."},
    {{"--database", "{db}", "export", "{dir}/old.csv", "--force"}, 0, nullptr, ""},
    {{"--database={db}", "export", "--format", "VCF", "{dir}/out.txt"}, 0, nullptr, ""},
    {{"--database", "{db}", "export", "{db}", "--format", "csv", "--force"},
     3,
     "",
     "is the database itself"},
};

std::string Expand(std::string text, const TestDatabase& db) {
    text = std::regex_replace(text, std::regex("\\{db\\}"), db.path());
    return std::regex_replace(text, std::regex("\\{dir\\}"), db.dir().path().string());
}

}  // namespace

// Every command and every kind of wrong usage, with the output and the exit status a
// script sees. "Today" is Thursday, 02/27/2025.
TEST(CliTest, CommandsGiveTheirOutputAndExitStatus) {
    testsupport::FixedClock clock({2025, 2, 27, 9, 0, 0});
    const platform::Clock* previous = platform::SetClock(&clock);
    for (const Case& c : kCases) {
        TestDatabase db;
        db.insert("Ann\tTab", "1980-02-27 06:00:00", "line1\nline2 \\ end");
        db.insert("bob", "1992-02-29 00:00:00", ".");
        db.insert("Cleo", "2000-03-01 00:00:00", ".");
        const auto file = [&](const char* name) { return (db.dir().path() / name).string(); };
        testsupport::WriteFile(
            file("new.csv"),
            "Name,Birth,Comments\r\nDora,1999-09-09 09:09:09,\r\nbob,1992-02-29,x\r\n");
        testsupport::WriteFile(
            file("yearless.vcf"),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Eve\r\nBDAY:--0506\r\nEND:VCARD\r\n");
        testsupport::WriteFile(
            file("nomonth.vcf"),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Fay\r\nBDAY:---06\r\nEND:VCARD\r\n");
        testsupport::WriteFile(file("old.csv"), "old");

        std::vector<std::string> args;
        std::string label;
        for (const std::string& arg : c.args) {
            args.push_back(Expand(arg, db));
            label += arg + " ";
        }
        std::ostringstream out, err;
        EXPECT_EQ(cli::RunCli(args, out, err), c.status) << label << "\n" << err.str();
        if (c.out) {
            EXPECT_EQ(out.str(), Expand(c.out, db)) << label;
        }
        if (*c.err)
            EXPECT_NE(err.str().find(c.err), std::string::npos) << label << "\n" << err.str();
        else
            EXPECT_EQ(err.str(), "") << label;
        if (c.status >= 2) {
            EXPECT_EQ(db.rows().size(), 3u) << label;
        }
    }
    platform::SetClock(previous);
}

// A birthday without a year: list prints the stored form and no age; upcoming lists it on
// its day with "birthday" for the age; a text that only looks like one stays an
// unreadable birth, printed as any other ("0 Days", as for a Null birth). "Today" is
// Thursday, 02/27/2025.
TEST(CliTest, BirthdaysWithoutAYearAreListedAsStored) {
    testsupport::FixedClock clock({2025, 2, 27, 9, 0, 0});
    const platform::Clock* previous = platform::SetClock(&clock);
    TestDatabase db;
    db.insert("Ann", "--02-28 08:30:00", ".");
    db.insert("Bea", "--02-29", ".");
    db.insert("Cy", "--02-30", ".");
    db.insert("Dan", "1990-03-01 00:00:00", ".");
    const struct {
        std::vector<std::string> args;
        const char* out;
    } table[] = {
        {{"list"},
         "1\tAnn\t--02-28 08:30:00\t\t.\n2\tBea\t--02-29\t\t.\n3\tCy\t\t0 Days\t.\n"
         "4\tDan\t1990-03-01 00:00:00\t34 Years, 11 Months, 26 Days\t.\n"},
        {{"upcoming", "--days", "2"},
         "02/28/2025\tFriday\tAnn\tbirthday\ttomorrow\n"
         "02/28/2025\tFriday\tBea\tbirthday\ttomorrow\n"
         "03/01/2025\tSaturday\tDan\tturns 35\tin 2 days\n"},
        {{"upcoming", "--from", "2028-02-29", "--days", "0"},
         "02/29/2028\tTuesday\tBea\tbirthday\tin 1097 days\n"},
    };
    for (const auto& row : table) {
        std::vector<std::string> args = {"--database", db.path()};
        args.insert(args.end(), row.args.begin(), row.args.end());
        std::ostringstream out, err;
        EXPECT_EQ(cli::RunCli(args, out, err), 0) << row.args[0];
        EXPECT_EQ(out.str(), row.out) << row.args[0];
        EXPECT_EQ(err.str(), "") << row.args[0];
    }
    platform::SetClock(previous);
}

// A stored text cannot steer the terminal: list and upcoming escape every control
// character and every byte that is no UTF-8. Export to "-" writes the file alone to
// standard output, for a pipe.
TEST(CliTest, TerminalOutputIsEscapedAndExportCanGoToAPipe) {
    testsupport::FixedClock clock({2025, 2, 27, 9, 0, 0});
    const platform::Clock* previous = platform::SetClock(&clock);
    TestDatabase db;
    db.insert("Eve\x1b[31mRed\x7f\xc2\x9b\x01\xff Zoë", "1980-02-27 06:00:00", "\x1b]0;title\x07");
    const auto run = [&](std::vector<std::string> args, std::string& err) {
        args.insert(args.begin(), {"--database", db.path()});
        std::ostringstream out, errors;
        EXPECT_EQ(cli::RunCli(args, out, errors), 0) << errors.str();
        err = errors.str();
        return out.str();
    };
    std::string err;
    const std::string name = "Eve\\x1B[31mRed\\x7F\\x9B\\x01\\xFF Zoë";
    EXPECT_EQ(run({"list"}, err),
              "1\t" + name + "\t1980-02-27 06:00:00\t45 Years\t\\x1B]0;title\\x07\n");
    EXPECT_EQ(run({"upcoming"}, err), "02/27/2025\tThursday\t" + name + "\tturns 45\ttoday\n");

    const std::string csv = run({"export", "-", "--format", "csv"}, err);
    // The name's stray \xff byte is the only thing worth a word, and it goes to stderr.
    EXPECT_NE(err.find("1 stored with text that is not valid UTF-8"), std::string::npos) << err;
    EXPECT_NE(csv.find("\x1b[31mRed"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("Exported"), std::string::npos) << csv;
    EXPECT_FALSE(std::filesystem::exists("-"));
    platform::SetClock(previous);
}

// The help names the 29 February rule, which users would otherwise meet as a surprise.
TEST(CliTest, HelpStatesTheTwentyNinthOfFebruaryRule) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("29 February fall on 28 February in common years"), std::string::npos);
}

// Without --database the companion opens what the windowed program would: the file
// beside it when there is one, else the one in the user's data folder, made there.
TEST(CliTest, WithoutDatabaseItFollowsTheProgramsRule) {
    TestDatabase folder(false);  // for its temporary folder
    const std::filesystem::path root = folder.dir().path();
    const std::filesystem::path bin = root / "bin", data = root / "data";
    const std::string output = (root / "out.txt").string();
    std::filesystem::create_directories(bin);
    std::filesystem::copy_file(MARROWTIDE_CLI, bin / "marrowtide-cli");
    const auto run = [&] {
        const std::string command = "XDG_DATA_HOME='" + data.string() + "' '" +
                                    (bin / "marrowtide-cli").string() + "' list > '" + output +
                                    "' 2>&1";
        return std::system(command.c_str());
    };

    ASSERT_EQ(run(), 0) << testsupport::FileBytes(output);
    EXPECT_TRUE(std::filesystem::is_regular_file(data / "Marrowtide" / "Marrowtide.mdb"));
    EXPECT_EQ(testsupport::FileBytes(output), "");

    TestDatabase beside;
    beside.insert("Portable Pat", "1990-01-02 00:00:00", ".");
    std::filesystem::copy_file(beside.path(), bin / "Marrowtide.mdb");
    ASSERT_EQ(run(), 0) << testsupport::FileBytes(output);
    EXPECT_NE(testsupport::FileBytes(output).find("Portable Pat"), std::string::npos);
}

// People whose birth year is unknown go through the built companion and back: imported
// from each form a phone or webmail writes, exported, and imported into another database
// as the same people; importing the export again adds nobody.
TEST(CliTest, BirthdaysWithoutAYearSurviveExportAndImport) {
    const std::string contacts =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:--1208\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bo\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-02-29\r\n"
        "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cy\r\nBDAY:--0101T0830\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1980-12-08\r\nEND:VCARD\r\n";
    const std::vector<std::string> expected = {"Ann --12-08 .", "Ann 1980-12-08 00:00:00 .",
                                               "Bo --02-29 .", "Cy --01-01 08:30:00 ."};
    const auto stored = [](const TestDatabase& db) {
        std::vector<std::string> rows = db.rowTexts(" ");
        std::sort(rows.begin(), rows.end());  // the export orders by name
        return rows;
    };
    for (const std::string format : {"csv", "vcf"}) {
        TestDatabase first, second;
        const std::string file = (first.dir().path() / "contacts").string();
        const std::string exported = file + "." + format;
        const auto cli = [&](const TestDatabase& db, const std::string& args) {
            return std::system(
                ("'" MARROWTIDE_CLI "' --database '" + db.path() + "' " + args + " > /dev/null")
                    .c_str());
        };
        testsupport::WriteFile(file, contacts);
        ASSERT_EQ(cli(first, "import '" + file + "'"), 0) << format;
        EXPECT_EQ(stored(first), expected) << format;
        ASSERT_EQ(cli(first, "export '" + exported + "'"), 0) << format;
        ASSERT_EQ(cli(second, "import '" + exported + "'"), 0) << format;
        EXPECT_EQ(stored(second), expected) << format;
        ASSERT_EQ(cli(first, "import '" + exported + "'"), 0) << format;
        EXPECT_EQ(stored(first), expected) << format << ": imported twice";
    }
}

// An import makes the day's copy first when there is none yet, as the window does; a
// copy that cannot be made is a warning, and the import goes on.
TEST(CliTest, ImportMakesTheDaysCopyFirst) {
    testsupport::FixedClock clock({2025, 2, 27, 9, 0, 0});
    const platform::Clock* previous = platform::SetClock(&clock);
    const struct {
        bool blocked;
        const char* err;
        bool copied;
    } table[] = {{false, "", true}, {true, "no backup made today", false}};
    for (const auto& row : table) {
        TestDatabase db;
        db.insert("Ann", "1980-02-27 06:00:00", ".");
        const std::filesystem::path backups = db.dir().path() / "backups";
        if (row.blocked) testsupport::WriteFile(backups.string(), "in the way");
        const std::string csv = (db.dir().path() / "new.csv").string();
        testsupport::WriteFile(csv, "Name,Birth,Comments\r\nDora,1999-09-09 09:09:09,\r\n");
        std::ostringstream out, err;
        EXPECT_EQ(cli::RunCli({"--database", db.path(), "import", csv}, out, err), 0) << err.str();
        EXPECT_EQ(db.rows().size(), 2u);
        EXPECT_EQ(err.str().empty(), *row.err == '\0') << err.str();
        EXPECT_NE(err.str().find(row.err), std::string::npos) << err.str();
        const std::filesystem::path copy = backups / "Marrowtide-2025-02-27.mdb";
        ASSERT_EQ(std::filesystem::is_regular_file(copy), row.copied);
        if (!row.copied) continue;
        testsupport::WriteFile(db.path(), testsupport::FileBytes(copy.string()));
        EXPECT_EQ(db.rows().size(), 1u);  // the copy holds the database before the import
    }
    platform::SetClock(previous);
}

}  // namespace clitest
