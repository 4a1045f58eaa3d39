#include <gtest/gtest.h>

#include <string>

#include "common/dialogs/about_dialog.h"
#include "common/dialogs/application_looks.h"
#include "common/dialogs/folder_dialog.h"
#include "common/dialogs/manual.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/frames/app_look.h"
#include "platform/frames/win_app.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"

namespace {

TEST(FolderDialog, TheStatusLineShowsAtMost35Characters) {
  struct Case {
    std::string folder;
    std::string status;
  };
  const std::string f35 = "/" + std::string(34, 'a');
  const Case cases[] = {{f35, f35}, {f35 + "b", f35 + "..."}, {"/x", "/x"}};
  for (const Case& c : cases) {
    plat::testing::DialogScript script;
    script.AnswerFolder(std::nullopt);
    common::FolderDialog dialog(c.folder);
    EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].text, c.status) << c.folder;
    EXPECT_EQ(script.shown()[0].caption, "Destination:");
  }
}

TEST(FolderDialog, AChosenFolderIsGivenWhole) {
  const std::string folder = plat::testing::TestFolder() + std::string(40, 'q');
  plat::testing::DialogScript script;
  script.AnswerFolder(folder);
  common::FolderDialog dialog(plat::testing::TestFolder());
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(dialog.GetFolderPath(), folder);
  EXPECT_EQ(script.shown()[0].text, folder.substr(0, 35) + "...");
}

TEST(OpenManual, AMissingDocumentIsReported) {
  plat::testing::MessageBoxScript boxes;
  plat::testing::ProcessRecorder starts;
  EXPECT_FALSE(common::OpenManual("QUENTARIS.PDF", plat::testing::TestFolder()));
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "File QUENTARIS.PDF not found!");
  EXPECT_EQ(boxes.shown()[0].caption, "Attention");
  EXPECT_EQ(boxes.shown()[0].flags, plat::MB_OK | plat::MB_ICONHAND);
  EXPECT_TRUE(starts.calls().empty());
}

TEST(OpenManual, ADocumentOfTheFolderIsOpened) {
  const std::string folder = plat::testing::TestFolder();
  ASSERT_TRUE(plat::WriteBlock(folder + "KELMF.PDF", "%PDF", 4));
  plat::testing::MessageBoxScript boxes;
  plat::testing::ProcessRecorder starts;
  EXPECT_TRUE(common::OpenManual("KELMF.PDF", folder));
  ASSERT_EQ(starts.calls().size(), 1u);
  EXPECT_EQ(starts.calls()[0].kind, plat::hooks::ProcessCall::Kind::kOpenDocument);
  EXPECT_EQ(starts.calls()[0].program, folder + "KELMF.PDF");

  starts.FailNext("No application knows this file.");
  EXPECT_FALSE(common::OpenManual("KELMF.PDF", folder));
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "No application knows this file.");
  EXPECT_EQ(boxes.shown()[0].caption, "KELMF.PDF");
}

TEST(AboutDialog, ShowsTheProgramAndCloses) {
  plat::testing::DialogScript script;
  std::string version;
  script.OnNextDialog([&](plat::Dialog& d) {
    version = plat::testing::ItemText(d, common::kAboutVersionText);
    plat::testing::Press(d, plat::IDOK);
  });
  common::AboutDialog about("KELMF");
  EXPECT_EQ(about.DoModal(), plat::IDOK);
  EXPECT_EQ(version, "KELMF Version 1.0");
  EXPECT_EQ(script.shown()[0].caption, "About KELMF");
  EXPECT_EQ(script.shown()[0].template_id, 100u);
}

// A frame's creation applies the stored look; the shared settings file is only read.
TEST(ApplyStoredLook, AppliesTheStoredLookAndLeavesTheSettingsFileAlone) {
  plat::WinApp app("KELMWF");
  const std::string file = app.GetSettingsStore().path();
  common::ApplyStoredLook();
  EXPECT_EQ(plat::CurrentApplicationLook(), 215);  // the default of a fresh settings folder
  EXPECT_FALSE(plat::FileExists(file));

  ASSERT_TRUE(app.WriteInt("ApplicationLook", 216));
  const auto stored = plat::ReadWholeFile(file);
  ASSERT_TRUE(stored);
  const auto stored_time = plat::FileTime(file);
  common::ApplyStoredLook();
  EXPECT_EQ(plat::CurrentApplicationLook(), 216);
  EXPECT_EQ(plat::ReadWholeFile(file), stored);
  EXPECT_EQ(plat::FileTime(file), stored_time);
  plat::ApplyApplicationLook(215);
}

}  // namespace
