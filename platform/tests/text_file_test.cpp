#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

TEST(Lines, LineEndsAreAcceptedAlike) {
  const std::vector<std::string> expected = {"NODES", "3", "", "last"};
  for (const char* text : {"NODES\r\n3\r\n\r\nlast\r\n", "NODES\n3\n\nlast\n", "NODES\r\n3\n\nlast"}) {
    EXPECT_EQ(plat::SplitLines(text), expected) << text;
    const std::string path = plat::testing::TestFolder() + "in.txt";
    ASSERT_TRUE(plat::WriteBlock(path, text, std::strlen(text)));
    EXPECT_EQ(*plat::ReadLines(path), expected) << text;
  }
  EXPECT_TRUE(plat::SplitLines("").empty());
}

TEST(Lines, WholeFileReadSplitsAsTheLineReader) {
  std::string big;
  for (int k = 0; k < 9000; ++k) big += "line " + std::to_string(k) + (k % 3 ? "\r\n" : "\n");
  const std::string cases[] = {"a\rb\r\r\nc\r",          std::string("nul\0inside\n\n", 12), "\n\n\r\n",
                               "no end at all",              "\r",                                  big};
  for (const std::string& text : cases) {
    const std::string path = plat::testing::TestFolder() + "same.txt";
    ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
    std::vector<std::string> by_reader;
    plat::LineReader reader(path);
    for (std::string line; reader.Next(line);) by_reader.push_back(line);
    EXPECT_EQ(*plat::ReadLines(path), by_reader) << text.substr(0, 20);
  }
  EXPECT_FALSE(plat::ReadLines(plat::testing::TestFolder() + "missing.txt").has_value());
}

TEST(Lines, LongLinesStayWholeUnlessLimited) {
  const std::string path = plat::testing::TestFolder() + "long.txt";
  const std::string long_line(500, 'x');
  ASSERT_TRUE(plat::WriteTextFile(path, long_line + "\nPRESTRESS"));
  plat::LineReader reader(path);
  std::string line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, long_line);
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "PRESTRESS");
  EXPECT_FALSE(reader.Next(line));

  plat::LineReader limited(path);
  ASSERT_TRUE(limited.Next(line, 240));
  EXPECT_EQ(line.size(), 240u);
  ASSERT_TRUE(limited.Next(line, 240));
  EXPECT_EQ(line, "PRESTRESS");
}

TEST(TextWriter, EveryLineFeedBecomesCrLf) {
  const std::string path = plat::testing::TestFolder() + "out.txt";
  {
    plat::TextWriter w(path);
    ASSERT_TRUE(w.is_open());
    w.Printf("%s\n%5.2f\n", "TITLE", 1.5);
    w.Write("a\r\nb\n");
    ASSERT_TRUE(w.Close());
  }
  {
    plat::TextWriter w(path, plat::TextWriter::Mode::kAppend);
    w.Write("c\n");
  }
  auto bytes = plat::ReadWholeFile(path);
  std::string text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  EXPECT_EQ(text, "TITLE\r\n 1.50\r\na\r\nb\r\nc\r\n");
  ASSERT_TRUE(plat::WriteTextFile(path, "d\n"));  // written anew: nothing of the old text stays
  EXPECT_EQ(plat::FileSize(path), 3);
}

TEST(TextWriter, WholeTextOverAFileOfTheSameSize) {
  const std::string path = plat::testing::TestFolder() + "same.txt";
  ASSERT_TRUE(plat::WriteTextFile(path, "ab\ncd\r\n"));
  ASSERT_TRUE(plat::WriteTextFile(path, "xy\r\nzw\n"));
  auto bytes = plat::ReadWholeFile(path);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()), "xy\r\nzw\r\n");
}

std::string FileText(const std::string& path) {
  auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : "<missing>";
}

// A page written afresh over an older one: longer, shorter, none before; the file holds exactly
// the new text.
TEST(TextWriter, PageWrittenOverAnOlderOneOfAnySize) {
  struct Case {
    const char* before;  // nullptr: no file
    const char* text;
    const char* expected;
  } cases[] = {
      {nullptr, "new\n", "new\r\n"},
      {"a much longer old page\r\n", "short\n", "short\r\n"},
      {"x\r\n", "grown page\nof two lines\n", "grown page\r\nof two lines\r\n"},
      {"old page\r\n", "", ""},
  };
  const std::string path = plat::testing::TestFolder() + "D3.TXT";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    plat::RemoveFile(path);
    if (c.before) {
      ASSERT_TRUE(plat::WriteBlock(path, c.before, std::strlen(c.before)));
    }
    plat::TextWriter writer;
    ASSERT_TRUE(writer.Open(path));
    writer.Write(c.text);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(FileText(path), c.expected);
  }
}

TEST(TextWriter, PageThatCannotBeOpenedFailsAtOnce) {
  // A folder in the page's place fails at once and stays.
  const std::string folder = plat::testing::TestFolder() + "D5.TXT";
  ASSERT_TRUE(plat::MakeFolder(folder));
  plat::TextWriter writer;
  EXPECT_FALSE(writer.Open(folder));
  EXPECT_TRUE(plat::FolderExists(folder));
}

TEST(TextWriter, LineEndsAcrossWrites) {
  const std::string path = plat::testing::TestFolder() + "ends.txt";
  {
    plat::TextWriter w(path);
    for (const char* piece : {"a\r", "\nb\n\n", "\r", "c\r\r\n", "", "\n", "d"}) w.Write(piece);
  }
  auto bytes = plat::ReadWholeFile(path);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
            "a\r\nb\r\n\r\n\rc\r\r\n\r\nd");
}

TEST(TextWriter, IntoATextAsIntoAFile) {
  const std::string path = plat::testing::TestFolder() + "text.txt";
  const std::string big(70000, 'q');  // beyond the writer's buffer
  const char* pieces[] = {"a\r", "\nb\n\n", "\r", "c\r\r\n", big.c_str(), "\n", "d"};
  {
    plat::TextWriter w(path);
    for (const char* piece : pieces) w.Write(piece);
  }
  std::string text = "old ";
  plat::TextWriter w;
  ASSERT_TRUE(w.OpenText(text));
  EXPECT_TRUE(w.is_open());
  for (const char* piece : pieces) w.Write(piece);
  w.Printf("%s%d\n", "|", 5);
  ASSERT_TRUE(w.Close());
  EXPECT_FALSE(w.is_open());
  w.Write("after the end");
  auto bytes = plat::ReadWholeFile(path);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(text, "old " + std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) + "|5\r\n");
}

TEST(TextWriter, LongFormattedTextIsWhole) {
  const std::string path = plat::testing::TestFolder() + "big.txt";
  const std::string big(3000, 'q');
  {
    plat::TextWriter w(path);
    w.Printf("%s|%d", big.c_str(), 7);
  }
  EXPECT_EQ(plat::FileSize(path), 3002);
}

}  // namespace
