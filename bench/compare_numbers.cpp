// Number scanning beside QString::toDouble: the numeric fields' ScanFloat and Qt's
// conversion read the same 1,000,000 texts, the shortest decimal forms of values over
// many magnitudes ("-0.000123", "4.5e+17", "812"). ScanFloat beside std::from_chars is
// measured in numio_scanfloat.cpp.
#include <VEK_NumIO.h>

#include <benchmark/benchmark.h>

#include <QString>

#include <cmath>
#include <random>
#include <vector>

namespace {

const std::vector<QString>& NumberTexts()
{
    static const std::vector<QString> texts = [] {
        std::mt19937_64 random(17);
        std::uniform_real_distribution<double> digits(-1e4, 1e4);
        std::uniform_int_distribution<int> scale(-12, 12);
        std::vector<QString> all;
        all.reserve(1000000);
        for (int i = 0; i < 1000000; ++i)
            all.push_back(QString::number(digits(random) * std::pow(10.0, scale(random)), 'g', 9));
        return all;
    }();
    return texts;
}

void BM_ScanFloatOfNumberTexts(benchmark::State& state)
{
    const std::vector<QString>& texts = NumberTexts(); // made before the clock runs
    for (auto _ : state) {
        double sum = 0;
        for (const QString& text : texts) {
            qsizetype position = 1;
            sum += vek::ScanFloat(text, true, vek::smPoint, position);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ScanFloatOfNumberTexts)->Unit(benchmark::kMillisecond);

void BM_QStringToDouble(benchmark::State& state)
{
    const std::vector<QString>& texts = NumberTexts();
    for (auto _ : state) {
        double sum = 0;
        for (const QString& text : texts)
            sum += text.toDouble();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_QStringToDouble)->Unit(benchmark::kMillisecond);

} // namespace
