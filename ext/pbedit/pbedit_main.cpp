// The program form: pbedit [--dir DIR].

#include "open_editor.h"
#include "platform/qt_translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Parsed before the application exists, so --help works without a display.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tonalink phone-book editor (maddress.dat)"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption dir(QStringLiteral("dir"),
                                 QStringLiteral("Folder of maddress.dat and call.dat (default: "
                                                "the current folder)."),
                                 QStringLiteral("DIR"));
    parser.addOption(dir);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "pbedit: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    tonalink::installQtJapanese(app);
    tonalink::runPbEdit(parser.value(dir).toStdString());
    return 0;
}
