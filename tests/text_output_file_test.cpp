// The one file writer on POSIX systems: devices, pipes and sockets written as they are, symlinks
// kept, a file shared with others written in place, and the writes of a second user.
#include "tests/support/SpecialFiles.h"
#include "text/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sstream>
#include <sys/wait.h>
#include <sys/xattr.h>

namespace {

class OutputFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    static QString write(const std::string& path, const QByteArray& bytes) {
        return writeOutputFile(QString::fromStdString(path), bytes);
    }
    static QByteArray contents(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    // What the folder holds besides the names given: a temporary file left behind shows here.
    QStringList others(const QStringList& known) const {
        QStringList names =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : known)
            names.removeAll(name);
        return names;
    }
};

// A rename over a device would make it a regular file for every program of the machine.
TEST_F(OutputFile, DevicesAndPipesAreWrittenAsTheyAre) {
    const std::string null = path("null");
    MAKE_NULL_DEVICE_OR_SKIP(null);
    EXPECT_EQ(write(null, "PLU\r\n"), QString());
    EXPECT_EQ(specialfiles::kindOf(null), 'c');

    const std::string link = path("quiet");
    ASSERT_EQ(symlink(null.c_str(), link.c_str()), 0);
    EXPECT_EQ(write(link, "PLU\r\n"), QString());
    EXPECT_EQ(specialfiles::kindOf(link), 'l');
    EXPECT_EQ(specialfiles::kindOf(null), 'c');

    const std::string fifo = path("fifo");
    specialfiles::PipeReader reader(fifo);
    ASSERT_TRUE(reader.ready());
    const QByteArray big(200000, 'x'); // more than a pipe holds: the reader must take it as it comes
    EXPECT_EQ(write(fifo, big), QString());
    EXPECT_EQ(reader.bytes().size(), size_t(big.size()));
    EXPECT_EQ(specialfiles::kindOf(fifo), 'p');

    // A socket cannot be opened as a file: the write fails and the socket stays.
    const std::string socketPath = path("socket");
    const int socket = specialfiles::bindSocket(socketPath);
    ASSERT_GE(socket, 0);
    const QString failure = write(socketPath, "x");
    close(socket);
    EXPECT_TRUE(failure.startsWith(QString::fromStdString(socketPath) + QStringLiteral(": ")))
        << failure.toStdString();
    EXPECT_EQ(specialfiles::kindOf(socketPath), 's');
    EXPECT_EQ(others({"null", "quiet", "fifo", "socket"}), QStringList());
}

TEST_F(OutputFile, ARegularFileIsReplacedWholeAndASymlinkStaysOne) {
    const std::string file = path("PLU.TXT");
    ASSERT_EQ(write(file, "first"), QString());
    // A reader that has the earlier file open keeps reading the earlier file: the new one took its
    // name, it was not written into it.
    QFile earlier(QString::fromStdString(file));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(write(file, "second"), QString());
    EXPECT_EQ(earlier.readAll(), QByteArray("first"));
    EXPECT_EQ(contents(file), QByteArray("second"));

    QTemporaryDir elsewhere;
    const std::string target = elsewhere.filePath(QStringLiteral("target.TXT")).toStdString();
    ASSERT_EQ(write(target, "old"), QString());
    const std::string link = path("link.TXT");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    EXPECT_EQ(write(link, "new"), QString());
    EXPECT_EQ(specialfiles::kindOf(link), 'l');
    EXPECT_EQ(contents(target), QByteArray("new"));
    // Also a link to a file that does not exist yet.
    const std::string fresh = elsewhere.filePath(QStringLiteral("fresh.TXT")).toStdString();
    ASSERT_EQ(symlink(fresh.c_str(), path("fresh.TXT").c_str()), 0);
    EXPECT_EQ(write(path("fresh.TXT"), "fresh"), QString());
    EXPECT_EQ(specialfiles::kindOf(path("fresh.TXT")), 'l');
    EXPECT_EQ(contents(fresh), QByteArray("fresh"));
    EXPECT_EQ(others({"PLU.TXT", "link.TXT", "fresh.TXT"}), QStringList()) << "a temporary file was left";
}

TEST_F(OutputFile, AFolderOrAMissingFolderIsRefusedNamingThePath) {
    const std::string folder = path("folder");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    EXPECT_EQ(write(folder, "x"), QString::fromStdString(folder) + QStringLiteral(": is a folder"));
    EXPECT_TRUE(QDir(QString::fromStdString(folder)).isEmpty());

    const std::string missing = path("missing/PLU.TXT");
    EXPECT_EQ(write(missing, "x"),
              QString::fromStdString(missing + ": the folder " + path("missing") + " does not exist"));
    EXPECT_EQ(others({"folder"}), QStringList());

    // "-" is the given standard output, never a file of that name.
    std::ostringstream out;
    EXPECT_EQ(writeOutputFile(QStringLiteral("-"), "text", out), QString());
    EXPECT_EQ(out.str(), "text");
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("-")));
    std::ostringstream closed;
    closed.setstate(std::ios::badbit);
    EXPECT_EQ(writeOutputFile(QStringLiteral("-"), "text", closed),
              QStringLiteral("standard output: the write failed"));
}

// What stat says of path: owner, group, mode, links and the file's number (a rename gives a new one).
struct stat statOf(const std::string& path) {
    struct stat s {};
    EXPECT_EQ(stat(path.c_str(), &s), 0) << path;
    return s;
}

// A file shared with others stays the same file: its other names, its owner and group, its mode and
// its attributes. As root (as in CI) the owner is another user's; as any user, hard links and
// attributes.
TEST_F(OutputFile, ASharedFileIsWrittenInPlaceKeepingWhatMakesItShared) {
    const std::string file = path("PLU.TXT");
    const std::string other = path("PLU-link.TXT");
    ASSERT_EQ(write(file, "one"), QString());
    ASSERT_EQ(link(file.c_str(), other.c_str()), 0);
    EXPECT_EQ(write(file, "two"), QString());
    EXPECT_EQ(contents(other), QByteArray("two")) << "the hard link was split";
    EXPECT_EQ(statOf(file).st_ino, statOf(other).st_ino);

    const std::string marked = path("marked.TXT");
    ASSERT_EQ(write(marked, "one"), QString());
    if (setxattr(marked.c_str(), "user.shop", "42", 2, 0) == 0) {
        EXPECT_EQ(write(marked, "two"), QString());
        char value[8] = {};
        EXPECT_EQ(getxattr(marked.c_str(), "user.shop", value, sizeof value), 2) << "the attribute was lost";
        EXPECT_EQ(contents(marked), QByteArray("two"));
    }
    EXPECT_EQ(others({"PLU.TXT", "PLU-link.TXT", "marked.TXT"}), QStringList())
        << "a temporary file was left";

    if (geteuid() != 0)
        GTEST_SKIP() << "a file of another owner needs root to make";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const std::string shared = path("shared.TXT");
    ASSERT_EQ(write(shared, "one"), QString());
    ASSERT_EQ(chown(shared.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(chmod(shared.c_str(), 0640), 0);
    EXPECT_EQ(write(shared, "two"), QString());
    const struct stat after = statOf(shared);
    EXPECT_EQ(after.st_uid, nobody->pw_uid);
    EXPECT_EQ(after.st_gid, nobody->pw_gid);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(contents(shared), QByteArray("two"));
}

// The writes of a second user (nobody, as `runuser -u nobody` would run it, here a child process that
// became nobody, so that nobody needs no right to the test program) in a folder of root's (0755) that
// it may not write: a file it may write (0666) is written in place, the way a shell's `>` would; a
// file it may not write and a new file are refused, and nothing is left behind.
TEST_F(OutputFile, ASecondUserWritesAWritableFileInAFolderItMayNotWrite) {
    if (geteuid() != 0)
        GTEST_SKIP() << "a second user needs root to become";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    // The write in a child process that has become nobody: its exit status is 0 when it wrote.
    const auto writeAsNobody = [&](const std::string& file, const QByteArray& bytes) {
        const pid_t child = fork();
        if (child == 0) {
            const bool became =
                setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0;
            _exit(!became ? 2 : write(file, bytes).isEmpty() ? 0 : 1);
        }
        int status = -1;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    // Also nobody's own read-only file in nobody's own folder: refused, as a shell refuses it.
    const std::string own = path("own");
    ASSERT_EQ(mkdir(own.c_str(), 0755), 0);
    ASSERT_EQ(chown(own.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const struct {
        const char* name;
        mode_t mode; // 0: no file there before
        uid_t owner;
        gid_t group;
        int status;
        QByteArray after;
    } cases[] = {
        {"open.TXT", 0666, 0, 0, 0, "new"},
        {"closed.TXT", 0644, 0, 0, 1, "old"},
        {"new.TXT", 0, 0, 0, 1, "(unreadable)"},
        {"own/locked.TXT", 0444, nobody->pw_uid, nobody->pw_gid, 1, "old"},
    };
    for (const auto& c : cases) {
        const std::string file = path(c.name);
        if (c.mode != 0) {
            ASSERT_EQ(write(file, "old"), QString());
            ASSERT_EQ(chmod(file.c_str(), c.mode), 0);
            ASSERT_EQ(chown(file.c_str(), c.owner, c.group), 0);
        }
        EXPECT_EQ(writeAsNobody(file, "new"), c.status) << c.name;
        EXPECT_EQ(contents(file), c.after) << c.name;
        if (c.mode != 0) {
            EXPECT_EQ(statOf(file).st_uid, c.owner) << c.name;
        }
    }
    EXPECT_EQ(others({"open.TXT", "closed.TXT", "own"}), QStringList()) << "a temporary file was left";
    EXPECT_EQ(QDir(QString::fromStdString(own)).entryList(QDir::Files | QDir::Hidden),
              QStringList({"locked.TXT"}));
}

} // namespace
