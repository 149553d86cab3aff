// Keystroke to preview on the main form: every key typed into the message runs the
// whole preview (collect, convert, encode, show). A 1,000-character message is
// typed key by key; the counters give the median and the worst key.

#include "core/app/program_state.h"
#include "core/modem/line_sink.h"
#include "ui/form/form_ids.h"
#include "ui/form/tonalink_view.h"
#include "ui/shell/tonalink_app.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/dialog_units.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

using namespace tonalink;

namespace {

class NoModem : public LineSink {
public:
    bool isOpen() const override { return true; }
    bool writeLine(const std::string&) override { return true; }
};

// The state the application object owns, around one form on the sample data.
struct SampleForm {
    ProgramState programState{TONALINK_SAMPLE_DATA_DIR, QDir::tempPath().toStdString()};
    NoModem modem;
    CommandDispatcher commands;
    CTonalinkView view{programState, modem, commands};
};

// The deferred work of the form's first clock tick: list call.dat's pager types
// and fill the box, show or hide the option buttons.
void BM_FirstTickLists(benchmark::State& state) {
    SampleForm form;
    form.view.show();
    for (auto _ : state)
        form.view.RefreshFormLists(false);
}
BENCHMARK(BM_FirstTickLists)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeToPreview(benchmark::State& state) {
    SampleForm form;
    CTonalinkView& view = form.view;
    view.show();
    view.RefreshFormLists(false);
    auto* types = qobject_cast<QComboBox*>(GetDlgItem(&view, form_id::kPagerType));
    types->setCurrentIndex(types->findText(QString::fromUtf8("フリーワード標準")));
    view.OnSelChangePagerType();
    auto* message = qobject_cast<QPlainTextEdit*>(GetDlgItem(&view, form_id::kMessage));

    const QString kana = QString::fromUtf8("アイウエオカキクケコサシスセソタチツテト");
    const int length = static_cast<int>(state.range(0));
    std::vector<double> keyMicros;
    for (auto _ : state) {
        state.PauseTiming();
        message->clear();
        state.ResumeTiming();
        for (int i = 0; i < length; ++i) {
            const auto start = std::chrono::steady_clock::now();
            QTest::sendKeyEvent(QTest::Click, message, Qt::Key_unknown,
                                QString(kana[i % kana.size()]), Qt::NoModifier);
            keyMicros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(keyMicros.begin(), keyMicros.end());
    state.counters["median_key_us"] = keyMicros[keyMicros.size() / 2];
    state.counters["worst_key_us"] = keyMicros.back();
    state.counters["keys"] = static_cast<double>(keyMicros.size());
}
BENCHMARK(BM_KeystrokeToPreview)->Arg(1000)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    CTonalinkApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
