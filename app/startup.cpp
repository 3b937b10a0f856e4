// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace molen {
namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(MOLEN_DESCRIPTION));
    // Words after one dash are whole options, as Qt's own are: "-reverse" is no "-v".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
}

// Whether the command line asks for --help or --version, as the parser that answers reads it.
// --help-all is left to the application, whose help lists Qt's options for windows too.
bool asksForInformation(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments); // Qt's own options are unknown here, which does not matter
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"));
}

// Messages from the toolkit while it looks for a display: held back, because a failed search
// ends in a fatal message that Qt follows with an abort, and then only one line is wanted.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// The one line that replaces Qt's abort, with the first thing Qt said on its way there.
[[noreturn]] void reportNoDisplay() {
    QString reason = heldMessages.empty() ? QStringLiteral("no platform plugin started")
                                          : heldMessages.front().text.simplified();
    const QString line = QStringLiteral("molen: cannot open a window: no display that Qt can use "
                                        "was found (%1); to run it without one, use \"xvfb-run "
                                        "molen\"\n")
                             .arg(reason);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
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

} // namespace

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("molen"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOLEN_VERSION));
    // Docks and task bars find the desktop entry, and so the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOLEN_APP_ID));
}

std::optional<int> answerInformationRequest(int argc, char* argv[]) {
    if (!asksForInformation(argc, argv))
        return std::nullopt;
    const QCoreApplication app(argc, argv); // the answer needs no display
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app); // prints help or version and exits
    return EXIT_SUCCESS;
}

std::unique_ptr<QApplication> openApplication(int& argc, char* argv[]) {
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    passOnHeldMessages();
    return app;
}

void refuseOtherArguments(const QApplication& app) {
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("molen: unexpected argument '%1'; see molen --help\n")
                                  .arg(parser.positionalArguments().constFirst())),
                   stderr);
        std::exit(EXIT_FAILURE);
    }
}

} // namespace molen
