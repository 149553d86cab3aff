#include "ui/shell/tonalink_app.h"

int main(int argc, char** argv) {
    tonalink::CTonalinkApp app(argc, argv);
    return app.Run();
}
