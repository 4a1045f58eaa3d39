#include "common/records/table.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/records/model_tables.h"

namespace {

common::MaterialRecord Material(int number) {
  common::MaterialRecord m;
  m.set_number(static_cast<std::int16_t>(number));
  return m;
}

TEST(Table, IsOneBasedWithAFixedCapacity) {
  common::MaterialTable table;
  EXPECT_EQ(common::MaterialTable::kCapacity, 20);
  for (int k = 1; k <= 20; ++k) ASSERT_TRUE(table.Append(Material(k)));
  EXPECT_TRUE(table.full());
  EXPECT_FALSE(table.Append(Material(21)));
  EXPECT_EQ(table.count(), 20);
  EXPECT_EQ(table[1].number(), 1);
  EXPECT_EQ(table[20].number(), 20);
  EXPECT_TRUE(table[0] == common::MaterialRecord());  // slot 0 is never filled
  EXPECT_EQ(table.used().size(), 20u);
  EXPECT_EQ(table.used_bytes().size(), 20u * 112);
  EXPECT_EQ(table.used().front().number(), 1);

  EXPECT_THROW(table[21], std::out_of_range);
  EXPECT_THROW(table[-1], std::out_of_range);
  EXPECT_FALSE(table.SetCount(21));
  EXPECT_FALSE(table.SetCount(-1));
  EXPECT_EQ(table.count(), 20);
}

TEST(Table, EraseMovesTheLaterRecordsUp) {
  common::MaterialTable table;
  for (int k = 1; k <= 4; ++k) ASSERT_TRUE(table.Append(Material(k)));
  ASSERT_TRUE(table.Erase(2));
  ASSERT_EQ(table.count(), 3);
  EXPECT_EQ(table[2].number(), 3);
  EXPECT_EQ(table[3].number(), 4);
  EXPECT_TRUE(table[4] == common::MaterialRecord());
  EXPECT_FALSE(table.Erase(4));
  EXPECT_FALSE(table.Erase(0));

  table.Clear();
  EXPECT_TRUE(table.empty());
  EXPECT_TRUE(table[1] == common::MaterialRecord());
}

}  // namespace
