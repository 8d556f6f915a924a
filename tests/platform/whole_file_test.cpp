// The guards of every file the program writes, across processes: of writers
// racing for one name one takes it; a writer killed half-way leaves nothing
// under the name, and its pending file goes with the next writer into the
// folder (a live writer's stays); a folder lock waits for a live holder and
// passes on when its holder dies.
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <future>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "file_support.h"
#include "platform/folder_lock.h"
#include "platform/temporary_output.h"
#include "platform/whole_file.h"

namespace momentart {
namespace {

using namespace std::chrono_literals;

// A child process that runs `work` once the parent says go, then ends with
// its result as status, or, when `work` returns -1, waits to be killed
// (what `work` keeps past its return is static).
class Child {
public:
    explicit Child(const std::function<int()>& work) {
        int go[2];
        int ready[2];
        if (::pipe(go) != 0 || ::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            char byte = 0;
            if (::read(go[0], &byte, 1) != 1) ::_exit(3);
            const int status = work();
            if (::write(ready[1], "r", 1) != 1) ::_exit(3);
            if (status < 0) ::pause();
            ::_exit(status);
        }
        go_ = go[1];
        ready_ = ready[0];
        ::close(go[0]);
        ::close(ready[1]);
    }
    ~Child() {
        if (pid_ > 0) kill();
        ::close(go_);
        ::close(ready_);
    }
    bool started() const { return pid_ > 0; }
    void go() const { EXPECT_EQ(::write(go_, "g", 1), 1); }
    // Whether its work is done (for work that then waits).
    bool ready() const {
        char byte = 0;
        return ::read(ready_, &byte, 1) == 1;
    }
    int status() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void kill() {
        ::kill(pid_, SIGKILL);
        status();
    }

private:
    pid_t pid_ = -1;
    int go_ = -1;
    int ready_ = -1;
};

QString longestName(const QString& suffix) { return QString(255 - suffix.size(), 'n') + suffix; }

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(WholeFile, OfWritersRacingForTheLongestNameExactlyOneTakesItWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(longestName(".png"));
    constexpr int kWriters = 6;
    const auto bytesOf = [](int n) { return QByteArray(200000, char('a' + n)); };
    std::vector<std::unique_ptr<Child>> writers;
    for (int n = 0; n < kWriters; ++n) {
        writers.push_back(std::make_unique<Child>([&, n] {
            return writeWholeFile(bytesOf(n), path, IfTaken::Fail).ok ? 0 : 1;
        }));
        ASSERT_TRUE(writers.back()->started());
    }
    for (const auto& writer : writers) writer->go();
    int winner = -1;
    for (int n = 0; n < kWriters; ++n) {
        const int status = writers[n]->status();
        ASSERT_TRUE(status == 0 || status == 1) << status;
        if (status == 0) {
            EXPECT_EQ(winner, -1) << "two writers took one name";
            winner = n;
        }
    }
    ASSERT_NE(winner, -1);
    EXPECT_EQ(testing::readFile(path), bytesOf(winner));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{longestName(".png")});
}

TEST(WholeFile, TheNextWriterRemovesAKilledWritersPendingFileButNotALiveOnes) {
    QTemporaryDir dir;
    const QString film = dir.filePath(longestName(".mp4"));
    // Killed with its film half-way, and alive with a picture not yet placed.
    Child killed([&] {
        static TemporaryOutput output(film);  // kept until the process dies
        return output.error().isEmpty() && testing::writeFile(output.temporaryPath(), "half a film") ? -1 : 1;
    });
    Child live([&] {
        static PendingFile pending(dir.path(), "a picture");
        return pending.error().isEmpty() ? -1 : 1;
    });
    ASSERT_TRUE(killed.started() && live.started());
    killed.go();
    ASSERT_TRUE(killed.ready());
    const QStringList left = entriesOf(dir.path());
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(left.first().startsWith(".momentart-")) << left.first().toStdString();
    killed.kill();
    live.go();
    ASSERT_TRUE(live.ready());
    // The live writer came next, and removed the killed one's.
    const QStringList pending = entriesOf(dir.path());
    ASSERT_EQ(pending.size(), 1);
    const QString livePending = pending.first();
    EXPECT_NE(livePending, left.first());

    // Nor is a live writer's removed. The film's own name is no longer than the longest a folder takes.
    TemporaryOutput output(film);
    ASSERT_TRUE(output.error().isEmpty()) << output.error().toStdString();
    ASSERT_TRUE(testing::writeFile(output.temporaryPath(), "a whole film"));
    QString placed;
    EXPECT_EQ(output.putInPlace(IfTaken::Fail, placed), QString());
    EXPECT_EQ(placed, film);
    EXPECT_EQ(testing::readFile(film), QByteArray("a whole film"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList({livePending, longestName(".mp4")}));
}

TEST(FolderLock, WaitsForALiveHolderAndIsTakenOverFromADeadOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(".lock");
    Child holder([&] {
        static FolderLock lock(path);  // held until the process dies
        if (!lock.error().isEmpty()) return 1;
        lock.setNumber(41);
        return -1;
    });
    ASSERT_TRUE(holder.started());
    holder.go();
    ASSERT_TRUE(holder.ready());
    auto taken = std::async(std::launch::async, [&] {
        FolderLock lock(path);
        const std::optional<long long> number = lock.number();
        lock.setNumber(42);
        return lock.error().isEmpty() ? number : std::nullopt;
    });
    EXPECT_EQ(taken.wait_for(300ms), std::future_status::timeout) << "two holders of one lock";
    holder.kill();
    ASSERT_EQ(taken.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(taken.get(), std::optional<long long>(41));
    EXPECT_EQ(FolderLock(path).number(), std::optional<long long>(42));
}

}  // namespace
}  // namespace momentart
