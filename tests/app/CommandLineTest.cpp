#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

using Action = app::CommandLine::Action;

TEST(CommandLine, ReadsTheOptionsAndRefusesWhatItCannotFollow) {
    const struct {
        QStringList args;
        Action action;
        QString database;
        QString textHas;
    } table[] = {
        {{}, Action::Run, {}, {}},
        {{"--database", "/d/people.mdb"}, Action::Run, "/d/people.mdb", {}},
        {{"--database=rel.mdb"}, Action::Run, "rel.mdb", {}},
        {{"--help"}, Action::Help, {}, "--database <FILE>"},
        {{"-h"}, Action::Help, {}, "--version"},
        {{"--version"}, Action::Version, {}, "Marrowtide 1.0"},
        {{"--database"}, Action::Error, {}, "Missing value after '--database'"},
        {{"--database="}, Action::Error, {}, "needs the name of a file"},
        {{"--frobnicate"}, Action::Error, {}, "Unknown option 'frobnicate'"},
        {{"people.mdb"}, Action::Error, {}, "Unexpected argument 'people.mdb'"},
    };
    for (const auto& row : table) {
        const app::CommandLine parsed =
            app::ParseCommandLine(QStringList{"marrowtide"} + row.args);
        const std::string label = row.args.join(' ').toStdString();
        EXPECT_EQ(parsed.action, row.action) << label;
        EXPECT_EQ(parsed.database, row.database) << label;
        EXPECT_TRUE(parsed.text.contains(row.textHas)) << label << ": " << parsed.text.toStdString();
    }
}

TEST(CommandLine, UpcomingAsksForTheUpcomingWindow) {
    const struct {
        QStringList args;
        bool upcoming;
    } table[] = {{{}, false}, {{"--upcoming"}, true}, {{"--database", "d.mdb", "--upcoming"}, true}};
    for (const auto& row : table) {
        const app::CommandLine parsed = app::ParseCommandLine(QStringList{"marrowtide"} + row.args);
        EXPECT_EQ(parsed.action, Action::Run) << row.args.join(' ').toStdString();
        EXPECT_EQ(parsed.upcoming, row.upcoming) << row.args.join(' ').toStdString();
    }
}

}  // namespace
