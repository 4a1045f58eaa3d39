#include "shell/frame/main_frame.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/dialogs/manual.h"
#include "common/position/file_names.h"
#include "common/records/capacities.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "platform/dialogs/common_dialog.h"
#include "platform/dialogs/folder_dialog.h"
#include "platform/frames/app_look.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "shell/app/p_view.h"
#include "shell/dialogs/dia_backstep.h"
#include "shell/dialogs/dia_echo.h"
#include "shell/dialogs/dia_gplots.h"
#include "shell/dialogs/dia_info.h"
#include "shell/dialogs/dia_kopf.h"
#include "shell/dialogs/dia_plots.h"
#include "shell/dialogs/dia_pos.h"
#include "shell/dialogs/dia_print.h"
#include "shell/frame/position_choice.h"
#include "shell/frame/program_starts.h"
#include "shell/job/dia_start.h"
#include "shell/job/solver_start.h"
#include "shell/texts/dia_texte.h"
#include "shell/paths/data_path.h"
#include "shell/paths/dia_dup_tree.h"
#include "shell/paths/dia_pfad_tree.h"
#include "shell/paths/path_dialog.h"
#include "shell/positions/position_name.h"
#include "shell/programs/start_graphics.h"
#include "shell/settings/position_list.h"
#include "shell/settings/read_settings.h"
#include "shell/settings/settings_names.h"
#include "shell/settings/write_settings.h"

namespace quentaris {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNoFrame = "No frame";
constexpr const char* kAttention = "Attention";

void ShowNoFrame() { plat::MessageBox(kNoFrame, kAttention, plat::MB_OK | plat::MB_ICONINFORMATION); }

void ShowFolderNotMade(const std::string& folder) {
  char text[600];
  std::snprintf(text, sizeof text, "Folder %s cannot be generated!", folder.c_str());
  plat::MessageBox(text, "Error", plat::MB_OK | plat::MB_ICONERROR);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string WithoutFinalSlash(std::string path) {
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool FolderExists(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

bool MakeFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directory(folder, ec);
  return FolderExists(folder);
}

// Typed characters that stay as typed.
bool KeptAsTyped(plat::WPARAM ch) {
  static constexpr std::string_view kKept = "-0123456789., E";
  return ch == 8 || ch > 0x7F || kKept.find(static_cast<char>(ch)) != std::string_view::npos;
}

}  // namespace

CMainFrame::CMainFrame(ShellState& state, std::string start_folder)
    : state_(state), start_folder_(std::move(start_folder)) {
  MapCommands();
}

int CMainFrame::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::FrameWnd::OnCreate(create) == -1) return -1;
  if (!ribbon_.Create(this) || !status_.Create(this)) return -1;
  if (plat::WinApp* app = plat::WinApp::Get()) plat::ApplyApplicationLook(app->GetApplicationLook());
  BuildRibbon();
  const plat::UINT panes[] = {plat::ID_SEPARATOR, plat::ID_SEPARATOR, plat::ID_SEPARATOR, plat::ID_SEPARATOR,
                              plat::ID_SEPARATOR};
  status_.SetIndicators(panes);
  status_.SetPaneText(1, "Coordinates");
  FillPositionCombo();
  if (auto* edit = dynamic_cast<plat::RibbonEdit*>(ribbon_.FindByID(ids::kDataPathEdit))) {
    edit->SetEditText(state_.data_path);
  }
  status_text_ = kStatusText;
  status_.SetPaneText(0, status_text_);
  return 0;
}

void CMainFrame::BuildRibbon() {
  using plat::RibbonButtonSize;
  plat::Menu styles = plat::Menu::Popup();
  styles.AppendMenu(plat::MF_STRING, plat::ID_VIEW_APPLOOK_OFF_2007_BLUE, "Office 2007 (Stil '&Blau')");
  styles.AppendMenu(plat::MF_STRING, plat::ID_VIEW_APPLOOK_OFF_2007_BLACK, "Office 2007 (Stil '&Schwarz')");
  styles.AppendMenu(plat::MF_STRING, plat::ID_VIEW_APPLOOK_OFF_2007_SILVER, "Office 2007 (Stil '&Silber')");
  styles.AppendMenu(plat::MF_STRING, plat::ID_VIEW_APPLOOK_OFF_2007_AQUA, "Office 2007 (Stil '&Aqua')");
  styles.AppendMenu(plat::MF_STRING, plat::ID_VIEW_APPLOOK_WINDOWS_7, "Windows &7");
  plat::Menu main = plat::Menu::Popup();
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_NEW, "&Neu");
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_OPEN, "\xD6" "ff&nen...");
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_SAVE, "&Speichern");
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_SAVE_AS, "Speichern &unter...");
  main.AppendMenu(plat::MF_SEPARATOR);
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT, "Drucken");
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_DIRECT, "Schnelldruc&k");
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_PREVIEW, "&Seitenansicht");
  main.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_SETUP, "Dr&uckeinrichtung");
  main.AppendMenu(plat::MF_SEPARATOR);
  main.AppendMenu(plat::MF_POPUP, std::move(styles), "Style");
  main.AppendMenu(plat::MF_STRING, plat::ID_APP_ABOUT, "&Info");
  main.AppendMenu(plat::MF_STRING, plat::ID_APP_EXIT, "&Beenden");
  ribbon_.SetApplicationButton("Datei", std::move(main));

  plat::RibbonCategory* start = ribbon_.AddCategory("Start");
  plat::RibbonPanel* position = start->AddPanel("Position");
  position->AddButton(plat::ID_FILE_NEW, "New");
  position->AddComboBox(ids::kPositionCombo, "Pos", true, 120);
  position->AddButton(plat::ID_FILE_OPEN, "Open", RibbonButtonSize::kSmall);
  position->AddButton(plat::ID_FILE_SAVE, "Save", RibbonButtonSize::kSmall);
  position->AddButton(ids::kReset, "Reset", RibbonButtonSize::kSmall);
  position->AddButton(ids::kClone, "Clone", RibbonButtonSize::kSmall);
  position->AddButton(ids::kDelete, "Delete", RibbonButtonSize::kSmall);
  plat::RibbonPanel* programs = start->AddPanel("Programs");
  programs->AddButton(ids::kFrame, "Frame");
  programs->AddButton(ids::kLoad, "Load");
  programs->AddButton(ids::kCompute, "Compute!");
  programs->AddButton(ids::kGraphics, "Graphics");
  programs->AddButton(ids::kTexts, "Texts");
  plat::RibbonPanel* path = start->AddPanel("Path Data");
  path->AddEdit(ids::kDataPathEdit, "", 200);
  path->AddButton(ids::kPathData, "Path Data", RibbonButtonSize::kSmall);
  path->AddButton(ids::kExplorer, "Explorer", RibbonButtonSize::kSmall);
  path->AddButton(ids::kAppDir, "AppDir", RibbonButtonSize::kSmall);
  path->AddButton(ids::kAppData, "AppData", RibbonButtonSize::kSmall);
  path->AddButton(ids::kSdir, "SDIR", RibbonButtonSize::kSmall);
  path->AddButton(plat::ID_HELP, "F1", RibbonButtonSize::kSmall);

  plat::RibbonPanel* archive = ribbon_.AddCategory("Tools")->AddPanel("Archive");
  archive->AddButton(ids::kLoadFromArchive, "Load from Archive");
  archive->AddButton(ids::kEchos, "Echos");

  plat::RibbonPanel* info = ribbon_.AddCategory("Inst")->AddPanel("Info");
  info->AddButton(ids::kInfo, "Info");
  info->AddButton(ids::kFirstSteps, "First Steps");
  info->AddButton(ids::kManual, "Manual");
  info->AddButton(ids::kKeys, "Keys");
  info->AddButton(ids::kSendingEchoFiles, "Sending Echo-Files");

  ribbon_.SetQuickAccessCommands(
      {plat::ID_FILE_NEW, plat::ID_FILE_OPEN, plat::ID_FILE_SAVE, plat::ID_FILE_PRINT_DIRECT});
  ribbon_.SetActiveCategory(0);
}

void CMainFrame::MapCommands() {
  MapCommand(plat::ID_FILE_NEW, [this] { OnNewPosition(); });
  MapCommand(ids::kPositionCombo, [this] { OnPositionCombo(); });
  MapCommand(plat::ID_FILE_OPEN, [this] { OnOpen(); });
  MapCommand(ids::kReset, [this] { OnReset(); });
  // The ribbon's and the quick-access Save, the menu's "&Speichern" and Ctrl+S.
  MapCommand(ids::kSavePosition, [this] { OnSavePosition(); });
  MapCommand(plat::ID_FILE_SAVE, [this] { OnSavePosition(); });
  MapCommand(ids::kLoadFromArchive, [this] { OnLoadFromArchive(); });
  MapCommand(ids::kClone, [this] { OnClone(); });
  MapCommand(ids::kDelete, [this] { OnDelete(); });
  MapCommand(ids::kFrame, [this] { OnFrame(); });
  MapCommand(ids::kLoad, [this] { OnLoad(); });
  MapCommand(ids::kCompute, [this] {
    CDiaStart start(state_, this);
    start.DoModal();
  });
  MapCommand(ids::kGraphics, [this] { OnGraphics(); });
  MapCommand(ids::kTexts, [this] {
    if (plat::View* view = GetActiveView()) view->PostMessage(kShowTextsMessage);
  });
  MapCommand(ids::kDataPathEdit, [this] { OnDataPath(); });
  MapCommand(ids::kPathData, [this] { OnDataPath(); });
  MapCommand(ids::kExplorer, [this] { OpenExplorer(state_.data_path); });
  MapCommand(ids::kAppDir, [] { OpenExplorer(plat::ProgramFolder()); });
  MapCommand(ids::kAppData, [this] { OpenExplorer(state_.settings.folder + "/"); });
  MapCommand(ids::kSdir, [this] {
    if (state_.has_position()) OpenExplorer(state_.position_folder);
  });
  MapCommand(ids::kEchos, [this] {
    CDiaEcho echos(state_, this);
    echos.DoModal();
  });
  MapCommand(ids::kInfo, [this] {
    CDiaInfo info(start_folder_, this);
    info.DoModal();
  });
  MapCommand(ids::kFirstSteps, [] {});
  MapCommand(ids::kManual, [] { common::OpenManual(kManualDocument); });
  MapCommand(ids::kKeys, [] { StartBeside("LERVENTA", {kKeysPage}, std::string("LERVENTA.EXE ") + kKeysPage); });
  MapCommand(ids::kSendingEchoFiles,
             [] { StartBeside("LERVENTA", {kEchoMailPage}, std::string("LERVENTA.EXE ") + kEchoMailPage); });
  auto plot_scales = [this] {
    CDiaGPlots scales(state_, this);
    scales.DoModal();
  };
  MapCommand(ids::kPlotScales, plot_scales);
  MapCommand(ids::kPlotScales2, plot_scales);
  MapCommand(ids::kPlots, [this] {
    if (!state_.has_position()) return;
    CDiaPlots plots(state_.position_folder, "PLOTS." + state_.position_name, this);
    plots.DoModal();
  });
  MapCommand(ids::kPrinter, [this] {
    CDiaPrint printer(state_, this);
    printer.DoModal();
  });
  MapCommand(ids::kHeadings, [this] {
    CDiaKopf headings(state_, this);
    headings.DoModal();
  });
  MapCommand(ids::kLecture, [this] { OnLecture(); });
  for (plat::UINT id : {1087u, 32781u, 32806u, 32816u, 33780u, 33799u}) MapCommand(id, [] {});
  MapCommandRange(plat::ID_VIEW_APPLOOK_OFF_2007_BLUE, plat::ID_VIEW_APPLOOK_WINDOWS_7, [](plat::UINT id) {
    if (plat::WinApp* app = plat::WinApp::Get()) app->SetApplicationLook(static_cast<int>(id));
  });
  MapUpdateRange(plat::ID_VIEW_APPLOOK_OFF_2007_BLUE, plat::ID_VIEW_APPLOOK_WINDOWS_7, [](plat::CmdUI& ui) {
    plat::WinApp* app = plat::WinApp::Get();
    ui.SetRadio(app && app->GetApplicationLook() == static_cast<int>(ui.id()));
  });
}

plat::AcceleratorTable ShellAccelerators() {
  return plat::AcceleratorTable({{plat::FVIRTKEY | plat::FCONTROL, 'S', plat::ID_FILE_SAVE}});
}

void CMainFrame::OnSolverEnded(const plat::ProgramEnd& end) {
  status_text_ = SolverEndText(end);
  status_.SetPaneText(0, status_text_);
  if (auto* view = dynamic_cast<CPView*>(GetActiveView()); view && view->texts()) view->texts()->Refill();
}

void CMainFrame::RepaintView() {
  if (plat::View* view = GetActiveView()) view->Invalidate(true);
}

void CMainFrame::ReadPositionAgain() {
  ReadSettings(state_);
  const common::Result loaded = LoadPosition(state_);
  if (!loaded) plat::MessageBox(loaded.text(), loaded.caption(), plat::MB_OK);
  RepaintView();
}

void CMainFrame::FillPositionCombo() {
  auto* combo = dynamic_cast<plat::RibbonComboBox*>(ribbon_.FindByID(ids::kPositionCombo));
  if (combo == nullptr) return;
  combo->RemoveAllItems();
  combo->AddItem(Upper(state_.position_name));
  std::size_t listed = 0;
  for (const PositionList::Entry& entry : state_.positions.entries) {
    if (listed == kMaxListedPositions) break;
    combo->AddItem(Upper(entry.name));
    ++listed;
  }
  state_.positions.changed = false;
  combo->SelectItem(0);
}

void CMainFrame::RunKelmfAndReread() {
  RepaintView();
  RunKelmf(state_, this);
  ReadPositionAgain();
}

void CMainFrame::OnFrame() {
  if (!state_.has_position()) return;
  RunKelmfAndReread();
}

void CMainFrame::OnNewPosition() {
  CDiaPos dialog(state_, this, this);
  if (dialog.DoModal() != plat::IDOK) return;
  if (!MakeFolder(state_.position_folder)) {
    ShowFolderNotMade(state_.position_folder);
    return;
  }
  WritePositionSetting(state_);
  RunKelmfAndReread();
  FillPositionCombo();
}

void CMainFrame::OnPositionCombo() {
  auto* combo = dynamic_cast<plat::RibbonComboBox*>(ribbon_.FindByID(ids::kPositionCombo));
  if (combo == nullptr) return;
  const std::string typed = Upper(TrimmedName(combo->GetEditText()));
  if (typed.empty()) return;
  const PositionChoice choice = ChoosePosition(state_.data_path, typed);
  combo->SetEditText(typed);
  state_.position_name = choice.name;
  state_.position_ext = common::PositionExt(choice.name);
  state_.position_folder = common::PositionFolder(state_.data_path, state_.position_ext);
  if (choice.is_new && !MakeFolder(state_.position_folder)) {
    ShowFolderNotMade(state_.position_folder);
    return;
  }
  WritePositionSetting(state_);
  WritePositionList(state_);
  ReadPositionAgain();
  PostMessage(kRepaintMessage, 1);
  if (!choice.is_new) return;
  RunKelmfAndReread();
  ribbon_.SetActiveCategory(0);
}

void CMainFrame::OnOpen() {
  plat::FolderDialog picker("Pick a position", state_.data_path, this);
  if (picker.DoModal() != plat::IDOK) return;
  OnPickedFolder(picker.GetFolderPath());
}

void CMainFrame::OnPickedFolder(const std::string& folder) {
  const std::optional<PickedPosition> picked = PositionOfFolder(folder);
  if (!picked || !CheckPositionName(picked->name)) {
    plat::MessageBox("'" + folder + "' is not a position folder (SDIR...).", kAttention, plat::MB_OK);
    return;
  }
  state_.data_path = picked->data_path;
  state_.data_path_is_settings_folder = false;
  state_.position_name = picked->name;
  state_.position_ext = common::PositionExt(picked->name);
  state_.position_folder = common::PositionFolder(state_.data_path, state_.position_ext);
  WriteDataPathSetting(state_);
  common::WriteTextBlock(state_.SettingsWritePath("DPFAD"), state_.data_path);
  WritePositionSetting(state_);
  std::error_code ec;
  fs::remove(state_.position_folder + "GRAFIKGO" + state_.position_ext, ec);
  ReadPositionAgain();
  if (auto* edit = dynamic_cast<plat::RibbonEdit*>(ribbon_.FindByID(ids::kDataPathEdit))) {
    edit->SetEditText(state_.data_path);
  }
  FillPositionCombo();
}

void CMainFrame::OnReset() {
  if (!state_.has_position()) return;
  if (!FolderExists(state_.position_folder)) {
    plat::MessageBox(state_.position_folder, "No access!", plat::MB_OK);
    return;
  }
  CDiaBackstep backstep(state_.position(), this);
  backstep.DoModal();
  ribbon_.SetActiveCategory(0);
}

void CMainFrame::OnDelete() {
  if (!state_.has_position() || !CheckPositionName(state_.position_name)) return;
  char question[400];
  std::snprintf(question, sizeof question, "Delete the actual position %s ?", state_.position_name.c_str());
  if (plat::MessageBox(question, "Delete", plat::MB_YESNO) != plat::IDYES) return;
  const fs::path folder = fs::absolute(state_.data_path + "SDIR" + state_.position_name);
  std::error_code ec;
  if (!fs::is_directory(folder, ec) || (fs::remove_all(folder, ec), ec)) {
    plat::MessageBox(folder.string() + "/", "Access denied!", plat::MB_OK);
    return;
  }
  state_.frame = FrameData{};
  RepaintView();
  const std::string deleted = state_.position_name;
  if (!RemoveFromPositionList(state_, deleted)) {
    plat::MessageBox("The list of positions " + state_.SettingsWritePath(kPositionListFile) + " could not be written.",
                     "Error", plat::MB_OK | plat::MB_ICONERROR);
  }
  // The first other position of the list becomes the current one.
  state_.position_name.clear();
  for (const PositionList::Entry& entry : state_.positions.entries) {
    if (entry.name != deleted && entry.data_path == state_.data_path_without_slash()) {
      state_.position_name = entry.name;
      break;
    }
  }
  state_.position_ext = state_.has_position() ? common::PositionExt(state_.position_name) : std::string();
  state_.position_folder =
      state_.has_position() ? common::PositionFolder(state_.data_path, state_.position_ext) : std::string();
  WritePositionSetting(state_);
  ReadPositionAgain();
  FillPositionCombo();
  ribbon_.SetActiveCategory(0);
}

void CMainFrame::OnLoad() {
  if (!state_.has_position() || !HasStoredFrame(state_.position())) {
    ShowNoFrame();
    return;
  }
  StartBeside("PUNDF", PositionArguments(state_), "PUNDF.EXE");
}

void CMainFrame::OnGraphics() {
  if (!state_.has_position() || !HasStoredFrame(state_.position())) {
    ShowNoFrame();
    return;
  }
  StartGraphics(state_);
}

void CMainFrame::OnDataPath() {
  CDiaPfadTree dialog(state_, this);
  if (dialog.DoModal() != plat::IDOK) return;
  state_.data_path = WithoutFinalSlash(dialog.chosen_path()) + "/";
  state_.data_path_is_settings_folder = false;
  WriteDataPathSetting(state_);
  state_.frame = FrameData{};
  state_.position_name.clear();
  state_.position_ext.clear();
  state_.position_folder.clear();
  WritePositionSetting(state_);
  if (auto* edit = dynamic_cast<plat::RibbonEdit*>(ribbon_.FindByID(ids::kDataPathEdit))) {
    edit->SetEditText(state_.data_path);
  }
  FillPositionCombo();  // no position until one is chosen
  RepaintView();
}

void CMainFrame::OnLecture() {
  const std::string document = plat::ProgramFolder() + kLectureDocument;
  if (!fs::exists(document)) {
    plat::MessageBox("File " + document + " not found!\n" + start_folder_, kAttention, plat::MB_OK);
    return;
  }
  const common::Result opened = plat::OpenDocument(document);
  if (!opened) plat::MessageBox(opened.text(), kLectureDocument, plat::MB_OK | plat::MB_ICONINFORMATION);
}

void CMainFrame::ReadLoadCaseBlock(plat::WPARAM number) {
  if (number == 0 || number > static_cast<plat::WPARAM>(common::kMaxLoadCases) || !state_.has_position()) return;
  const int load_case = static_cast<int>(number);
  const std::string path = state_.position().LoadCaseFile(common::file_names::kLoadCaseParams, load_case);
  auto read = common::ReadBlockRecord<common::LoadCaseParams>(path);
  if (!read.status.ok()) return;
  state_.load_case = read.record;
}

bool CMainFrame::TypedCaseKept(plat::HWND target) const {
  if (auto* edit = dynamic_cast<plat::RibbonEdit*>(ribbon_.FindByID(ids::kDataPathEdit))) {
    plat::Window* control = edit->GetControl();
    if (control && (control->GetSafeHwnd() == target || control->IsChild(plat::Window::FromHandle(target)))) {
      return true;
    }
  }
  // Paths and file names keep their case in the path dialogs and the common dialogs.
  for (plat::Window* w = plat::Window::FromHandle(target); w != nullptr; w = w->GetParent()) {
    if (dynamic_cast<CDiaPfadTree*>(w) || dynamic_cast<CDiaDupTree*>(w) || dynamic_cast<CPathDialog*>(w)) {
      return true;
    }
  }
  return false;
}

bool CMainFrame::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_COMMAND && plat::LOWORD(msg->wParam) == plat::ID_FILE_SAVE) {
    msg->wParam = plat::MAKEWPARAM(ids::kSavePosition, plat::HIWORD(msg->wParam));
  }
  if (msg->message == plat::WM_CHAR && !KeptAsTyped(msg->wParam) && !TypedCaseKept(msg->hwnd)) {
    msg->wParam = static_cast<plat::WPARAM>(std::toupper(static_cast<int>(msg->wParam)));
  }
  if (msg->message == plat::WM_XBUTTONDOWN) {
    ribbon_.SetActiveCategory((ribbon_.GetActiveCategoryIndex() + 1) % ribbon_.GetCategoryCount());
    return true;
  }
  return plat::FrameWnd::PreTranslateMessage(msg);
}

plat::LRESULT CMainFrame::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case kMouseCoordinatesMessage: {
      if (auto* view = dynamic_cast<CPView*>(GetActiveView())) {
        char text[80];
        std::snprintf(text, sizeof text, "%.2f  %.2f", view->mouse_world().x, view->mouse_world().y);
        status_.SetPaneText(1, text);
      }
      return 0;
    }
    case plat::WM_USER + 39:
      return 0;
    case kEchoDroppedMessage:
      OnRebuildFromEcho(wParam != 0);
      return 0;
    case kLoadCaseMessage:
      ReadLoadCaseBlock(wParam);
      state_.frame.params_read = true;
      RepaintView();
      return 0;
    case kLoadCaseMessage + 1:
    case kLoadCaseMessage + 2:
    case kLoadCaseMessage + 3:
      state_.frame.params_read = true;
      RepaintView();
      return 0;
    case kRepaintMessage:
      RepaintView();
      return 0;
    case kPositionListChanged:
      FillPositionCombo();
      return 0;
    default:
      return plat::FrameWnd::WindowProc(message, wParam, lParam);
  }
}

}  // namespace quentaris
