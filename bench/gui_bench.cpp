// How long the main window takes to redraw the code: the Draw command, a resize and the release of a
// spinner arrow all redraw, and each must fit well within one frame at 60 Hz (16.7 ms).

#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "ui/window1.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

using namespace quillmark;

namespace {

// Five parts of 65534 (fifteen wide bars each) in five colours, at the largest magnification and height,
// with the widest margin: the longest code the limits allow, with four colour-change gaps.
CodeModel WorstCase(Globals& globals)
{
    CodeModel model;
    SetInitialState(model, globals);
    model.parts = {"65534", "65534", "65534", "65534", "65534"};
    model.colours = {Rgb{255, 0, 0}, Rgb{0, 160, 0}, Rgb{0, 0, 255}, Rgb{0, 0, 0}, Rgb{230, 120, 0}};
    model.magText = "500";
    model.heightText = "100";
    model.marginText = "30";
    return model;
}

struct ShownWindow {
    Globals globals;
    std::unique_ptr<Window1> window;

    ShownWindow()
    {
        window = std::make_unique<Window1>(globals);
        window->setModel(WorstCase(globals));
        window->show();
        QApplication::processEvents();
    }
};

// DrawTheCode: field rules, rendering at five pixels per point, reduction, and the repaint of the code area.
void BM_DrawTheCodeWorstCase(benchmark::State& state)
{
    ShownWindow shown;
    for (auto _ : state)
        shown.window->DrawTheCode();
    // The size of the code drawn, to show that it is the worst case.
    if (shown.globals.theSurfacePic) {
        state.counters["code_width_px"] = shown.globals.theSurfacePic->width();
        state.counters["code_height_px"] = shown.globals.theSurfacePic->height();
    }
}

// One tick of a held spinner arrow (a step, no redraw) followed by its release (a redraw).
void BM_SpinnerStepAndRelease(benchmark::State& state)
{
    ShownWindow shown;
    auto* height = shown.window->findChild<QLineEdit*>(QStringLiteral("HeightText"));
    bool up = false;
    for (auto _ : state) {
        height->setText(up ? QStringLiteral("100") : QStringLiteral("95"));
        up = !up;
        shown.window->DrawTheCode();
    }
}

// A resize by the user: the layout moves the right column and widens the code area, then the code is
// redrawn.
void BM_ResizeWorstCase(benchmark::State& state)
{
    ShownWindow shown;
    const QSize base = shown.window->size();
    int grow = 0;
    for (auto _ : state) {
        grow = (grow + 7) % 200;
        shown.window->resize(base.width() + 1 + grow, base.height());
        QApplication::processEvents();
    }
}

BENCHMARK(BM_DrawTheCodeWorstCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpinnerStepAndRelease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeWorstCase)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
