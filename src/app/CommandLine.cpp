#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace app {

namespace {

CommandLine Failure(const QString& message) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.text = message + QStringLiteral("\nTry '--help' for the options.");
    return result;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Keeps a list of people with their birth dates and shows how old each is today."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("Use the database FILE, which must exist, instead of the usual one."),
        QStringLiteral("FILE"));
    parser.addOption(database);
    const QCommandLineOption upcoming(
        QStringLiteral("upcoming"), QStringLiteral("Open the Upcoming Birthdays window too."));
    parser.addOption(upcoming);

    if (!parser.parse(arguments)) return Failure(parser.errorText());
    CommandLine result;
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        // Without an application object (the options are read before there is one) the
        // parser names the program by a placeholder; the name it was started by is known.
        result.text = parser.helpText().replace(
            QLatin1String("<executable_name>"), QFileInfo(arguments.value(0)).fileName());
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.text = QCoreApplication::applicationName() + QLatin1Char(' ') +
                      QCoreApplication::applicationVersion() + QLatin1Char('\n');
    } else if (!parser.positionalArguments().isEmpty()) {
        return Failure(QStringLiteral("Unexpected argument '%1'.")
                           .arg(parser.positionalArguments().constFirst()));
    } else if (parser.isSet(database) && parser.value(database).isEmpty()) {
        return Failure(QStringLiteral("--database needs the name of a file."));
    } else {
        result.database = parser.value(database);
        result.upcoming = parser.isSet(upcoming);
    }
    return result;
}

}  // namespace app
