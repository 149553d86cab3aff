// The windows need the application object, which gtest_main does not build; the
// tests run offscreen unless a display is asked for.

#include "recording_message_boxes.h"
#include "ui/shell/tonalink_app.h"

#include <gtest/gtest.h>

namespace tonalink::test {

RecordingMessageBoxes& messageBoxes() {
    static RecordingMessageBoxes boxes;
    return boxes;
}

} // namespace tonalink::test

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window it cannot raise or size.
void quietPlatformWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(quietPlatformWarnings);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    tonalink::CTonalinkApp app(argc, argv);
    app.setMessageBoxService(&tonalink::test::messageBoxes());
    return RUN_ALL_TESTS();
}
