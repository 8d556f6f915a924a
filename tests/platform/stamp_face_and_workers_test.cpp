// The stamp's face comes from its file or not at all; the worker pool never
// runs more threads than pictures or than two per core.
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "platform/stamp_face.h"
#include "platform/worker_pool.h"

namespace momentart {
namespace {

TEST(StampFace, IsDejaVuSansFromItsFileAndNothingWithoutTheFile) {
    ASSERT_TRUE(stampFace()) << "install fonts-dejavu-core";
    EXPECT_EQ(*stampFace(), "DejaVu Sans");
    EXPECT_FALSE(loadFace("/nonexistent/DejaVuSans.ttf"));
    EXPECT_FALSE(loadFace(MOMENTART_SOURCE_DIR "/README.md"));  // not a font
    const QString message = missingStampFaceMessage();
    EXPECT_FALSE(message.contains('\n'));
    EXPECT_TRUE(message.contains("apt-get install fonts-dejavu-core"));
}

TEST(WorkerPool, UsesAtMostOneThreadPerPieceAndTwoPerCore) {
    for (const int count : {3, 200}) {
        std::mutex lock;
        std::set<std::thread::id> threads;
        int done = 0;
        const std::atomic<bool> stop{false};
        // Each piece takes a while, so every thread started gets one.
        forEachOnThreads(count, 1024, stop, [&](int) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            const std::lock_guard<std::mutex> guard(lock);
            threads.insert(std::this_thread::get_id());
            ++done;
        });
        EXPECT_EQ(done, count);
        EXPECT_LE(static_cast<int>(threads.size()), std::min(count, kWorkersPerCore * everyCore()));
    }
}

}  // namespace
}  // namespace momentart
