#pragma once
// The text dialogs of the view: the editable geometry echo (CDiaEcho), a
// listing shown read-only (CDiaText), the font size (CDiaFont) and the
// project title (CDiaTitel). The help viewer that the echo's "Help" starts.
#include <optional>
#include <string>

#include "common/result.h"
#include "platform/controls/edit.h"
#include "platform/controls/rich_edit.h"
#include "platform/dialogs/dialog.h"

namespace kelmf {

namespace text_ids {
inline constexpr plat::UINT kEchoDialog = 189;
inline constexpr plat::UINT kFontDialog = 191;
inline constexpr plat::UINT kTextDialog = 228;
inline constexpr plat::UINT kTitleDialog = 226;
inline constexpr plat::UINT kText = 1000;
inline constexpr plat::UINT kHelp = 1008;
}  // namespace text_ids

inline constexpr const char* kEchoHelpPage = "ECHOHELPFRAME.HTM";
inline constexpr int kTypedTitleLength = 60;

// Starts "LERVENTA.EXE" with `page`; a failed start shows the system's text
// in a box captioned with the command line.
void StartHelpViewer(const std::string& page);

// "Echo": the temporary echo text of `path`, editable. OK writes an edited
// text back whole (the dialog stays open when it cannot); an unchanged OK
// leaves the file untouched.
class CDiaEcho : public plat::Dialog {
 public:
  explicit CDiaEcho(std::string path, plat::Window* owner = nullptr);
  // Whether OK wrote the edited text.
  bool text_written() const { return text_written_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  std::string path_;
  plat::Edit text_;
  bool text_changed_ = false;
  bool text_written_ = false;
};

// Which text CDiaText shows.
enum class TextKind { kListing = 1, kGeometryLog = 2 };

// The file CDiaText shows: "D1.TXT" (listing) or "LOGGEOMETRIE.TXT" (log) of
// `folder`, else "D1" there; nullopt and the path last tried when neither
// exists.
struct TextSource {
  std::optional<std::string> path;
  std::string last_tried;
};
TextSource FindTextSource(const std::string& folder, TextKind kind);

// "Text": a listing, read-only. Without its file the dialog tells so and
// closes itself.
class CDiaText : public plat::Dialog {
 public:
  CDiaText(std::string folder, TextKind kind, plat::Window* owner = nullptr);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;

 private:
  std::string folder_;
  TextKind kind_;
  plat::RichEdit text_;
};

// "Font": the size factor; the first "," reads as "."; a size that is no
// number above 0 is refused.
class CDiaFont : public plat::Dialog {
 public:
  explicit CDiaFont(plat::Window* owner = nullptr);
  std::string text;
  double size = 1.0;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
};

// "Title of project": typing stops at 60 characters; a longer title that the
// position brought along is shown whole and kept by an unchanged OK.
class CDiaTitel : public plat::Dialog {
 public:
  explicit CDiaTitel(plat::Window* owner = nullptr);
  std::string title;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
};

}  // namespace kelmf
