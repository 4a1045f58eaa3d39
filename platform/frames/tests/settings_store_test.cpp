// The settings store that stands in for the registry: typed values under
// keys, the file as written, programs writing side by side, the wheel's
// scroll lines, and the application's profile and window placement.
#include <gtest/gtest.h>

#include <memory>

#include "platform/files.h"
#include "platform/frames/tests/test_frames.h"
#include "platform/settings_folder.h"
#include "platform/settings_store/settings_store.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/text_file.h"

namespace plat::test {
namespace {

using namespace plat::testing;

std::string FileText(const std::string& path) {
  std::string text;
  if (auto lines = ReadLines(path)) {
    for (const std::string& l : *lines) text += l + "\n";
  }
  return text;
}

TEST(SettingsStoreTest, KeepsTypedValuesUnderKeys) {
  SettingsStore store(TestFolder() + "REGISTRY.INI");
  EXPECT_FALSE(store.GetDword("Software/KELMWF/Workspace", "ApplicationLook").has_value());
  ASSERT_TRUE(store.SetDword("Software\\KELMWF\\Workspace", "ApplicationLook", 216));
  ASSERT_TRUE(store.SetString("Software/KELMWF/Workspace", "Title", "Br\xFC" "cke = A\\B\r\nline 2"));
  ASSERT_TRUE(store.SetBinary("Software/KELMWF/Workspace/MainFrame", "WindowPlacement", {0, 1, 0xAB, 0xFF}));
  EXPECT_EQ(store.GetDword("Software/KELMWF/Workspace", "ApplicationLook"), 216u);
  EXPECT_EQ(store.GetString("Software/KELMWF/Workspace", "Title"), "Br\xFC" "cke = A\\B\r\nline 2");
  EXPECT_EQ(store.GetBinary("Software/KELMWF/Workspace/MainFrame", "WindowPlacement"),
            (std::vector<std::uint8_t>{0, 1, 0xAB, 0xFF}));
  // A value of another type is not there for the asker.
  EXPECT_FALSE(store.GetString("Software/KELMWF/Workspace", "ApplicationLook").has_value());
  EXPECT_FALSE(store.GetDword("Software/KELMWF/Workspace", "Title").has_value());
  // Replaced, not doubled.
  ASSERT_TRUE(store.SetDword("Software/KELMWF/Workspace", "ApplicationLook", 4294967295u));
  EXPECT_EQ(store.GetDword("Software/KELMWF/Workspace", "ApplicationLook"), 4294967295u);
  EXPECT_EQ(store.ValueNames("Software/KELMWF/Workspace"), (std::vector<std::string>{"Title", "ApplicationLook"}));
}

TEST(SettingsStoreTest, FileReadsAsText) {
  const std::string path = TestFolder() + "REGISTRY.INI";
  SettingsStore store(path);
  store.SetDword("Software/PUNDW/Workspace", "ApplicationLook", 215);
  store.SetString("Control Panel/Desktop", "WheelScrollLines", "3");
  store.SetBinary("Software/PUNDW/Workspace", "Bytes", {0x0A, 0xBC});
  EXPECT_EQ(FileText(path),
            "[Software/PUNDW/Workspace]\n"
            "ApplicationLook=dword:215\n"
            "Bytes=hex:0ABC\n"
            "[Control Panel/Desktop]\n"
            "WheelScrollLines=sz:3\n");
  // Lines nobody understands survive a write.
  ASSERT_TRUE(WriteTextFile(path, "; written by hand\n[Control Panel/Desktop]\nWheelScrollLines=sz:7\nodd line\n"));
  store.SetDword("Control Panel/Desktop", "Other", 1);
  EXPECT_EQ(FileText(path),
            "; written by hand\n[Control Panel/Desktop]\nWheelScrollLines=sz:7\nodd line\nOther=dword:1\n");
}

TEST(SettingsStoreTest, ProgramsWritingSideBySideKeepEachOthersValues) {
  const std::string path = TestFolder() + "REGISTRY.INI";
  SettingsStore shell(path);
  SettingsStore editor(path);
  shell.SetDword("Software/QUENTARIS/Workspace", "ApplicationLook", 217);
  editor.SetDword("Software/KELMWF/Workspace", "ApplicationLook", 219);
  shell.SetString("Software/QUENTARIS/Workspace", "Last", "0");
  EXPECT_EQ(editor.GetDword("Software/QUENTARIS/Workspace", "ApplicationLook"), 217u);
  EXPECT_EQ(shell.GetDword("Software/KELMWF/Workspace", "ApplicationLook"), 219u);
  EXPECT_EQ(editor.GetString("Software/QUENTARIS/Workspace", "Last"), "0");
}

TEST(SettingsStoreTest, DeletesValuesAndKeysWithTheirSubkeys) {
  SettingsStore store(TestFolder() + "REGISTRY.INI");
  store.SetDword("Software/A/Workspace", "X", 1);
  store.SetDword("Software/A/Workspace/MainFrame", "Y", 2);
  store.SetDword("Software/AB", "Z", 3);
  EXPECT_TRUE(store.DeleteValue("Software/A/Workspace", "X"));
  EXPECT_FALSE(store.GetDword("Software/A/Workspace", "X").has_value());
  EXPECT_TRUE(store.DeleteKey("Software/A"));
  EXPECT_FALSE(store.KeyExists("Software/A"));
  EXPECT_FALSE(store.GetDword("Software/A/Workspace/MainFrame", "Y").has_value());
  EXPECT_EQ(store.GetDword("Software/AB", "Z"), 3u);  // a key of a longer name stays
}

TEST(SettingsStoreTest, TheSuitesStoreLiesInTheSettingsFolder) {
  SettingsStore store;
  EXPECT_EQ(store.path(), SettingsFolderPath() + "/REGISTRY.INI");
  EXPECT_FALSE(FolderExists(SettingsFolderPath()));
  ASSERT_TRUE(store.SetDword("Software/X", "Y", 1));  // the folder is made on the first write
  EXPECT_TRUE(FileExists(store.path()));
}

TEST(SettingsStoreTest, WheelScrollLinesAsTheGridReadsThem) {
  struct Case {
    const char* stored;  // nullptr: no value
    bool as_dword;
    int expected;
  };
  const Case cases[] = {
      {nullptr, false, 3}, {"5", false, 5}, {"12abc", false, 12}, {"abc", false, 0},
      {"-1", false, -1},   {"99999999999", false, 2147483647},   {"7", true, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "none");
    SettingsStore store(TestFolder() + "WHEEL.INI");
    store.DeleteKey("Control Panel");
    if (c.stored && c.as_dword) store.SetDword("Control Panel/Desktop", "WheelScrollLines", 7);
    if (c.stored && !c.as_dword) store.SetString("Control Panel/Desktop", "WheelScrollLines", c.stored);
    EXPECT_EQ(WheelScrollLines(store), c.expected);
  }
}

TEST(ApplicationProfileTest, ValuesLieUnderTheApplicationsKey) {
  TestApp app;
  EXPECT_EQ(app.GetProfileInt("Settings", "Count", 42), 42);
  EXPECT_EQ(app.GetProfileString("Settings", "Name", "none"), "none");
  ASSERT_TRUE(app.WriteProfileInt("Settings", "Count", -5));
  ASSERT_TRUE(app.WriteProfileString("Settings", "Name", "HALLE"));
  EXPECT_EQ(app.GetProfileInt("Settings", "Count", 42), -5);
  EXPECT_EQ(app.GetProfileString("Settings", "Name"), "HALLE");
  EXPECT_EQ(app.GetApplicationLook(), 215);
  ASSERT_TRUE(app.WriteInt("ApplicationLook", 218));
  EXPECT_EQ(app.GetApplicationLook(), 218);
  SettingsStore store;
  EXPECT_EQ(store.GetDword("Software/FRAMETEST/Workspace", "ApplicationLook"), 218u);
  app.SetRegistryKey("Maker");
  EXPECT_EQ(app.SectionKey("Workspace"), "Software/Maker/FRAMETEST/Workspace");
  EXPECT_EQ(app.GetApplicationLook(), 215);  // another key: nothing stored there
}

TEST(ApplicationProfileTest, WindowPlacementComesBackAndBadOnesAreIgnored) {
  TestApp app;
  auto frame = std::make_unique<FrameWnd>();
  ASSERT_TRUE(frame->Create("Placed", WS_OVERLAPPEDWINDOW, Rect{30, 40, 530, 440}));
  frame->ShowWindow(SW_SHOW);
  ASSERT_TRUE(app.SaveWindowPlacement(*frame));
  auto again = std::make_unique<FrameWnd>();
  ASSERT_TRUE(again->Create("Placed", WS_OVERLAPPEDWINDOW, Rect{0, 0, 100, 100}));
  ASSERT_TRUE(app.ReloadWindowPlacement(*again));
  Rect r;
  again->GetWindowRect(&r);
  EXPECT_EQ(r.Width(), 500);
  EXPECT_EQ(r.Height(), 400);
  EXPECT_EQ(app.ShowCmd(), SW_SHOWNORMAL);
  // Maximised when stored: the application shows its main window so.
  frame->ShowWindow(SW_SHOWMAXIMIZED);
  ASSERT_TRUE(app.SaveWindowPlacement(*frame));
  ASSERT_TRUE(app.ReloadWindowPlacement(*again));
  EXPECT_EQ(app.ShowCmd(), SW_SHOWMAXIMIZED);
  // A damaged value (wrong length, no size) is not used.
  app.WriteProfileBinary("Workspace/MainFrame", "WindowPlacement", {1, 2, 3});
  EXPECT_FALSE(app.ReloadWindowPlacement(*again));
  std::vector<std::uint8_t> empty_rect(24, 0);
  app.WriteProfileBinary("Workspace/MainFrame", "WindowPlacement", empty_rect);
  EXPECT_FALSE(app.ReloadWindowPlacement(*again));
}

}  // namespace
}  // namespace plat::test
