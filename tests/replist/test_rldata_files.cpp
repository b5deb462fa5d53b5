// Report list files under faults: saving where the folder refuses new files, where it
// has gone, and where the disk fills up keeps the old file; reading truncated, absurdly
// declared, entity-laden, binary and endless input gives false quickly, with the data
// unchanged and the memory in bounds.
#include "rldata_fixture.h"

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace vek;
using namespace rldatatest;

namespace {

QByteArray Contents(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Drops the rights that ignore file permissions while it lives, so that a test run as
// root meets the same refusals as a user does.
class ScopedUnprivileged {
public:
    ScopedUnprivileged()
    {
        if (geteuid() != 0)
            return;
        const passwd* nobody = getpwnam("nobody");
        FDropped = nobody && seteuid(nobody->pw_uid) == 0;
    }
    ~ScopedUnprivileged()
    {
        if (FDropped)
            EXPECT_EQ(seteuid(0), 0);
    }

private:
    bool FDropped = false;
};

// Files written by this process end at Limit bytes, as on a full disk: a write past it
// fails (EFBIG) instead of raising SIGXFSZ.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t limit)
    {
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit reduced = FOld;
        reduced.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &reduced);
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }

private:
    rlimit FOld{};
    void (*FOldHandler)(int);
};

class RLDataFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillColumns(data, {{"old", "rows"}});
        ASSERT_TRUE(data.SaveAsXMLFile(fileName, ""));
        saved = Contents(fileName);
        FillColumns(data, {QStringList(2000, "a newer and much longer text")});
    }

    QTemporaryDir dir;
    const QString fileName = dir.filePath("list.xml");
    TRLData data;
    QByteArray saved;
};

TEST_F(RLDataFiles, SaveIntoAReadOnlyFolderKeepsTheOldFile)
{
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
    bool written;
    {
        ScopedUnprivileged user;
        written = data.SaveAsXMLFile(fileName, "");
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(fileName), saved);
}

TEST_F(RLDataFiles, SaveIntoAVanishedFolderFails)
{
    const QString folder = dir.filePath("gone");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QDir().rmdir(folder));
    EXPECT_FALSE(data.SaveAsXMLFile(folder + "/list.xml", ""));
    EXPECT_FALSE(QFile::exists(folder));
}

TEST_F(RLDataFiles, SaveOntoAFullDiskKeepsTheOldFile)
{
    bool written;
    {
        ScopedFileSizeLimit full(4096);
        written = data.SaveAsXMLFile(fileName, "");
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(fileName), saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.xml"}); // no leftovers
}

// The peak memory of the process while action runs, above what it held before.
qint64 PeakGrowthKiB(const std::function<void()>& action)
{
    const auto status = [](const char* key) {
        for (const QByteArray& line : Contents("/proc/self/status").split('\n'))
            if (line.startsWith(key))
                return line.mid(qstrlen(key)).trimmed().split(' ').first().toLongLong();
        return 0LL;
    };
    QFile resetPeak("/proc/self/clear_refs");
    if (resetPeak.open(QIODevice::WriteOnly))
        resetPeak.write("5");
    const qint64 before = status("VmRSS:");
    action();
    return status("VmHWM:") - before;
}

class RLDataHostileInput : public ::testing::Test {
protected:
    void SetUp() override { FillColumns(data, {{"keep", "me"}}); }

    // Reading bytes from a file gives false within a second, changes nothing and
    // claims no more than 64 MB on the way.
    void ExpectRefused(const QByteArray& bytes, const char* what)
    {
        const QString name = dir.filePath("input.xml");
        WriteFile(name, bytes);
        ExpectFileRefused(name, what);
    }

    void ExpectFileRefused(const QString& name, const char* what)
    {
        SCOPED_TRACE(what);
        QElapsedTimer clock;
        clock.start();
        bool read = true;
        const qint64 growth = PeakGrowthKiB([&] { read = data.LoadFromXMLFile(name, ""); });
        EXPECT_FALSE(read);
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_LT(growth, 64 * 1024);
        EXPECT_EQ(StoredColumn(data, 1), QStringList({"keep", "me"}));
    }

    QTemporaryDir dir;
    TRLData data;
};

TEST_F(RLDataHostileInput, TruncatedAnywhere)
{
    TRLData source;
    FillColumns(source, {{"one", "two", "three"}, {"x", "", "z"}});
    const QString name = dir.filePath("whole.xml");
    ASSERT_TRUE(source.SaveAsXMLFile(name, ""));
    const QByteArray whole = Contents(name);
    const qsizetype end = whole.lastIndexOf("</replist>");
    for (qsizetype length = 0; length < end; length += 7)
        ExpectRefused(whole.left(length), "truncated");
}

TEST_F(RLDataHostileInput, DeclaredCountsOfABillion)
{
    const QByteArray head = "<?xml version=\"1.0\"?>\n<replist id=\"x\" suite=\"tarnwheel\" version=\"1\">";
    ExpectRefused(head + "<numcols>1</numcols><numrows>1000000000</numrows>"
                         "<colname col=\"1\">A</colname><row/><endreplist/></replist>",
                  "a billion rows");
    ExpectRefused(head + "<numcols>1000000000</numcols><numrows>1</numrows>"
                         "<colname col=\"1\">A</colname><row/><endreplist/></replist>",
                  "a billion columns");
}

TEST_F(RLDataHostileInput, EntityExpansion)
{
    QByteArray entities = "<!ENTITY e0 \"laughing out loud\">";
    for (int level = 1; level <= 10; ++level)
        entities += QByteArray("<!ENTITY e%1 \"").replace("%1", QByteArray::number(level)) +
                    QByteArray("&e%1;").replace("%1", QByteArray::number(level - 1)).repeated(10) +
                    "\">";
    ExpectRefused("<?xml version=\"1.0\"?><!DOCTYPE replist [" + entities +
                      "]><replist id=\"x\" suite=\"tarnwheel\" version=\"1\"><numcols>1</numcols>"
                      "<numrows>1</numrows><colname col=\"1\">&e10;</colname><row/><endreplist/>"
                      "</replist>",
                  "a billion laughs");
}

TEST_F(RLDataHostileInput, BinaryAndEndlessInput)
{
    QByteArray noise(1 << 20, '\0');
    QRandomGenerator random(21);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    ExpectRefused(noise, "random bytes");
    ExpectRefused(QByteArray(1 << 20, '\0'), "zeros");
    ExpectFileRefused("/dev/zero", "an endless device");
    ExpectFileRefused(dir.path(), "a folder");
}

TEST_F(RLDataHostileInput, LinesFromBinaryAndEndlessFiles)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(data.LoadLinesFromFile(1, 1, "/dev/zero"), -1);
    EXPECT_EQ(data.LoadLinesFromFile(1, 1, dir.path()), -1);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({"keep", "me"}));

    // Binary bytes are lines like any other: read, each cell holding what it can.
    const QString name = dir.filePath("binary");
    QByteArray bytes(4096, '\0');
    QRandomGenerator(5).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    WriteFile(name, bytes);
    const int lines = data.LoadLinesFromFile(1, 1, name);
    EXPECT_GT(lines, 0);
    EXPECT_EQ(data.NrOfRows(), std::max(2, lines));
}

} // namespace
