#include <frame/baselib/files.h>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

using namespace vek;

namespace {

// Reads every line of `bytes`, recording the end-of-stream flag after each.
struct ReadResult {
    QStringList lines;
    QList<bool> ends;
};

ReadResult ReadAll(const QByteArray& bytes, bool trim = false)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadResult result;
    bool end = false;
    while (!end && result.lines.size() < 100) {
        result.lines << ReadLnStream(&buffer, end, trim);
        result.ends << end;
    }
    return result;
}

} // namespace

TEST(DirExists, FoldersOnly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_TRUE(DirExists(dir.path()));
    EXPECT_TRUE(DirExists(dir.path() + "/"));
    EXPECT_FALSE(DirExists(file.fileName()));
    EXPECT_FALSE(DirExists(dir.filePath("missing")));
    EXPECT_FALSE(DirExists(""));
}

TEST(ParentDir, TextualParents)
{
    EXPECT_EQ(ParentDir("/a/b/c"), "/a/b/");
    EXPECT_EQ(ParentDir("/a/b/c/"), "/a/b/");
    EXPECT_EQ(ParentDir("/a/"), "/");
    EXPECT_EQ(ParentDir("/a"), "/");
    EXPECT_EQ(ParentDir("/"), "");
    EXPECT_EQ(ParentDir("//"), "");
    EXPECT_EQ(ParentDir(""), "");
    EXPECT_EQ(ParentDir("a/b"), "a/");
    EXPECT_EQ(ParentDir("a"), "");
    EXPECT_EQ(ParentDir("C:/"), "");
    EXPECT_EQ(ParentDir("/a//b"), "/a//");
    EXPECT_EQ(ParentDir(QString::fromUtf8("/wäre/dir ü")), QString::fromUtf8("/wäre/"));
}

TEST(ParentDir, RepeatedApplicationAlwaysEndsInEmptyText)
{
    const QStringList paths{"/home/user/docs/", "/a//b///", "relative/path/x", "../..",
                            "./", "/", "", "C:/Program Files/x", "name"};
    for (const QString& start : paths) {
        QString path = start;
        int steps = 0;
        while (!path.isEmpty() && steps <= start.size()) {
            const QString parent = ParentDir(path);
            EXPECT_LT(parent.size(), path.size()) << qPrintable(path);
            path = parent;
            ++steps;
        }
        EXPECT_TRUE(path.isEmpty()) << qPrintable(start);
    }
}

TEST(ParentDir, ChainOfAFolderPath)
{
    QStringList chain;
    for (QString path = "/a/b/c/"; !path.isEmpty();)
        chain << (path = ParentDir(path));
    EXPECT_EQ(chain, QStringList({"/a/b/", "/a/", "/", ""}));
}

TEST(InventPassword, LengthAndAlphabet)
{
    EXPECT_EQ(InventPassword(0), "");
    EXPECT_EQ(InventPassword(-3), "");
    const QString password = InventPassword(2000);
    ASSERT_EQ(password.size(), 2000);
    bool hasUpper = false, hasLower = false, hasDigit = false;
    for (QChar c : password) {
        ASSERT_LT(c.unicode(), 128);
        ASSERT_TRUE(c.isLetterOrNumber()) << int(c.unicode());
        hasUpper |= c.isUpper();
        hasLower |= c.isLower();
        hasDigit |= c.isDigit();
    }
    EXPECT_TRUE(hasUpper && hasLower && hasDigit);
    EXPECT_NE(InventPassword(32), InventPassword(32));
}

TEST(ReadLnStream, AllLineEndStyles)
{
    const ReadResult r = ReadAll("one\ntwo\r\nthree\rfour");
    EXPECT_EQ(r.lines, QStringList({"one", "two", "three", "four"}));
    EXPECT_EQ(r.ends, QList<bool>({false, false, false, true}));
}

TEST(ReadLnStream, FinalLineEndAddsNoLine)
{
    EXPECT_EQ(ReadAll("a\n").lines, QStringList({"a"}));
    EXPECT_EQ(ReadAll("a\r\n").lines, QStringList({"a"}));
    EXPECT_EQ(ReadAll("a\n\n").lines, QStringList({"a", ""}));
    EXPECT_EQ(ReadAll("\r\r\n").lines, QStringList({"", ""}));
    const ReadResult empty = ReadAll("");
    EXPECT_EQ(empty.lines, QStringList({""}));
    EXPECT_EQ(empty.ends, QList<bool>({true}));
}

TEST(ReadLnStream, Utf8AndByteOrderMark)
{
    const QByteArray text = "\xEF\xBB\xBF<replist id=\"\xC3\xA4\">\n\xF0\x9F\x98\x80 z";
    const ReadResult r = ReadAll(text);
    EXPECT_EQ(r.lines, QStringList({QString::fromUtf8("<replist id=\"ä\">"),
                                    QString::fromUtf8("\xF0\x9F\x98\x80 z")}));
}

TEST(ReadLnStream, LinesLongerThanTheReadAhead)
{
    const QByteArray first(10000, 'x');
    const QByteArray second(4095, 'y'); // its CR falls on the last byte of a look-ahead
    const ReadResult r = ReadAll(first + "\n" + second + "\r\nz");
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_EQ(r.lines[0], QString(first));
    EXPECT_EQ(r.lines[1], QString(second));
    EXPECT_EQ(r.lines[2], "z");
}

TEST(ReadLnStream, TrimFlagRemovesTrailingBlanksOnly)
{
    EXPECT_EQ(ReadAll("  ab \t\ncd").lines, QStringList({"  ab \t", "cd"}));
    EXPECT_EQ(ReadAll("  ab \t\ncd", true).lines, QStringList({"  ab", "cd"}));
    EXPECT_EQ(ReadAll(" \t \n", true).lines, QStringList({""}));
}

TEST(ReadLnStream, MissingOrClosedStream)
{
    bool end = false;
    EXPECT_EQ(ReadLnStream(nullptr, end, false), "");
    EXPECT_TRUE(end);
    QBuffer closed;
    closed.setData("text");
    end = false;
    EXPECT_EQ(ReadLnStream(&closed, end, false), "");
    EXPECT_TRUE(end);
}
