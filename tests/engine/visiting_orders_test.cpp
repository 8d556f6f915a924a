#include "engine/generation/visiting_orders.h"

#include <vector>

#include <gtest/gtest.h>

namespace momentart {
namespace {

struct Recorder final : LineVisitor {
    std::vector<std::pair<int, int>> visits;
    int lines = 0;
    void line(const VisitLine& line) override {
        line.forEach([this](int column, int row) { visits.emplace_back(column, row); });
        ++lines;
    }
};

constexpr int kLastColumn = 600, kLastRow = 450;

Recorder record(int mode, std::uint32_t seed = 1) {
    Pcg32 rnd;
    rnd.seed(seed);
    Recorder recorder;
    EXPECT_TRUE(visitInOrder(mode, kLastColumn, kLastRow, rnd, recorder));
    return recorder;
}

TEST(VisitingOrders, EveryModeVisitsEveryPositionOnce) {
    for (int mode : {1, 3, 12, 13, 17}) {
        SCOPED_TRACE(mode);
        const Recorder r = record(mode);
        ASSERT_EQ(static_cast<long>(r.visits.size()), visitCount(kLastColumn, kLastRow));
        std::vector<int> seen((kLastColumn + 1) * (kLastRow + 1), 0);
        for (auto [i, j] : r.visits) seen[i * (kLastRow + 1) + j]++;
        for (int count : seen) ASSERT_EQ(count, 1);
    }
}

TEST(VisitingOrders, SweepsRunInTheirDirections) {
    const Recorder down = record(1);
    EXPECT_EQ(down.visits[0], std::make_pair(0, 0));
    EXPECT_EQ(down.visits[1], std::make_pair(0, 1));
    EXPECT_EQ(down.visits[451], std::make_pair(1, 0));
    EXPECT_EQ(down.lines, 601);

    const Recorder across = record(3);
    EXPECT_EQ(across.visits[1], std::make_pair(1, 0));
    EXPECT_EQ(across.visits[601], std::make_pair(0, 1));
    EXPECT_EQ(across.lines, 451);

    const Recorder up = record(13);
    EXPECT_EQ(up.visits[0], std::make_pair(0, 450));
    EXPECT_EQ(up.visits[450], std::make_pair(0, 0));
    EXPECT_EQ(up.visits[451], std::make_pair(1, 450));
}

TEST(VisitingOrders, LatticesTakeEachOffsetOnceColumnsOuter) {
    for (auto [mode, pitch] : {std::pair{12, 50}, std::pair{17, 20}}) {
        SCOPED_TRACE(mode);
        const Recorder r = record(mode, 77);
        EXPECT_EQ(r.lines, pitch * pitch);
        // Within one offset, positions share the offset and run columns outer.
        const auto [i0, j0] = r.visits[0];
        EXPECT_LT(i0, pitch);
        EXPECT_LT(j0, pitch);
        EXPECT_EQ(r.visits[1], std::make_pair(i0, j0 + pitch));
        const int rowsOfOffset = (kLastRow - j0) / pitch + 1;
        EXPECT_EQ(r.visits[rowsOfOffset], std::make_pair(i0 + pitch, j0));
    }
}

TEST(VisitingOrders, LatticeOffsetsComeFromTheGeneratorColumnThenRow) {
    Pcg32 reference;
    reference.seed(12);
    const int column = static_cast<int>(static_cast<double>(reference.rnd()) * 50);
    const int row = static_cast<int>(static_cast<double>(reference.rnd()) * 50);
    const Recorder r = record(12, 12);
    EXPECT_EQ(r.visits[0], std::make_pair(column, row));
    // Different seeds give different orders.
    EXPECT_NE(record(12, 13).visits, r.visits);
}

TEST(VisitingOrders, UnknownModeVisitsNothing) {
    Pcg32 rnd;
    Recorder r;
    EXPECT_FALSE(visitInOrder(2, kLastColumn, kLastRow, rnd, r));
    EXPECT_TRUE(r.visits.empty());
}

}  // namespace
}  // namespace momentart
