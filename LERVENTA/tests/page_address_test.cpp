// The page of a command line: found in the page folder whatever its case, an
// absolute path as it is, the built-in page without one.
#include <gtest/gtest.h>

#include "LERVENTA/app/page_address.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace lerventa {
namespace {

using Kind = PageRequest::Kind;

void WriteText(const std::string& path, std::string_view text) {
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size())) << path;
}

TEST(ResolvePage, FindsTheNamedFile) {
  const std::string folder = plat::testing::TestFolder() + "bin/";
  const std::string elsewhere = plat::testing::TestFolder() + "other/";
  ASSERT_TRUE(plat::MakeFolder(folder + "sub") && plat::MakeFolder(folder + "TEXTE") && plat::MakeFolder(elsewhere));
  WriteText(folder + "TEXTE.HTM", "<html></html>");
  WriteText(folder + "MANUAL.PDF", "%PDF");
  WriteText(folder + "sub/PAGE.HTM", "<html></html>");
  WriteText(elsewhere + "Page.htm", "<html></html>");
  struct Case {
    std::string command_line;
    Kind kind;
    std::string path;
  };
  const Case cases[] = {
      {"", Kind::kBuiltIn, ""},
      {"TEXTE.HTM", Kind::kPage, folder + "TEXTE.HTM"},
      {"texte.htm", Kind::kPage, folder + "TEXTE.HTM"},
      {"SUB/page.htm", Kind::kPage, folder + "sub/PAGE.HTM"},
      {"MANUAL.PDF", Kind::kPdf, folder + "MANUAL.PDF"},
      {"manual.pdf", Kind::kPdf, folder + "MANUAL.PDF"},
      {elsewhere + "Page.htm", Kind::kPage, elsewhere + "Page.htm"},
      {elsewhere + "PAGE.HTM", Kind::kMissing, elsewhere + "PAGE.HTM"},  // an absolute path is taken as it is
      {"NOPE.HTM", Kind::kMissing, folder + "NOPE.HTM"},
      {"\"TEXTE.HTM\"", Kind::kMissing, folder + "\"TEXTE.HTM\""},  // no quotes are removed
      {"TEXTE", Kind::kMissing, folder + "TEXTE"},                  // a folder is no page
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command_line);
    const PageRequest request = ResolvePage(c.command_line, folder);
    EXPECT_EQ(request.kind, c.kind);
    EXPECT_EQ(request.path, c.path);
  }
}

TEST(IsPdfName, EndsInPdfWhateverTheCase) {
  for (const char* name : {"a.pdf", "REVUZAVI.pdf", "SCALE.PDF", "x.PdF", ".pdf"}) EXPECT_TRUE(IsPdfName(name)) << name;
  for (const char* name : {"", "pdf", "a.pdfx", "a.htm", "a_pdf"}) EXPECT_FALSE(IsPdfName(name)) << name;
}

}  // namespace
}  // namespace lerventa
