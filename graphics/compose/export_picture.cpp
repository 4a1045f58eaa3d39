#include "graphics/compose/export_picture.h"

#include "common/position/output_list.h"
#include "common/settings_files.h"
#include "graphics/settings/small_settings_files.h"
#include "platform/print/picture.h"
#include "platform/whole_file.h"

namespace revuzavi {

namespace {
constexpr std::size_t kTitleWidth = 1023;
}

std::string PictureCaption(std::string_view frame_title, const std::string& position_name) {
  std::string title(frame_title.substr(0, kTitleWidth));
  const std::string marker = "Position " + position_name;
  const std::size_t at = title.find(marker);
  if (at != std::string::npos) title = title.substr(std::min(title.size(), at + marker.size() + 1));
  const std::size_t first = title.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : title.substr(first);
}

std::string PictureListLine(const std::string& file_name, const std::string& caption) {
  const std::size_t n = file_name.size();
  const std::size_t fill = n == 7 ? 3 : n == 8 ? 2 : n == 9 ? 1 : 4;
  return common::OutputListEntry(file_name, std::string(fill, ' ') + caption);
}

common::Result ExportPicture(ViewerState& state, const plat::Bitmap& picture, std::string_view frame_title,
                             std::string& last_exported) {
  plat::SetClipboardImage(picture);
  const std::string caption = PictureCaption(frame_title, state.position.name());
  ++state.picture_counter;
  const std::string name =
      "G" + std::to_string(state.picture_counter) + (state.graphics.export_format() != 0 ? ".bmp" : ".jpg");
  const common::Result saved = picture.Save(state.position.FolderFile(name));
  const bool counted = common::WriteInt32File(state.position.File(kPictureCounterFile), state.picture_counter);
  if (!saved) return saved;
  const std::string line = PictureListLine(name, caption) + "\r\n";  // a text file: CR LF as every listing
  const std::string list = state.position.FolderFile(kPictureListFile);
  if (!plat::AppendWhole(list, line.data(), line.size())) {
    return common::Result::Fail("The picture list " + list + " cannot be written.", "Error");
  }
  if (!counted) return common::Result::Fail("The picture counter CLIP cannot be written.", "Error");
  last_exported = name;
  return common::Result::Ok();
}

}  // namespace revuzavi
