// The program form: pbedit [--dir DIR].

#include "open_editor.h"
#include "platform/ui_language.h"
#include "ui/widgets/program_icon.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: pbedit [--dir DIR]\n"
    "Tonalink phone-book editor: the callees of maddress.dat, CSV import and export.\n"
    "  --dir DIR   folder of maddress.dat and call.dat (default: the current folder)\n"
    "  -h, --help  show this text\n"
    "One editor per folder: a second start brings the first one to the front.\n";

} // namespace

int main(int argc, char** argv) {
    // Read before the application exists, so --help works without a display.
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(arg, "--dir") == 0 && i + 1 < argc) {
            dir = argv[++i];
        } else if (std::strncmp(arg, "--dir=", 6) == 0) {
            dir = arg + 6;
        } else {
            std::fprintf(stderr, "pbedit: unexpected argument %s\n%s", arg, kUsage);
            return 2;
        }
    }
    QApplication app(argc, argv);
    tonalink::installTranslations(app, {"tonalink", "components"});
    app.setWindowIcon(tonalink::programIcon());
    tonalink::runPbEdit(dir);
    return 0;
}
