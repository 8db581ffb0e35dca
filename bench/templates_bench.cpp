// The template scan at start-up: a folder of 5,000 files, a few of them templates and the rest anything
// (random bytes of every size, other programs' EPS files), against an empty folder. The scan reads only the
// start of each file, so the full folder must cost less than 100 ms more than the empty one, and it must list
// exactly the templates.

#include "documents/templates.h"
#include "eps/ps_standard.h"
#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "preview/dos_eps.h"
#include "render/screen.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <random>
#include <string>

namespace {

using namespace quillmark;

constexpr int FILE_COUNT = 5000;
constexpr int TEMPLATE_COUNT = 5;
constexpr double MAX_EXTRA_MS = 100;

std::string MakeDocument(const std::string& part, Rgb colour, const std::string& mag)
{
    CodeModel model;
    Globals globals;
    SetInitialState(model, globals);
    model.parts[0] = part;
    model.colours[0] = colour;
    model.magText = mag;
    RenderScreenCode(model, globals);
    const std::tm when{};
    return PS_Standard(model, globals, when);
}

bool Write(const QString& path, const std::string& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

struct Folders {
    QTemporaryDir root;
    QString empty;
    QString full;
    QStringList templates; // the names the scan must list, in name order
    bool ready = false;
};

// Made once for every benchmark of the run.
const Folders& TheFolders()
{
    static const std::unique_ptr<Folders> folders = [] {
        auto made = std::make_unique<Folders>();
        QDir root(made->root.path());
        if (!made->root.isValid() || !root.mkdir("empty") || !root.mkdir("Templates")) return made;
        made->empty = root.filePath("empty");
        made->full = root.filePath("Templates");

        std::mt19937 random(2024);
        auto bytes = [&random](std::size_t size) {
            std::string text(size, '\0');
            for (char& c : text)
                c = static_cast<char>(random());
            return text;
        };
        const std::string someDocument = MakeDocument("3", BLACK, "100");
        const std::string otherPostScript =
            "%!PS-Adobe-3.0 EPSF-3.0\r%%Creator: another program\r" + std::string(3000, '%') + "\r%%EOF";
        const std::string tiff(someDocument.substr(30, 2000));
        const std::string otherDosEps =
            myEPSTIFFHeader(2000, 0, 2000 + static_cast<std::int32_t>(otherPostScript.size())) + tiff +
            otherPostScript;

        // Templates spread through the listing, every other one with an upper-case initial.
        const int every = FILE_COUNT / TEMPLATE_COUNT;
        int made_templates = 0;
        for (int i = 0; i < FILE_COUNT; ++i) {
            const QString number = QString::number(i).rightJustified(5, '0');
            bool ok = true;
            if (i % every == every / 2) {
                const QString name =
                    QString(made_templates % 2 ? "Carton %1.eps" : "carton %1.eps").arg(number);
                const std::string document =
                    MakeDocument(std::to_string(3 + 1000 * made_templates), Rgb{200, 0, 0},
                                 std::to_string(100 + 50 * made_templates));
                ok = Write(root.filePath("Templates/" + name), document);
                made->templates << name;
                ++made_templates;
            } else if (i % 97 == 0) {
                ok = Write(root.filePath("Templates/other " + number + ".eps"), otherDosEps);
            } else if (i % 89 == 0) {
                // A DOS EPS marker in front of random bytes: a header that points anywhere.
                ok = Write(root.filePath("Templates/marked " + number + ".eps"),
                           "\xC5\xD0\xD3\xC6" + bytes(26 + random() % 5000));
            } else if (i % 500 == 0) {
                ok = Write(root.filePath("Templates/large " + number + ".bin"), bytes(1 << 20));
            } else {
                const std::size_t size = i % 10 == 0 ? 4096 + random() % 65536 : random() % 4096;
                ok = Write(root.filePath("Templates/file " + number + ".dat"), bytes(size));
            }
            if (!ok) return made;
        }
        made->ready = true;
        return made;
    }();
    return *folders;
}

void BM_ScanEmptyFolder(benchmark::State& state)
{
    const Folders& folders = TheFolders();
    if (!folders.ready) {
        state.SkipWithError("the folders could not be made");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanTemplates({folders.empty}));
}
BENCHMARK(BM_ScanEmptyFolder)->Unit(benchmark::kMillisecond);

void BM_ScanFolderOf5000Files(benchmark::State& state)
{
    const Folders& folders = TheFolders();
    if (!folders.ready) {
        state.SkipWithError("the folders could not be made");
        return;
    }
    for (auto _ : state) {
        const QList<TemplateEntry> found = ScanTemplates({folders.full});
        QStringList names;
        for (const TemplateEntry& entry : found)
            names << entry.name;
        if (names != folders.templates) {
            state.SkipWithError("the scan did not list exactly the templates");
            return;
        }
    }
    state.counters["files"] = FILE_COUNT;
    state.counters["templates"] = static_cast<double>(folders.templates.size());
}
BENCHMARK(BM_ScanFolderOf5000Files)->Unit(benchmark::kMillisecond);

// What the 5,000 files add to start-up: each iteration times both scans and counts the difference. Fails
// when it reaches 100 ms on average.
void BM_ExtraCostOf5000Files(benchmark::State& state)
{
    const Folders& folders = TheFolders();
    if (!folders.ready) {
        state.SkipWithError("the folders could not be made");
        return;
    }
    using Clock = std::chrono::steady_clock;
    double worstMs = 0;
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(ScanTemplates({folders.empty}));
        const auto middle = Clock::now();
        const qsizetype found = ScanTemplates({folders.full}).size();
        const auto end = Clock::now();
        const std::chrono::duration<double> extra = (end - middle) - (middle - start);
        state.SetIterationTime(std::max(extra.count(), 0.0));
        worstMs = std::max(worstMs, extra.count() * 1000);
        totalMs += extra.count() * 1000;
        if (found != folders.templates.size()) {
            state.SkipWithError("the scan did not list exactly the templates");
            return;
        }
    }
    const double meanMs = totalMs / static_cast<double>(state.iterations());
    state.counters["mean_extra_ms"] = meanMs;
    state.counters["worst_extra_ms"] = worstMs;
    if (meanMs >= MAX_EXTRA_MS) state.SkipWithError("5,000 files add 100 ms or more to the scan");
}
BENCHMARK(BM_ExtraCostOf5000Files)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
