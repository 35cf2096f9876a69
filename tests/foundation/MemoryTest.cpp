#include "foundation/Memory.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;

struct MemoryFixture : ::testing::Test {
  Diagnostics d;
  MemoryTotals totals;
  Heap heap{d.reporter, totals};
};

TEST_F(MemoryFixture, BlocksAreZeroedAndAccounted) {
  {
    NamedBlock block = heap.alloc(100, "level");
    ASSERT_TRUE(block);
    for (std::size_t i = 0; i < block.size(); ++i) EXPECT_EQ(block.data()[i], std::byte{0});
    EXPECT_EQ(totals.allocatedBytes(), 100u);
    EXPECT_EQ(totals.freedBytes(), 0u);
  }
  EXPECT_EQ(totals.freedBytes(), 100u);
  EXPECT_EQ(totals.totalsLine("alc"), "alc: 100 bytes allocated, 100 freed, 0 net\n");
}

TEST_F(MemoryFixture, RefusedRequestsAreCountedAndTryAllocGivesNothing) {
  EXPECT_FALSE(heap.tryAlloc(Heap::kMaxRequest + 1, "huge"));
  EXPECT_EQ(totals.allocatedBytes(), static_cast<std::uint32_t>(Heap::kMaxRequest + 1));
  EXPECT_TRUE(d.ui.events().empty());
}

TEST_F(MemoryFixture, PoolRoundsToEightAndFillsTheNewestBlock) {
  BlockPool pool(heap, 64, "block");
  const std::size_t capacity = pool.capacity();  // 48
  EXPECT_EQ(pool.freeOffset(), BlockPool::kHeaderSize);
  void* first = pool.allocate(1, "block");
  EXPECT_EQ(pool.freeOffset(), BlockPool::kHeaderSize + 8);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(first) % 8, 0u);
  // What exactly fits stays in the block.
  pool.allocate(capacity - 8, "block");
  EXPECT_EQ(pool.blockCount(), 1u);
  EXPECT_EQ(pool.freeOffset(), 64u);
  // One byte more starts a new one.
  pool.allocate(1, "block");
  EXPECT_EQ(pool.blockCount(), 2u);
  EXPECT_EQ(pool.freeOffset(), BlockPool::kHeaderSize + 8);
}

TEST_F(MemoryFixture, PoolServesARequestLargerThanABlock) {
  BlockPool pool(heap, 64, "block");
  pool.allocate(8, "block");
  auto* big = static_cast<unsigned char*>(pool.allocate(1000, "block"));
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(big[i], 0);
  big[999] = 1;
  // The newest block keeps its place and its free space.
  EXPECT_EQ(pool.freeOffset(), BlockPool::kHeaderSize + 8);
  pool.allocate(8, "block");
  EXPECT_EQ(pool.blockCount(), 2u);
  EXPECT_TRUE(d.ui.events().empty());
}

TEST(IndexVector, AddressesFromItsLowerBound) {
  IndexVector<int> v(1, 3);
  EXPECT_EQ(v.size(), 3u);
  v[1] = 10;
  v[3] = 30;
  EXPECT_EQ(v[1], 10);
  EXPECT_EQ(v[2], 0);
  EXPECT_TRUE(v.contains(3));
  EXPECT_FALSE(v.contains(0));
  IndexVector<double> one(0, 0);
  EXPECT_EQ(one.size(), 1u);
  IndexMatrix<int> m(1, 2, -1, 1);
  m(2, 1) = 5;
  EXPECT_EQ(m(2, 1), 5);
  EXPECT_EQ(m(1, -1), 0);
  EXPECT_EQ(m.colHi(), 1);
}

using MemoryDeathTest = MemoryFixture;

TEST_F(MemoryDeathTest, ImpossibleRequestsAreFatal) {
  EXPECT_EXIT(heap.alloc(0, "ZnLst"), ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(heap.alloc(Heap::kMaxRequest + 1, "ZnLst"), ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(allocVector<int>(d.reporter, 1, 0, "PthLst"), ::testing::ExitedWithCode(1), "");
}

TEST_F(MemoryFixture, FatalMessagesNameTheLabel) {
  // The message texts of the fatal paths, seen through a fatal action that stops before exit.
  struct Stop {};
  d.reporter.setFatalAction([] { throw Stop{}; });
  EXPECT_THROW(heap.alloc(0, "ZnLst"), Stop);
  EXPECT_THROW(allocVector<int>(d.reporter, 1, 0, "PthLst"), Stop);
  EXPECT_THROW(heap.alloc(Heap::kMaxRequest + 1, "sketch_point"), Stop);
  EXPECT_EQ(d.messages(), (std::vector<std::string>{
                              "ZnLst too small to allocate", "Max index < min index: PthLst",
                              "Insufficient memory to allocate: sketch_point"}));
}

}  // namespace
}  // namespace mz
