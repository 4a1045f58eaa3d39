// Names of the PDF files of a process's print jobs.
#include <gtest/gtest.h>

#include "platform/print/pdf_output.h"

namespace plat {
namespace {

TEST(PdfOutput, LaterJobsGetANumberBeforeTheExtension) {
  struct Case {
    const char* base;
    int job;
    const char* file;
  };
  const Case cases[] = {
      {"/t/out.pdf", 1, "/t/out.pdf"},
      {"/t/out.pdf", 2, "/t/out-2.pdf"},
      {"/t/out.pdf", 3, "/t/out-3.pdf"},
      {"/t/out.PDF", 12, "/t/out-12.PDF"},
      {"/t/out", 2, "/t/out-2"},
      {"/t/v1.2/out", 2, "/t/v1.2/out-2"},          // a dot in a folder is no extension
      {"/t/.pdf", 2, "/t/.pdf-2"},                  // nor is a leading dot
      {"/t/a.b.pdf", 2, "/t/a.b-2.pdf"},
      {"out.pdf", 2, "out-2.pdf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberedPdfPath(c.base, c.job), c.file) << c.base << " job " << c.job;
  }
}

TEST(PdfOutput, EachBaseCountsItsOwnJobs) {
  EXPECT_EQ(ClaimPdfPath("/claims/a.pdf"), "/claims/a.pdf");
  EXPECT_EQ(ClaimPdfPath("/claims/b.pdf"), "/claims/b.pdf");
  EXPECT_EQ(ClaimPdfPath("/claims/a.pdf"), "/claims/a-2.pdf");
  EXPECT_EQ(ClaimPdfPath("/claims/a.pdf"), "/claims/a-3.pdf");
  EXPECT_EQ(ClaimPdfPath("/claims/b.pdf"), "/claims/b-2.pdf");
}

}  // namespace
}  // namespace plat
