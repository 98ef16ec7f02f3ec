// The save policy against the ways a careless save hurts a user's files.
#include "SafeSave.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using puzzles::AppendToFile;
using puzzles::ESaveError;
using puzzles::SameFile;
using puzzles::WriteWholeFile;

namespace {

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/safesave-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static mode_t Mode(const fs::path& file) {
        struct stat st {};
        ::stat(file.c_str(), &st);
        return st.st_mode & 07777;
    }
    // Names in the folder, to see that no temporary file stayed behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Runs body in a child process (so limits and identities stay there) and
    // returns its exit status: 0 when body returned true.
    static int InChild(const std::function<bool()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(body() ? 0 : 1);
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
    }
    // A child that may write at most limit bytes into any file.
    static bool FailsUnderSizeLimit(rlim_t limit, const std::function<void()>& write) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &rl);
        try {
            write();
        } catch (const ESaveError& e) {
            return e.Code() == EFBIG;
        }
        return false;
    }

    fs::path dir;
};

TEST_F(SafeSave, WritesThroughLinksAndKeepsModeOwnerAndHardLinks) {
    const fs::path real = dir / "real.xwd";
    Write(real, "old");
    fs::permissions(real, fs::perms(0640));
    fs::create_symlink("real.xwd", dir / "link.xwd");
    fs::create_hard_link(real, dir / "hard.xwd");

    WriteWholeFile(dir / "link.xwd", "new bytes");
    EXPECT_TRUE(fs::is_symlink(dir / "link.xwd"));
    EXPECT_EQ(Read(real), "new bytes");
    EXPECT_EQ(Read(dir / "hard.xwd"), "new bytes") << "the hard link is not split";
    EXPECT_EQ(Mode(real), 0640u);
    // Commands that must not write onto the open file know it by any of its names.
    EXPECT_TRUE(SameFile(dir / "link.xwd", real));
    EXPECT_TRUE(SameFile(dir / "hard.xwd", dir / "." / "link.xwd"));
    Write(dir / "other.xwd", "new bytes");
    EXPECT_FALSE(SameFile(dir / "other.xwd", real)) << "equal bytes are not the same file";
    EXPECT_FALSE(SameFile(dir / "missing.xwd", dir / "missing.xwd"));
    fs::remove(dir / "other.xwd");

    fs::remove(dir / "hard.xwd");
    WriteWholeFile(real, "through a temporary file");
    EXPECT_EQ(Read(real), "through a temporary file");
    EXPECT_EQ(Mode(real), 0640u);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.xwd", "real.xwd"}));

    // A link whose file does not exist yet makes the file, not a plain file in its place.
    fs::create_symlink("later.xwd", dir / "dangling.xwd");
    WriteWholeFile(dir / "dangling.xwd", "first");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.xwd"));
    EXPECT_EQ(Read(dir / "later.xwd"), "first");
}

TEST_F(SafeSave, RefusesAFileWithoutWriteBitsEvenWithRightsToOverride) {
    const fs::path file = dir / "locked.dat";
    Write(file, "kept");
    fs::permissions(file, fs::perms(0444));
    for (const auto& write : {std::function<void()>([&] { WriteWholeFile(file, "x"); }),
                              std::function<void()>([&] { AppendToFile(file, "x"); })}) {
        try {
            write();
            ADD_FAILURE() << "a read-only file was written";
        } catch (const ESaveError& e) {
            EXPECT_EQ(e.Code(), EACCES);
            EXPECT_STREQ(e.what(), "Permission denied");
        }
        EXPECT_EQ(Read(file), "kept");
        EXPECT_EQ(Mode(file), 0444u);
    }
}

TEST_F(SafeSave, WritableFileInReadOnlyFolderIsSavedInPlace) {
    const fs::path folder = dir / "ro";
    fs::create_directory(folder);
    const fs::path file = folder / "puzzle.xwd";
    Write(file, "old old old");
    // Root creates files in any folder: the child gives up its rights first.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);
    }
    fs::permissions(folder, fs::perms(0555));
    const int status = InChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return false;
        try {
            WriteWholeFile(file, "new");
        } catch (const ESaveError&) {
            return false;
        }
        return true;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Read(file), "new");
    EXPECT_EQ(fs::directory_iterator(folder)->path(), file);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
}

TEST_F(SafeSave, FailedWriteMidFileLeavesTheOldBytesAndNoTemporaryFile) {
    const fs::path file = dir / "puzzle.xwd";
    const std::string old(1000, 'o');
    const std::string bigger(5000, 'n');
    Write(file, old);

    // Through a temporary file, in place (a hard link forces it), and an append.
    EXPECT_EQ(InChild([&] { return FailsUnderSizeLimit(2000, [&] { WriteWholeFile(file, bigger); }); }), 0);
    EXPECT_EQ(Read(file), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"puzzle.xwd"});

    fs::create_hard_link(file, dir / "second.xwd");
    EXPECT_EQ(InChild([&] { return FailsUnderSizeLimit(2000, [&] { WriteWholeFile(file, bigger); }); }), 0);
    EXPECT_EQ(Read(file), old);
    fs::remove(dir / "second.xwd");

    EXPECT_EQ(InChild([&] { return FailsUnderSizeLimit(1010, [&] { AppendToFile(file, bigger); }); }), 0);
    EXPECT_EQ(Read(file), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"puzzle.xwd"});
}

TEST_F(SafeSave, AppendAddsTheMissingLineBreakAndCreatesTheFile) {
    const fs::path file = dir / "words.dat";
    struct Row {
        const char* before;
        const char* after;
    };
    for (const Row& row : {Row{"\"ONE\"", "\"ONE\"\r\n\"NEW\"\r\n"}, Row{"\"ONE\"\n", "\"ONE\"\n\"NEW\"\r\n"},
                           Row{"", "\"NEW\"\r\n"}}) {
        Write(file, row.before);
        AppendToFile(file, "\"NEW\"\r\n");
        EXPECT_EQ(Read(file), row.after) << row.before;
    }
    fs::remove(file);
    AppendToFile(file, "\"NEW\"\r\n");
    EXPECT_EQ(Read(file), "\"NEW\"\r\n");
}

} // namespace
