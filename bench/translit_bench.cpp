// Converting a 400-character typed line, the transliteration file read from
// disk afresh for every conversion as the conversion keys do.
#include "config/translit.h"
#include "fakes/fake_platform.h"
#include "qt_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A line of `pattern` repeated to 400 characters.
std::string typedLine(const std::u32string& pattern) {
    std::string line;
    for (std::size_t i = 0; i < 400; ++i)
        line += QString::fromUcs4(&pattern[i % pattern.size()], 1).toStdString();
    return line;
}

// `how`: 0 Latin to Cyrillic, 1 Cyrillic to Latin, 2 layout swap.
void BM_Convert(benchmark::State& state) {
    QTemporaryDir dir;
    const QString startDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile file(vz::TranslitFileName);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::fromStdString(vz::fake::shippedFile(vz::TranslitFileName)));
    file.close();
    vz::QtFileSystem files;
    vz::fake::FakeDesktop desktop;
    const int how = static_cast<int>(state.range(0));
    const std::string line = typedLine(how == 1 ? U"Щука шукає їжу, а ми щастя. "
                                                : U"Shchuka shukaye yizhu, a my schastya. ");
    for (auto _ : state) {
        if (how == 2)
            benchmark::DoNotOptimize(vz::SwapLayout(files, desktop, line));
        else
            benchmark::DoNotOptimize(vz::Translit(files, line, how == 1));
    }
    QDir::setCurrent(startDir);
}
BENCHMARK(BM_Convert)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
