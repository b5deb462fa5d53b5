// Feeds every file under fuzz/corpus/<target>/ (the seeds and the inputs that once broke
// a target) to that target's entry point, compiled with the normal compiler: the fuzz
// targets' properties hold for them in every build, clang or not.
#include "fuzzinput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

#define VEK_FUZZ_TARGET(name)                                                              \
    extern "C" int VekFuzz_##name##_TestOneInput(const uint8_t*, size_t);                  \
    extern "C" [[gnu::weak]] int VekFuzz_##name##_Initialize(int*, char***);
#include "replay_targets.inc"
#undef VEK_FUZZ_TARGET

namespace {

struct FuzzTarget {
    const char* name;
    int (*testOneInput)(const uint8_t*, size_t);
    int (*initialize)(int*, char***); // null when the target needs none
};

#define VEK_FUZZ_TARGET(name)                                                              \
    FuzzTarget{#name, VekFuzz_##name##_TestOneInput, VekFuzz_##name##_Initialize},
const FuzzTarget Targets[] = {
#include "replay_targets.inc"
};
#undef VEK_FUZZ_TARGET

void PrintTo(const FuzzTarget& target, std::ostream* out)
{
    *out << target.name;
}

class FuzzReplay : public testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzReplay, EveryCorpusFilePasses)
{
    const FuzzTarget& target = GetParam();
    if (target.initialize)
        target.initialize(nullptr, nullptr);
    const QDir corpus(QStringLiteral(VEK_FUZZ_CORPUS_DIR "/") + QLatin1String(target.name));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty()) << "no seeds in " << qPrintable(corpus.path());
    for (const QString& name : files) {
        SCOPED_TRACE(qPrintable(name));
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        try {
            EXPECT_EQ(target.testOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                          size_t(bytes.size())),
                      0);
        } catch (const vekfuzz::PropertyBroken& broken) {
            ADD_FAILURE() << broken.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, FuzzReplay, testing::ValuesIn(Targets),
                         [](const testing::TestParamInfo<FuzzTarget>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
