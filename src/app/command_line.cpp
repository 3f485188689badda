// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include "app/console.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace app {
namespace {

// Options QApplication takes out of the arguments itself, once it exists. The parser runs
// before it, so it must know them too, and which of them take the argument after them.
const char* const kQtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "name", "style", "stylesheet"};
const char* const kQtFlags[] = {"reverse", "nograb", "dograb", "widgetcount"};

void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

std::optional<int> handleCommandLine(int& argc, char* argv[])
{
    // A core application needs no display, and gives the arguments as the system passed them.
    const QCoreApplication reader(argc, argv);

    QCommandLineParser parser;
    // Qt's options are single words after one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Calculators of the course 化学工学概論: the settling velocity of a particle by Stokes' law,\n"
                       "the mean Feret diameter of a rectangle by Monte Carlo, and the division of a sphere.\n"
                       "Qt's own options, such as -style and -platform, are accepted as well."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);

    // "/?" asks for help on Windows, where students may well try it.
    QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("/?"))
            arguments[i] = QStringLiteral("--help");
    }
    if (!parser.parse(arguments)) {
        printToConsole(stderr, QStringLiteral(CHEMENG_PROGRAM ": %1\n\n%2").arg(parser.errorText(), parser.helpText()));
        return EXIT_FAILURE;
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString stray = parser.positionalArguments().constFirst();
        printToConsole(
            stderr, QStringLiteral(CHEMENG_PROGRAM ": Unexpected argument '%1'.\n\n%2").arg(stray, parser.helpText()));
        return EXIT_FAILURE;
    }
    if (parser.isSet(help)) {
        printToConsole(stdout, parser.helpText());
        return EXIT_SUCCESS;
    }
    if (parser.isSet(version)) {
        printToConsole(stdout, QStringLiteral(CHEMENG_PROGRAM " " CHEMENG_VERSION "\n"));
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

} // namespace app
