#include "program/command_line.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

#include "command_line_texts.h"
#include "program_facts.h"

namespace troven {
namespace {

constexpr int kUsageError = 2;
constexpr qsizetype kLineWidth = 79;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Greedy word wrap: the parser prints the description as it is given.
QString wrapped(const QString& paragraph) {
    QString result;
    qsizetype lineLength = 0;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > kLineWidth) {
            result += QLatin1Char('\n');
            lineLength = 0;
        } else if (lineLength > 0) {
            result += QLatin1Char(' ');
            ++lineLength;
        }
        result += word;
        lineLength += word.size();
    }
    return result;
}

// Qt's own options, which QApplication takes off the command line (single or double dash):
// those followed by a value, those standing alone, and those written word=value.
const QStringList kQtOptionsWithValue =
    QStringLiteral(
        "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
        "qwindowtitle session style stylesheet display geometry title icon name visual")
        .split(u' ');
const QStringList kQtFlags =
    QStringLiteral("reverse widgetcount sync nograb dograb testability").split(u' ');
const QStringList kQtOptionsWithEquals =
    QStringLiteral("style= stylesheet= qmljsdebugger= dialogs= fontengine=").split(u' ');

// The arguments as they will be once QApplication has taken its own: the program's own options
// can then be checked before a display is needed. An option of Qt's that the platform chosen
// leaves in place is refused later, once QApplication has run.
QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(QLatin1Char('-'))) {
            rest << argument;
            continue;
        }
        const QString word = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (kQtOptionsWithValue.contains(word)) {
            ++i;
        } else if (!kQtFlags.contains(word) &&
                   std::none_of(kQtOptionsWithEquals.begin(), kQtOptionsWithEquals.end(),
                                [&](const QString& prefix) { return word.startsWith(prefix); })) {
            rest << argument;
        }
    }
    return rest;
}

void print(std::FILE* stream, const QString& message) {
    std::fputs(message.toLocal8Bit().constData(), stream);
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            text(command_line_texts::kHelp)};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               text(command_line_texts::kVersionOption)};

    explicit Parser(const QStringList& arguments) {
        // Qt's own options are single-dash words (-platform, -reverse): never letters run together.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QStringLiteral("%1: %2.\n\n%3\n\n%4")
                                             .arg(text(facts::kProgramName),
                                                  text(command_line_texts::kSummary),
                                                  wrapped(text(command_line_texts::kScoreFile)),
                                                  wrapped(text(command_line_texts::kSoundFiles))));
        parser.addOption(help);
        parser.addOption(version);
        parser.parse(arguments);
    }

    QString helpText() const {
        // Without an application object the parser does not know the program's name.
        QString usage = parser.helpText();
        usage.replace(QStringLiteral("<executable_name>"), text(command_line_texts::kName));
        return usage;
    }
};

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
    const Parser parsed(arguments);
    if (parsed.parser.isSet(parsed.help)) {
        print(stdout, parsed.helpText());
    } else if (parsed.parser.isSet(parsed.version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(text(command_line_texts::kName),
                                                    text(command_line_texts::kVersion)));
    } else {
        return refuseUnknownArguments(withoutQtOptions(arguments));
    }
    return 0;
}

std::optional<int> refuseUnknownArguments(const QStringList& arguments) {
    const Parser parsed(arguments);
    QString error = parsed.parser.errorText();
    const QStringList extra = parsed.parser.positionalArguments();
    if (error.isEmpty() && !extra.isEmpty()) {
        error = QStringLiteral("Unexpected argument: %1").arg(extra.first());
    }
    if (error.isEmpty()) return std::nullopt;
    print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                      .arg(text(command_line_texts::kName), error));
    return kUsageError;
}

}  // namespace troven
