// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace molen {
namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(MOLEN_DESCRIPTION));
    // Words after one dash are whole options, as Qt's own are: "-reverse" is no "-v".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
}

// What the command line asks, as the parser that answers reads it before Qt has taken its own
// options: to it, those are unknown words, as a wrong option is.
struct Request {
    bool information = false;  // --help, --help-all or --version
    bool all = false;          // --help-all
    bool unknownWords = false; // options that only Qt can tell from wrong ones
};

Request readRequest(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    const bool all = parser.isSet(QStringLiteral("help-all"));
    return {
        .information =
            all || parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")),
        .all = all,
        .unknownWords = !parser.unknownOptionNames().isEmpty(),
    };
}

// The command line with `platforms` chosen last, which Qt follows over any earlier choice.
std::vector<std::string> choosingPlatforms(std::vector<std::string> arguments,
                                           const QString& platforms) {
    arguments.push_back("-platform");
    arguments.push_back(platforms.toLocal8Bit().toStdString());
    return arguments;
}

std::vector<char*> pointersTo(std::vector<std::string>& arguments) {
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Messages from the toolkit while it looks for a display: held back, because a failed search
// ends in a fatal message that Qt follows with an abort, and then only one line is wanted.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// The command line as it was before Qt took its options from it: kept so that, where no
// display can be opened, the program can start again to judge it (see judgeWithoutDisplay).
std::vector<std::string> commandLine;

// In the run that the program starts to judge its command line without a display: what the
// first run found wrong with the display, handed over in the environment.
constexpr char DisplayFailureVariable[] = "MOLEN_DISPLAY_FAILURE";
std::optional<QString> displayFailure;

[[noreturn]] void sayNoDisplay(const QString& reason) {
    const QString line = QStringLiteral("molen: cannot open a window: no display that Qt can use "
                                        "was found (%1); to run it without one, use \"xvfb-run "
                                        "molen\"\n")
                             .arg(reason);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

// The platforms Qt tried and could not start, as its messages on the way name them, in order,
// followed by the offscreen platform, which needs no display.
QString failedPlatformsThenOffscreen() {
    static const QRegularExpression named(QStringLiteral("Qt platform plugin \"([^\"]+)\""));
    QStringList platforms;
    for (const HeldMessage& message : heldMessages) {
        const QRegularExpressionMatch match = named.match(message.text);
        if (match.hasMatch() && !platforms.contains(match.captured(1)))
            platforms << match.captured(1);
    }
    platforms.removeAll(QStringLiteral("offscreen"));
    platforms << QStringLiteral("offscreen");
    return platforms.join(u';');
}

// Without a display the command line is still judged as Qt judges it, so that a wrong option is
// named as such and one of Qt's is not: only Qt knows its options, its platforms' included, and
// it takes them as it opens the display. So the program starts again, asking Qt for the same
// platforms and then the offscreen one, which always starts; that run takes Qt's options as this
// one would have, then answers or refuses the command line, or says there is no display.
// Returns only where the program cannot start again.
void judgeWithoutDisplay(const QString& reason) {
#if defined(Q_OS_UNIX)
    if (displayFailure || commandLine.size() < 2)
        return; // this is the run that judges, or there is nothing to judge
    if (::setenv(DisplayFailureVariable, reason.toLocal8Bit().constData(), 1) != 0)
        return;
    std::vector<std::string> arguments =
        choosingPlatforms(commandLine, failedPlatformsThenOffscreen());
    const std::vector<char*> pointers = pointersTo(arguments);
#if defined(Q_OS_LINUX)
    ::execv("/proc/self/exe", pointers.data());
#endif
    ::execvp(pointers.front(), pointers.data());
    ::unsetenv(DisplayFailureVariable);
#else
    Q_UNUSED(reason);
#endif
}

// The one line that replaces Qt's abort, with the first thing Qt said on its way there.
[[noreturn]] void reportNoDisplay() {
    if (displayFailure)
        sayNoDisplay(*displayFailure);
    const QString reason = heldMessages.empty() ? QStringLiteral("no platform plugin started")
                                                : heldMessages.front().text.simplified();
    judgeWithoutDisplay(reason);
    sayNoDisplay(reason);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg)
        reportNoDisplay();
    heldMessages.push_back({type, context.category ? context.category : "", text});
}

void passOnHeldMessages() {
    for (const HeldMessage& message : heldMessages)
        qt_message_output(message.type,
                          QMessageLogContext(nullptr, 0, nullptr, message.category.c_str()),
                          message.text);
    heldMessages.clear();
}

// Reads, and takes out of the environment, what the run that started this one found wrong with
// the display: only where this run is the one it started, with the offscreen platform last.
std::optional<QString> takeDisplayFailure(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet(DisplayFailureVariable))
        return std::nullopt;
    QString reason = qEnvironmentVariable(DisplayFailureVariable);
    qunsetenv(DisplayFailureVariable);
    const bool startedToJudge = argc >= 3 && std::string_view(argv[argc - 2]) == "-platform" &&
                                std::string_view(argv[argc - 1]).ends_with("offscreen");
    if (!startedToJudge)
        return std::nullopt;
    return reason;
}

} // namespace

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("molen"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOLEN_VERSION));
    // Docks and task bars find the desktop entry, and so the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOLEN_APP_ID));
}

std::optional<int> answerInformationRequest(int argc, char* argv[]) {
    const Request request = readRequest(argc, argv);
    // Among words that only Qt can judge, the application answers once Qt has taken its own.
    if (!request.information || request.unknownWords)
        return std::nullopt;
    QCommandLineParser parser;
    describeOptions(parser);
    if (request.all) {
        // Qt lists its options through the application that takes them, for windows too: here
        // one on the offscreen platform, which needs no display.
        std::vector<std::string> arguments =
            choosingPlatforms({argv, argv + argc}, QStringLiteral("offscreen"));
        std::vector<char*> pointers = pointersTo(arguments);
        int count = static_cast<int>(arguments.size());
        const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
        const QApplication app(count, pointers.data());
        qInstallMessageHandler(previous);
        heldMessages.clear(); // of the offscreen platform, which is no concern of the user's
        parser.process(app);  // prints the help and exits
        return EXIT_SUCCESS;
    }
    const QCoreApplication app(argc, argv); // the answer needs no display
    parser.process(app);                    // prints help or version and exits
    return EXIT_SUCCESS;
}

std::unique_ptr<QApplication> openApplication(int& argc, char* argv[]) {
    displayFailure = takeDisplayFailure(argc, argv);
    commandLine.assign(argv, argv + argc);
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    if (displayFailure) {
        // The run that judges the command line, on the offscreen platform: what Qt said of the
        // platforms it tried again is no news.
        heldMessages.clear();
        refuseOtherArguments(*app);
        sayNoDisplay(*displayFailure);
    }
    passOnHeldMessages();
    return app;
}

void refuseOtherArguments(const QApplication& app) {
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app); // answers --help, --help-all and --version, refuses unknown options
    if (!parser.positionalArguments().isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("molen: unexpected argument '%1'; see molen --help\n")
                                  .arg(parser.positionalArguments().constFirst())),
                   stderr);
        std::exit(EXIT_FAILURE);
    }
}

} // namespace molen
