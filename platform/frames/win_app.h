#pragma once
// The application object (MFC's CWinApp / CWinAppEx): the program's command
// line, its main window, its document templates, its settings (the registry
// stand-in), its context menus, and the start and end of the program.
//
//   class GeometryApp : public plat::WinApp {
//    public:
//     GeometryApp() : WinApp("KELMWF") { MapCommand(plat::ID_APP_ABOUT, [] { ... }); }
//     bool InitApplication() override { return !CommandLine().empty(); }
//     bool InitInstance() override {
//       SetRegistryKey("");
//       AddDocTemplate(std::make_unique<plat::SingleDocTemplate>(resources, make_doc, make_frame, make_view));
//       OnFileNew();                         // the document, its frame and view
//       GetMainWnd()->ShowWindow(plat::SW_SHOW);
//       return true;
//     }
//   };
//   int main(int argc, char** argv) { GeometryApp app; return app.Run(argc, argv); }
//
// Run: InitApplication (false: the program ends with -1 and no window),
// InitInstance (false: the main window goes and the program ends with
// ExitInstance's code), then the message loop until WM_QUIT, then
// ExitInstance, whose result (by default the quit code) is the exit code.
//
// The application is the last stop of a command's route (after the view and
// the frame). Like every command target it handles what its map holds; the
// framework's handlers are there to be mapped:
//   MapCommand(plat::ID_APP_EXIT, [this] { OnAppExit(); });
//   MapCommand(plat::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
//
// Frames (and their bars) made by the program should be heap objects that
// delete themselves (auto_delete, as templates make them), so that none
// outlives the window system's application object that Run made.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/command_target.h"
#include "platform/frames/menu.h"
#include "platform/settings_store/settings_store.h"
#include "platform/window/window.h"

namespace plat {

class DocTemplate;
class FrameWnd;

class WinApp : public CommandTarget {
 public:
  // `app_name` names the program's settings (its registry key).
  explicit WinApp(std::string_view app_name);
  ~WinApp() override;

  // The application object of the program (MFC's AfxGetApp), or nullptr.
  static WinApp* Get();

  // Runs the program (see the header comment) and returns its exit code.
  // Makes the application object of the window system unless one exists.
  int Run(int argc, char** argv);

  // Before the windows: false ends the program at once (exit code -1).
  virtual bool InitApplication();
  // Makes the main window; false ends the program.
  virtual bool InitInstance();
  // After the message loop (or a failed InitInstance); its result is the exit code.
  virtual int ExitInstance();

  const std::string& GetAppName() const { return app_name_; }
  // argv[1..] joined with single blanks (MFC's m_lpCmdLine).
  const std::string& CommandLine() const { return command_line_; }
  void SetCommandLine(std::string_view text) { command_line_ = std::string(text); }
  // How the main window is first shown (MFC's m_nCmdShow), SW_SHOWNORMAL by default.
  int ShowCmd() const { return show_cmd_; }
  void SetShowCmd(int cmd) { show_cmd_ = cmd; }
  // The code WM_QUIT brought (0 before the loop ends).
  int QuitCode() const { return quit_code_; }

  // The main window (MFC's m_pMainWnd): closing it ends the message loop.
  FrameWnd* GetMainWnd() const;
  void SetMainWnd(FrameWnd* frame);

  // ---- Document templates ----
  void AddDocTemplate(std::unique_ptr<DocTemplate> doc_template);
  int GetDocTemplateCount() const { return static_cast<int>(templates_.size()); }
  DocTemplate* GetDocTemplate(int index) const;
  // A new document of the first template (File New).
  virtual void OnFileNew();
  // Closes the main window (App Exit).
  void OnAppExit();
  // The printer set-up dialog (Print Setup).
  void OnFilePrintSetup();
  // Closes every document's frames.
  void CloseAllDocuments();

  // ---- Settings (the registry stand-in, see settings_store.h) ----
  // The company part of the key "Software/<company>/<app>/<section>"; empty
  // leaves it out.
  void SetRegistryKey(std::string_view company) { company_ = std::string(company); }
  std::string SectionKey(std::string_view section) const;
  SettingsStore& GetSettingsStore() { return store_; }
  int GetProfileInt(std::string_view section, std::string_view entry, int default_value) const;
  bool WriteProfileInt(std::string_view section, std::string_view entry, int value);
  std::string GetProfileString(std::string_view section, std::string_view entry,
                               std::string_view default_value = {}) const;
  bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value);
  std::optional<std::vector<std::uint8_t>> GetProfileBinary(std::string_view section, std::string_view entry) const;
  bool WriteProfileBinary(std::string_view section, std::string_view entry, const std::vector<std::uint8_t>& value);
  // The framework's own values (CWinAppEx's GetInt / WriteInt) in the section "Workspace".
  int GetInt(std::string_view entry, int default_value) const;
  bool WriteInt(std::string_view entry, int value);

  // The place of a frame (normal rectangle and maximised or not) under
  // "Workspace/<name>": stored when the main window closes, and put back by
  // ReloadWindowPlacement (false when none is stored).
  bool SaveWindowPlacement(FrameWnd& frame, std::string_view name = "MainFrame");
  bool ReloadWindowPlacement(FrameWnd& frame, std::string_view name = "MainFrame");

  // ---- Application look (see app_look.h) ----
  // The stored look ("ApplicationLook", default 215).
  int GetApplicationLook() const;
  // Applies the look to every window and stores it.
  void SetApplicationLook(int look);

  // ---- Context menus (MFC's context-menu manager) ----
  // Keeps a pop-up menu under a name.
  void AddContextMenu(std::string_view name, Menu menu);
  Menu* GetContextMenu(std::string_view name);
  // Shows the named menu at a point in screen coordinates; the chosen
  // command goes to the frame of `owner` (see Menu::TrackPopupMenu). Returns
  // the chosen id, 0 when none.
  UINT ShowPopupMenu(std::string_view name, Point screen, Window* owner);

 private:
  int argc_ = 0;  // what the window system's application object keeps a reference of
  std::string app_name_;
  std::string command_line_;
  std::string company_;
  int show_cmd_ = SW_SHOWNORMAL;
  int quit_code_ = 0;
  HWND main_wnd_ = nullptr;
  std::vector<std::unique_ptr<DocTemplate>> templates_;
  std::map<std::string, Menu> context_menus_;
  SettingsStore store_;
};

}  // namespace plat
