#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/page/heading_files.h"
#include "common/page/page_counter_files.h"
#include "common/page/page_header_file.h"
#include "common/page/printer_settings_file.h"
#include "common/print_scales_file.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

std::string File(const std::string& name) { return plat::testing::TestFolder() + name; }

std::vector<unsigned char> Bytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return {};
  std::vector<unsigned char> out;
  for (std::byte b : *bytes) out.push_back(std::to_integer<unsigned char>(b));
  return out;
}

void Put(const std::string& path, const std::vector<unsigned char>& bytes) {
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
}

common::PageHeader Anna() {
  common::PageHeader h;
  h.fields = {"Anna", "QUENTARIS 22.54", "Halle 3", "", "B", "", "", "", "08.12.2026", "12", "10"};
  return h;
}

const std::vector<unsigned char> kAnnaBytes = {
    0x04, 0x41, 0x6E, 0x6E, 0x61, 0x0F, 0x51, 0x55, 0x45, 0x4E, 0x54, 0x41, 0x52, 0x49, 0x53, 0x20, 0x32, 0x32,
    0x2E, 0x35, 0x34, 0x07, 0x48, 0x61, 0x6C, 0x6C, 0x65, 0x20, 0x33, 0x00, 0x01, 0x42, 0x00, 0x00, 0x00, 0x0A,
    0x30, 0x38, 0x2E, 0x31, 0x32, 0x2E, 0x32, 0x30, 0x32, 0x36, 0x02, 0x31, 0x32, 0x02, 0x31, 0x30};

TEST(PageHeaderFile, ElevenStringsAreTheArchiveBytes) {
  const std::string path = File("FKOPF");
  ASSERT_TRUE(common::WritePageHeaderFile(path, Anna()));
  EXPECT_EQ(Bytes(path), kAnnaBytes);
  const common::PageHeaderRead read = common::ReadPageHeaderFile(path);
  EXPECT_EQ(read.state, common::PageHeaderState::kOk);
  EXPECT_EQ(read.header, Anna());
  EXPECT_EQ(read.header[common::PageHeader::kFirstPage], "12");
}

TEST(PageHeaderFile, AFileThatEndsInsideAStringIsDamagedAndReadsEmpty) {
  const std::string path = File("FKOPF");
  Put(path, std::vector<unsigned char>(kAnnaBytes.begin(), kAnnaBytes.begin() + 30));
  const common::PageHeaderRead read = common::ReadPageHeaderFile(path);
  EXPECT_EQ(read.state, common::PageHeaderState::kDamaged);
  EXPECT_EQ(read.header, common::PageHeader{});

  const common::PageHeaderRead missing = common::ReadPageHeaderFile(File("NONE"));
  EXPECT_EQ(missing.state, common::PageHeaderState::kMissing);
  EXPECT_EQ(missing.header, common::PageHeader{});
}

TEST(PageHeaderFile, LongFieldsUseTheLongLengthForm) {
  const std::string path = File("FKOPF");
  common::PageHeader h = Anna();
  h[common::PageHeader::kBuilding] = std::string(300, 'h');
  h[common::PageHeader::kProcess] = std::string(70000, 'p');
  ASSERT_TRUE(common::WritePageHeaderFile(path, h));
  const auto bytes = Bytes(path);
  // Verfasser (5 bytes) and Programm (16 bytes) come first.
  ASSERT_GT(bytes.size(), 25u);
  EXPECT_EQ(bytes[21], 0xFF);
  EXPECT_EQ(bytes[22], 0x2C);
  EXPECT_EQ(bytes[23], 0x01);
  EXPECT_EQ(bytes[24], 'h');
  EXPECT_EQ(bytes[24 + 299], 'h');
  EXPECT_EQ(common::ReadPageHeaderFile(path).header, h);

  // A long-form length that runs past the end of the file.
  Put(path, {0xFF, 0x2C, 0x01, 'a'});
  EXPECT_EQ(common::ReadPageHeaderFile(path).state, common::PageHeaderState::kDamaged);
}

TEST(AuthorFile, OneArchiveString) {
  const std::string path = File("AUFSTELLER1");
  ASSERT_TRUE(common::WriteAuthorFile(path, "Anna"));
  EXPECT_EQ(Bytes(path), (std::vector<unsigned char>{0x04, 'A', 'n', 'n', 'a'}));
  EXPECT_EQ(common::ReadAuthorFile(path), "Anna");
  Put(path, {0x05, 'A'});
  EXPECT_FALSE(common::ReadAuthorFile(path).has_value());
  EXPECT_FALSE(common::ReadAuthorFile(File("NONE")).has_value());
}

TEST(PageNumberingFile, FourInt16WithDefaults) {
  const std::string path = File("PAGENR");
  EXPECT_EQ(common::ReadPageNumberingFile(path), (common::PageNumbering{1, 1, 0, 0}));
  ASSERT_TRUE(common::WritePageNumberingFile(path, {5, 3, 2, 1}));
  EXPECT_EQ(Bytes(path), (std::vector<unsigned char>{5, 0, 3, 0, 2, 0, 1, 0}));
  EXPECT_EQ(common::ReadPageNumberingFile(path), (common::PageNumbering{5, 3, 2, 1}));
  Put(path, {5, 0, 3, 0, 2, 0});  // short
  EXPECT_EQ(common::ReadPageNumberingFile(path), (common::PageNumbering{1, 1, 0, 0}));
}

TEST(PageCounterFiles, FolderTextAndNextPage) {
  const std::string folder_file = File("FKPFAD");
  EXPECT_EQ(common::ReadPageHeaderPathFile(folder_file), "");
  ASSERT_TRUE(common::WritePageHeaderPathFile(folder_file, "/d/x/SDIRBridge/"));
  EXPECT_EQ(Bytes(folder_file).size(), 16u);  // no line end
  EXPECT_EQ(common::ReadPageHeaderPathFile(folder_file), "/d/x/SDIRBridge/");

  const std::string counter = File("FSEITE");
  EXPECT_FALSE(common::ReadPageCounterFile(counter).has_value());
  ASSERT_TRUE(common::WritePageCounterFile(counter, 12));
  EXPECT_EQ(Bytes(counter), (std::vector<unsigned char>{0x0C, 0x00}));
  EXPECT_EQ(common::ReadPageCounterFile(counter), 12);
}

TEST(HeadingFiles, LinesAndCount) {
  const std::string first = File("INC1");
  EXPECT_EQ(common::ReadHeadingFile(first), "");
  const std::string long_heading(300, 'k');
  ASSERT_TRUE(common::WriteHeadingFile(first, long_heading));
  EXPECT_EQ(Bytes(first).size(), 300u);
  EXPECT_EQ(common::ReadHeadingFile(first), long_heading);  // read whole

  const std::string count = File("IDZ");
  EXPECT_EQ(common::ReadHeadingCountFile(count), 0);
  ASSERT_TRUE(common::WriteHeadingCountFile(count, 2));
  EXPECT_EQ(Bytes(count), (std::vector<unsigned char>{2, 0}));
  EXPECT_EQ(common::ReadHeadingCountFile(count), 2);
}

TEST(PrinterSettingsFile, FaceLineAndThreeWords) {
  const std::string path = File("DRUCKER1.INI");
  EXPECT_EQ(common::ReadPrinterSettingsFile(path), (common::PrinterSettings{"Courier New", "10", "20", "10"}));
  const std::string text = "Courier New  \r\n12\r\n15\r\n5\r\n";
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
  EXPECT_EQ(common::ReadPrinterSettingsFile(path), (common::PrinterSettings{"Courier New", "12", "15", "5"}));

  ASSERT_TRUE(common::WritePrinterSettingsFile(path, {"Times New Roman", "11", "25", "8"}));
  const auto bytes = Bytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "Times New Roman\r\n11\r\n25\r\n8\r\n");
  EXPECT_EQ(common::ReadPrinterSettingsFile(path), (common::PrinterSettings{"Times New Roman", "11", "25", "8"}));

  const std::string short_file = "Arial\n9";
  ASSERT_TRUE(plat::WriteBlock(path, short_file.data(), short_file.size()));
  EXPECT_EQ(common::ReadPrinterSettingsFile(path), (common::PrinterSettings{"Arial", "9", "20", "10"}));
}

double DoubleAt(const std::vector<unsigned char>& bytes, std::size_t offset) {
  double v = 0;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

TEST(PrintScalesSettings, MissingFileGivesTheDefaults) {
  const std::string path = File("PSCALA");
  const common::PrintScalesSettings read = common::ReadPrintScalesSettings(path);
  ASSERT_TRUE(common::WritePrintScalesSettings(path, read));
  const auto bytes = Bytes(path);
  ASSERT_EQ(bytes.size(), 104u);
  EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 4),
            (std::vector<unsigned char>{0x04, 0x00, 0x01, 0x00}));
  EXPECT_EQ(DoubleAt(bytes, 56), 0.1);
  EXPECT_EQ(DoubleAt(bytes, 64), 1.0);
  EXPECT_EQ(DoubleAt(bytes, 72), 1.0);
  EXPECT_EQ(DoubleAt(bytes, 80), 1.0);
  EXPECT_EQ(bytes[88], 1);
  EXPECT_EQ(bytes[89], 0);
  float f = 0;
  std::memcpy(&f, bytes.data() + 92, sizeof f);
  EXPECT_EQ(f, 1.0f);
  std::memcpy(&f, bytes.data() + 100, sizeof f);
  EXPECT_EQ(f, 1.0f);
  EXPECT_EQ(read.second_factor, 1.0f);
}

TEST(PrintScalesSettings, TheFactorAfterTheBlockIsReadAndKept) {
  const std::string path = File("PSCALA");
  common::PrintScales block = common::PrintScales::Default();
  block.set_text_scale(1.5);
  ASSERT_TRUE(common::WritePrintScalesFile(path, block));
  EXPECT_EQ(common::ReadPrintScalesSettings(path).second_factor, 1.0f);  // 100 bytes

  std::vector<unsigned char> bytes = Bytes(path);
  const float factor = 2.25f;
  bytes.resize(104);
  std::memcpy(bytes.data() + 100, &factor, sizeof factor);
  Put(path, bytes);
  common::PrintScalesSettings read = common::ReadPrintScalesSettings(path);
  EXPECT_EQ(read.second_factor, 2.25f);
  EXPECT_EQ(read.block.text_scale(), 1.5);

  // The viewer writes the block back: the factor stays.
  read.block.set_text_scale(0.5);
  ASSERT_TRUE(common::WritePrintScalesFile(path, read.block));
  EXPECT_EQ(common::ReadPrintScalesSettings(path).second_factor, 2.25f);
  EXPECT_EQ(common::ReadPrintScalesSettings(path).block.text_scale(), 0.5);

  // The shell writes its factor.
  read.second_factor = 0.75f;
  ASSERT_TRUE(common::WritePrintScalesSettings(path, read));
  EXPECT_EQ(Bytes(path).size(), 104u);
  EXPECT_EQ(common::ReadPrintScalesSettings(path).second_factor, 0.75f);
}

}  // namespace
