#pragma once
// Data being exchanged through the clipboard or by drag and drop (OLE's data
// object and data source), text only: Windows-1252 inside, Unicode outside.
//
//   auto data = plat::DataObject::FromText("p\t \nq\tr");
//   data->SetClipboard();
//   ...
//   auto pasted = plat::DataObject::FromClipboard();
//   if (pasted->HasText()) {
//     std::optional<std::string> text;
//     for (int attempt = 0; attempt < 7 && !text; ++attempt) text = pasted->GetText();
//   }
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QMimeData;

namespace plat {

// What a drop does with the data (OLE's DROPEFFECT).
using DROPEFFECT = std::uint32_t;
inline constexpr DROPEFFECT DROPEFFECT_NONE = 0;
inline constexpr DROPEFFECT DROPEFFECT_COPY = 1;
inline constexpr DROPEFFECT DROPEFFECT_MOVE = 2;
inline constexpr DROPEFFECT DROPEFFECT_LINK = 4;
inline constexpr DROPEFFECT DROPEFFECT_SCROLL = 0x80000000;

// The key state of a drag (OLE's grfKeyState): the MK_ flags of the mouse
// messages for buttons, Shift and Ctrl, and MK_ALT for Alt.
inline constexpr std::uint32_t MK_ALT = 0x0020;

class DataObject {
 public:
  // Data that offers the text (a data source with CF_TEXT).
  static std::shared_ptr<DataObject> FromText(std::string_view text);
  // The clipboard's data, read when asked (a data object attached to the clipboard).
  static std::shared_ptr<DataObject> FromClipboard();
  // Qt's data of a drag, while the drag event lasts (platform/ only).
  static std::unique_ptr<DataObject> ViewOf(const QMimeData* mime);

  ~DataObject();
  DataObject(const DataObject&) = delete;
  DataObject& operator=(const DataObject&) = delete;

  // Whether text is offered (CF_TEXT available).
  bool HasText() const;
  // The text; nullopt when it cannot be had now. Reading data that another
  // program offers can fail for a moment: callers try again a few times.
  std::optional<std::string> GetText() const;

  // Puts the data on the clipboard (its text, as Unicode); false without a clipboard.
  bool SetClipboard() const;
  // Drags the data from where the mouse is until the user drops it: the
  // effect the drop had (DROPEFFECT_COPY, _MOVE, or _NONE when refused or
  // cancelled). `allowed` are the effects the source permits. Without a person
  // to drag (the offscreen platform) DROPEFFECT_NONE at once, unless a test
  // scripts the drag (plat::testing::DragScript).
  DROPEFFECT DoDragDrop(DROPEFFECT allowed) const;

  // A new Qt copy of the data (platform/ only; the caller owns it).
  QMimeData* ToMimeData() const;

 private:
  struct Impl;
  std::optional<std::string> ReadText() const;
  explicit DataObject(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace plat
