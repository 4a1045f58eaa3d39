#include "common/records/record_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "common/records/frame_params.h"
#include "common/records/load_case_params.h"
#include "common/records/load_tables.h"
#include "common/records/model_tables.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

// An int16 count and `records` node records numbered 1, 2, ... at byte 192,
// cut to `bytes_of_last` bytes in the last one when given.
std::vector<std::byte> NodesFile(std::int16_t count, int records, int bytes_of_last = 204) {
  std::vector<std::byte> data(2 + static_cast<std::size_t>(records) * 204);
  std::memcpy(data.data(), &count, 2);
  for (std::int16_t k = 1; k <= records; ++k) std::memcpy(data.data() + 2 + (k - 1) * 204 + 192, &k, 2);
  data.resize(data.size() - (204 - bytes_of_last));
  return data;
}

std::string Write(const std::string& name, const std::vector<std::byte>& data) {
  const std::string path = plat::testing::TestFolder() + name;
  EXPECT_TRUE(plat::WriteBlock(path, data.data(), data.size()));
  return path;
}

TEST(RecordFiles, NodesFileWithCountBeyondCapacityIsDamaged) {
  const std::string path = Write("NODES.12", NodesFile(250, 250));
  auto read = common::ReadTable<common::NodeTable>(path);
  EXPECT_TRUE(read.status.damaged());
  EXPECT_EQ(read.table.count(), 200);  // never past the table
  EXPECT_EQ(read.table[200].number(), 200);
  common::Result report = common::CheckFile(path, read.status);
  ASSERT_FALSE(report.ok());
  EXPECT_EQ(report.text(), "The file " + path + " is damaged: it claims 250 records, the table holds at most 200.");
  EXPECT_EQ(report.caption(), "Error");
}

TEST(RecordFiles, NodesFileCutOffInItsThirdRecordIsDamaged) {
  const std::string path = Write("NODES.12", NodesFile(3, 3, 100));
  auto read = common::ReadTable<common::NodeTable>(path);
  EXPECT_TRUE(read.status.damaged());
  EXPECT_EQ(read.table.count(), 2);  // never past the file
  EXPECT_EQ(read.table[2].number(), 2);
  EXPECT_TRUE(read.table[3] == common::NodeRecord());
  EXPECT_EQ(common::CheckFile(path, read.status).text(),
            "The file " + path + " is damaged: it claims 3 records and holds 2.");
}

// A number that is not finite where a record keeps the numbers computed with
// marks its file as damaged, naming the record and the byte.
TEST(RecordFiles, ANonFiniteNumberMarksTheFileAsDamaged) {
  std::vector<std::byte> data = NodesFile(3, 3);
  const float inf = std::numeric_limits<float>::infinity();
  std::memcpy(data.data() + 2 + 204 + 20, &inf, 4);  // record 2, support in x
  const std::string path = Write("NODES.12", data);
  auto read = common::ReadTable<common::NodeTable>(path);
  EXPECT_TRUE(read.status.damaged());
  EXPECT_EQ(common::CheckFile(path, read.status).text(),
            "The file " + path + " is damaged: record 2 holds a number that is not finite at byte 20.");

  common::FrameParams params;
  params.Set<float>(704, std::numeric_limits<float>::quiet_NaN());
  const std::string paramr = plat::testing::TestFolder() + "PARAMR.12";
  ASSERT_TRUE(common::WriteBlockRecord(paramr, params));
  const auto block = common::ReadBlockRecord<common::FrameParams>(paramr);
  EXPECT_EQ(common::CheckFile(paramr, block.status).text(),
            "The file " + paramr + " is damaged: it holds a number that is not finite at byte 704.");
}

// Where each record keeps its numbers: a NaN there is found at its byte, a NaN
// in bytes nobody computes with is not.
TEST(RecordFiles, TheNumbersOfEachRecord) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  auto at = [nan](auto record, std::size_t offset) {
    record.template Set<float>(offset, nan);
    return common::FirstNonFiniteNumber(record);
  };
  struct Case {
    const char* record;
    std::optional<std::size_t> found;
    std::optional<std::size_t> expected;
  };
  const Case cases[] = {
      {"element x a", at(common::ElementRecord(), 20), 20},
      {"element angle", at(common::ElementRecord(), 72), 72},
      {"element byte 76", at(common::ElementRecord(), 76), std::nullopt},
      {"element EI", at(common::ElementRecord(), 144), 144},
      {"node changed support 3", at(common::NodeRecord(), 40), 40},
      {"node byte 44", at(common::NodeRecord(), 44), std::nullopt},
      {"line load normal b", at(common::LineLoadRecord(), 52), 52},
      {"line load byte 56", at(common::LineLoadRecord(), 56), std::nullopt},
      {"line load last resultant position", at(common::LineLoadRecord(), 292), 292},
      {"temperature alpha", at(common::TemperatureLoadRecord(), 8), 8},
      {"temperature byte 12", at(common::TemperatureLoadRecord(), 12), std::nullopt},
      {"point load kind value", at(common::PointLoadRecord(), 60), 60},
      {"point load byte 12", at(common::PointLoadRecord(), 12), std::nullopt},
      {"cross section A", at(common::CrossSectionRecord(), 100), 100},
      {"material E", at(common::MaterialRecord(), 84), 84},
      {"support settlement 1", at(common::NodeRefRecord(), 4), 4},
      {"prestress force", at(common::PrestressEntry(), 4), 4},
      {"frame params 708", at(common::FrameParams(), 708), std::nullopt},
      {"load case snow", at(common::LoadCaseParams(), 368), 368},
  };
  for (const Case& c : cases) EXPECT_EQ(c.found, c.expected) << c.record;
  common::LoadCaseParams params;
  params.Set<double>(324, std::numeric_limits<double>::infinity());
  EXPECT_EQ(common::FirstNonFiniteNumber(params), std::optional<std::size_t>(324));
}

TEST(RecordFiles, OtherDamagedCounts) {
  struct Case {
    std::vector<std::byte> data;
    std::string problem;
  } cases[] = {
      {NodesFile(-1, 1), "its count -1 is negative"},
      {std::vector<std::byte>(1), "it is shorter than its count"},
  };
  for (const auto& c : cases) {
    const std::string path = Write("NODES.1", c.data);
    auto read = common::ReadTable<common::NodeTable>(path);
    EXPECT_TRUE(read.status.damaged()) << c.problem;
    EXPECT_EQ(read.status.problem, c.problem);
    EXPECT_EQ(read.table.count(), 0);
  }
}

TEST(RecordFiles, MissingTableIsEmptyAndTablesRoundTrip) {
  const std::string path = plat::testing::TestFolder() + "CROSS.1";
  auto missing = common::ReadTable<common::CrossSectionTable>(path);
  EXPECT_TRUE(missing.status.missing());
  EXPECT_TRUE(common::CheckFile(path, missing.status).ok());
  EXPECT_EQ(missing.table.count(), 0);

  common::CrossSectionTable table;
  for (int k = 1; k <= 3; ++k) {
    common::CrossSectionRecord c;
    c.set_number(static_cast<std::int16_t>(k));
    c.Set<std::uint8_t>(0, 0x5A);  // a byte nobody interprets
    ASSERT_TRUE(table.Append(c));
  }
  ASSERT_TRUE(common::WriteTable(path, table));
  EXPECT_EQ(plat::FileSize(path), 2 + 3 * 140);
  auto back = common::ReadTable<common::CrossSectionTable>(path);
  EXPECT_TRUE(back.status.ok());
  ASSERT_EQ(back.table.count(), 3);
  for (int k = 1; k <= 3; ++k) EXPECT_TRUE(back.table[k] == table[k]) << k;
}

TEST(RecordFiles, RecordsWithoutCountTakeTheCountGiven) {
  const std::string path = plat::testing::TestFolder() + "LLOAD01.1";
  common::LineLoadTable loads;
  for (int k = 1; k <= 5; ++k) {
    common::LineLoadRecord r;
    r.set_element(static_cast<std::int16_t>(k));
    ASSERT_TRUE(loads.Append(r));
  }
  ASSERT_TRUE(common::WriteRecords(path, loads));
  EXPECT_EQ(plat::FileSize(path), 5 * 372);

  struct Case {
    int count;
    int read;
    bool damaged;
  } cases[] = {
      {3, 3, false},   // user loads only: the surplus gravity records stay unread
      {5, 5, false},
      {6, 5, true},    // more than the file holds
      {101, 5, true},  // more than the table holds
      {-2, 0, true},
  };
  for (const auto& c : cases) {
    auto read = common::ReadRecords<common::LineLoadTable>(path, c.count);
    EXPECT_EQ(read.table.count(), c.read) << c.count;
    EXPECT_EQ(read.status.damaged(), c.damaged) << c.count;
    if (c.read > 0) {
      EXPECT_EQ(read.table[c.read].element(), c.read);
    }
  }
  EXPECT_TRUE(common::ReadRecords<common::LineLoadTable>(path + "X", 3).status.missing());
}

TEST(RecordFiles, NotesReadFromAFileAreTerminated) {
  std::vector<std::byte> data(2 * 241, std::byte{'n'});
  const std::string path = Write("SOUTXT01.1", data);
  auto read = common::ReadRecords<common::PointLoadNotes>(path, 2);
  ASSERT_TRUE(read.status.ok());
  EXPECT_EQ(read.table[1].text(), std::string(240, 'n'));
  EXPECT_EQ(read.table[2].bytes()[240], std::byte{0});
}

TEST(RecordFiles, PrestressFileHasAnInt32Count) {
  const std::string path = plat::testing::TestFolder() + "PRESTRESS01.1";
  common::PrestressTable table;
  for (int k = 1; k <= 2; ++k) {
    common::PrestressEntry e;
    e.set_element(k + 10);
    e.set_force(100.0f * k);
    ASSERT_TRUE(table.Append(e));
  }
  ASSERT_TRUE(common::WritePrestressFile(path, table));
  auto bytes = plat::ReadWholeFile(path);
  ASSERT_TRUE(bytes && bytes->size() == 4 + 2 * 8);
  std::int32_t count;
  std::memcpy(&count, bytes->data(), 4);
  EXPECT_EQ(count, 2);

  auto read = common::ReadPrestressFile(path);
  ASSERT_TRUE(read.status.ok());
  ASSERT_EQ(read.table.count(), 2);
  EXPECT_EQ(read.table[2].element(), 12);
  EXPECT_FLOAT_EQ(read.table[2].force(), 200.0f);

  // With the count kept in the load case: the file's own count is skipped.
  auto one = common::ReadPrestressFile(path, 1);
  EXPECT_TRUE(one.status.ok());
  EXPECT_EQ(one.table.count(), 1);
  EXPECT_TRUE(common::ReadPrestressFile(path, 3).status.damaged());

  count = 1000;
  std::memcpy(bytes->data(), &count, 4);
  const std::string bad = Write("PRESTRESS02.1", *bytes);
  auto damaged = common::ReadPrestressFile(bad);
  EXPECT_TRUE(damaged.status.damaged());
  EXPECT_EQ(damaged.table.count(), 2);
}

}  // namespace
