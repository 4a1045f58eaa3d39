// The texts dialog's lines from FILES and GRAPHICFILES.TXT, and the delete of
// listings and pictures with the rewrite of the lists and counters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/position/output_list.h"
#include "shell/tests/shell_test_files.h"
#include "shell/texts/texts_files.h"
#include "shell/texts/texts_lines.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;

// A FILES line as the solver writes it.
std::string SolverLine(const std::string& label, int load_case, const std::string& contents) {
  return common::LoadCasePageEntry(label, load_case, contents) + "\r\n";
}

class TextsLinesTest : public testing::PositionTest {
 protected:
  std::string Folder() const { return state_.position_folder; }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const TextsLine& line : FillTextsLines(Folder())) texts.push_back(line.text);
    return texts;
  }
  void PutListings(const std::vector<int>& numbers) {
    std::string files;
    for (const int n : numbers) {
      files += SolverLine("D" + std::to_string(n), 1, "    Results ");
      PutFile(Folder() + "D" + std::to_string(n) + ".TXT", "listing");
    }
    PutFile(Folder() + "FILES", files);
  }
};

TEST_F(TextsLinesTest, ColoursFollowTheLoadCases) {
  PutFile(Folder() + "FILES", std::string(14, ' ') + "D1" + std::string(32, ' ') + "Dimensions\r\n" +
                                  std::string(14, ' ') + "D2" + std::string(32, ' ') + "Load cases       \r\n" +
                                  SolverLine("D3", 1, "    Results ") + SolverLine("D4", 1, "    Nodal Displacements ") +
                                  SolverLine("D5", 1, "    Iterations ") + SolverLine("D6", 12, "    Results ") +
                                  std::string(14, ' ') + "D7" + std::string(32, ' ') + "Other\n");
  const std::vector<TextsLine> lines = FillTextsLines(Folder());
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0].text, kTextsHeader);
  std::vector<int> colours;
  for (const TextsLine& line : lines) colours.push_back(line.colour);
  EXPECT_EQ(colours, (std::vector<int>{1, 1, 8, 9, 8, 1, 9, 9}));
  EXPECT_EQ(lines[6].text, "  D6        12                  " + std::string("    Results"));
  EXPECT_EQ(lines[1].text, "  D1" + std::string(32, ' ') + "Dimensions");
}

TEST_F(TextsLinesTest, PicturesFollowAFilesInLine) {
  PutListings({3});
  PutFile(Folder() + kPictureListFile, std::string(14, ' ') + "G1.jpg   Frame\r\n");
  EXPECT_EQ(Texts(), (std::vector<std::string>{kTextsHeader, "  D3        1                       Results", " ",
                                               "  Files in " + Folder().substr(0, Folder().size() - 1), " ",
                                               "  G1.jpg   Frame"}));
  const std::vector<TextsLine> lines = FillTextsLines(Folder());
  for (std::size_t i = 2; i < lines.size(); ++i) EXPECT_EQ(lines[i].colour, 1) << i;
}

TEST_F(TextsLinesTest, MissingAndEmptyListsLeaveOnlyTheHeader) {
  PutFile(Folder() + kPictureListFile, "");
  EXPECT_EQ(Texts(), std::vector<std::string>{kTextsHeader});
}

TEST_F(TextsLinesTest, LongLinesAreCutAtTheLimit) {
  PutFile(Folder() + "FILES", std::string(14, ' ') + "D3" + std::string(200, 'x') + "\r\n" + SolverLine("D4", 1, "R"));
  const std::vector<std::string> texts = Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1].size(), kTextsLineLimit - kTextsPrefix);
  EXPECT_EQ(texts[2].substr(0, 4), "  D4");
}

TEST(TextsLineNames, NamesOfLines) {
  struct Case {
    std::string line, listing, picture, extension;
  };
  const Case cases[] = {
      {"  D3        1     Results", "D3", "", ".emf"},
      {"  D12", "D12", "", ".emf"},
      {"  G1.jpg   Frame", "", "G1", ".jpg"},
      {"  G22.bmp  Frame", "", "G22", ".bmp"},
      {"  G3.emf", "", "G3", ".emf"},
      {"  Files in /data/SDIRG1", "", "", ".emf"},
      {kTextsHeader, "", "", ".emf"},
      {" ", "", "", ".emf"},
      {"  D", "", "", ".emf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListingName(c.line), c.listing) << c.line;
    EXPECT_EQ(PictureName(c.line), c.picture) << c.line;
    EXPECT_EQ(PictureExtension(c.line), c.extension) << c.line;
  }
}

TEST_F(TextsLinesTest, FilesAreFoundWithoutRegardToCase) {
  PutFile(Folder() + "D5.TXT", "x");
  PutFile(Folder() + "G1.jpg", "x");
  EXPECT_EQ(TextsLineFile(Folder(), "  D5        1"), Folder() + "D5.TXT");
  EXPECT_EQ(TextsLineFile(Folder(), "  G1.jpg   Frame"), Folder() + "G1.jpg");
  EXPECT_EQ(ZevrilListingFile(Folder(), "  D5"), Folder() + "D5.TXT");
  EXPECT_EQ(ZevrilListingFile(Folder(), "  D6"), Folder() + "D6");
  const TextsCopy copy = TextsCopyPaths(Folder(), "  D5        1", "/t/", "DG-", false);
  EXPECT_EQ(copy.source, Folder() + "D5.TXT");
  EXPECT_EQ(copy.target, "/t/DG-D5.txt");
  EXPECT_EQ(TextsCopyPaths(Folder(), "  D5", "/t", "", true).target, "/t/D5.pdf");
  EXPECT_EQ(TextsCopyPaths(Folder(), "  G1.jpg", "/t", "P", true).target, "/t/PG1.jpg");
  EXPECT_TRUE(TextsCopyPaths(Folder(), " ", "/t", "", true).source.empty());
}

class TextsDeleteTest : public TextsLinesTest {
 protected:
  std::vector<std::string> lines_;
  std::string Clip() const { return Folder() + "CLIP.Halle"; }
  void Load() { lines_ = Texts(); }
  void Delete(const std::vector<int>& chosen) {
    EXPECT_TRUE(DeleteTextsLines(Folder(), Clip(), lines_, chosen).empty());
  }
};

TEST_F(TextsDeleteTest, DeleteRewritesFilesAndLastListing) {
  PutListings({3, 4, 5, 6});
  Load();
  Delete({3});  // D5
  EXPECT_FALSE(plat::FileExists(Folder() + "D5.TXT"));
  EXPECT_EQ(FileText(Folder() + "LASTD"), std::string("\x06\x00", 2));
  EXPECT_EQ(FileText(Folder() + "FILES"),
            std::string(12, ' ') + "  D3        1                       Results\r\n" + std::string(12, ' ') +
                "  D4        1                       Results\r\n" + std::string(12, ' ') +
                "  D6        1                       Results\r\n");
  Delete({3});  // D6 next
  EXPECT_EQ(FileText(Folder() + "LASTD"), std::string("\x04\x00", 2));
  EXPECT_EQ(lines_.size(), 3u);
}

TEST_F(TextsDeleteTest, DeletingTheLastListingLowersLastListing) {
  PutListings({3, 4, 5, 6});
  Load();
  Delete({4});  // D6
  EXPECT_EQ(FileText(Folder() + "LASTD"), std::string("\x05\x00", 2));
  EXPECT_TRUE(plat::FileExists(Folder() + "D5.TXT"));
}

TEST_F(TextsDeleteTest, LastListingNeverFallsBelowTwo) {
  PutListings({1, 3, 4});
  Load();
  Delete({2, 3});
  EXPECT_EQ(FileText(Folder() + "LASTD"), std::string("\x02\x00", 2));
  EXPECT_TRUE(plat::FileExists(Folder() + "D1.TXT"));
}

TEST_F(TextsDeleteTest, DeletedPictureLowersTheCounter) {
  PutListings({3});
  PutFile(Folder() + kPictureListFile, std::string(14, ' ') + "G1.jpg   A\r\n" + std::string(14, ' ') + "G2.bmp   B\r\n");
  PutFile(Folder() + "G1.jpg", "j");
  PutFile(Folder() + "G2.bmp", "b");
  Load();
  Delete({5});  // G1
  EXPECT_FALSE(plat::FileExists(Folder() + "G1.jpg"));
  EXPECT_EQ(FileText(Clip()), std::string("\x02\x00\x00\x00", 4));
  EXPECT_EQ(FileText(Folder() + kPictureListFile), std::string(12, ' ') + "  G2.bmp   B\r\n");
  Delete({5});  // G2
  EXPECT_EQ(FileText(Clip()), std::string("\x00\x00\x00\x00", 4));
}

TEST_F(TextsDeleteTest, AnUnwritableListIsReported) {
  PutListings({3, 4});
  ASSERT_TRUE(plat::MakeFolder(Folder() + kPictureListFile));  // a folder where the list goes
  Load();
  const std::vector<std::string> failed = DeleteTextsLines(Folder(), Clip(), lines_, {2});
  EXPECT_EQ(failed, std::vector<std::string>{Folder() + kPictureListFile});
  EXPECT_EQ(FileText(Folder() + "LASTD"), std::string("\x03\x00", 2));
}

}  // namespace
}  // namespace quentaris
