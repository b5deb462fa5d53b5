// ScanFloat against std::from_chars on the same one million number texts: what the
// numeric fields' state machine (separator modes, exponent limit, clamping) costs over
// the bare standard conversion.
#include <VEK_NumIO.h>

#include <benchmark/benchmark.h>

#include <charconv>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int TextCount = 1'000'000;

// Plain, fractional and exponent forms with signs, as users type them.
struct Texts {
    std::vector<QString> qt;
    std::vector<std::string> ascii;

    Texts()
    {
        std::mt19937_64 random(20261208);
        std::uniform_real_distribution<double> mantissa(-1000.0, 1000.0);
        std::uniform_int_distribution<int> exponent(-30, 30);
        std::uniform_int_distribution<int> form(0, 2);
        qt.reserve(TextCount);
        ascii.reserve(TextCount);
        char buffer[64];
        for (int i = 0; i < TextCount; ++i) {
            const double value = mantissa(random);
            std::to_chars_result end{};
            switch (form(random)) {
            case 0: end = std::to_chars(buffer, buffer + sizeof buffer, std::llround(value * 1000)); break;
            case 1: end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6); break;
            default: {
                const int n = std::snprintf(buffer, sizeof buffer, "%.9gE%d", value, exponent(random));
                end.ptr = buffer + n;
            }
            }
            ascii.emplace_back(buffer, end.ptr);
            qt.push_back(QString::fromLatin1(ascii.back()));
        }
    }
};

const Texts& AllTexts()
{
    static const Texts texts;
    return texts;
}

void BM_ScanFloat(benchmark::State& state)
{
    const Texts& texts = AllTexts();
    for (auto _ : state) {
        double sum = 0;
        for (const QString& text : texts.qt) {
            qsizetype position = 1;
            sum += vek::ScanFloat(text, true, vek::smPoint, position);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * TextCount);
}
BENCHMARK(BM_ScanFloat)->Unit(benchmark::kMillisecond);

void BM_FromChars(benchmark::State& state)
{
    const Texts& texts = AllTexts();
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& text : texts.ascii) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * TextCount);
}
BENCHMARK(BM_FromChars)->Unit(benchmark::kMillisecond);

} // namespace
