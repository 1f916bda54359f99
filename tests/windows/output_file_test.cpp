// The one file writer's Win32 calls, run under Wine (or on Windows): what a save does to a new file,
// an existing one, a hard-linked one, a read-only one, a folder and a device.
#include "text/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <windows.h>

namespace {

class OutputFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QByteArray read(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(unreadable)");
    }
    // What the folder holds: a temporary file left behind shows here.
    QStringList names() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    static std::wstring native(const QString& file) { return QDir::toNativeSeparators(file).toStdWString(); }
};

TEST_F(OutputFile, NewAndExistingFilesAreWrittenWholeLeavingNoTemporary) {
    const QString file = path("PLU.TXT");
    for (const QByteArray& bytes :
         {QByteArray("first, and longer than the second\r\n"), QByteArray("second\r\n"), QByteArray()}) {
        EXPECT_EQ(writeOutputFile(file, bytes), QString());
        EXPECT_EQ(read(file), bytes);
        EXPECT_EQ(names(), QStringList{QStringLiteral("PLU.TXT")});
    }
}

// Replacing the file would leave the other name with the earlier contents.
TEST_F(OutputFile, AHardLinkedFileIsWrittenInPlaceSoEveryNameSeesIt) {
    const QString file = path("PLU.TXT");
    const QString other = path("copy.txt");
    ASSERT_EQ(writeOutputFile(file, "earlier"), QString());
    ASSERT_TRUE(CreateHardLinkW(native(other).c_str(), native(file).c_str(), nullptr));
    EXPECT_EQ(writeOutputFile(file, "new"), QString());
    EXPECT_EQ(read(file), "new");
    EXPECT_EQ(read(other), "new");
    EXPECT_EQ(names().size(), 2);
}

// Each refusal names the path, touches nothing, and leaves no file behind.
TEST_F(OutputFile, ReadOnlyFilesFoldersAndMissingFoldersAreRefused) {
    const QString readOnly = path("kept.txt");
    ASSERT_EQ(writeOutputFile(readOnly, "kept"), QString());
    ASSERT_TRUE(SetFileAttributesW(native(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    for (const QString& refused : {readOnly, path("folder"), path("missing/PLU.TXT")}) {
        const QString why = writeOutputFile(refused, "new");
        EXPECT_TRUE(why.startsWith(refused + QStringLiteral(": "))) << why.toStdString();
    }
    EXPECT_EQ(read(readOnly), "kept");
    EXPECT_EQ(names(), (QStringList{QStringLiteral("folder"), QStringLiteral("kept.txt")}));
    SetFileAttributesW(native(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A device is written as it stands: a replace would fail on it, or make a file of that name.
TEST_F(OutputFile, TheNullDeviceIsWrittenAsItStands) {
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(writeOutputFile(QStringLiteral("NUL"), "PLU\r\n"), QString());
    EXPECT_EQ(names(), QStringList());
}

} // namespace
