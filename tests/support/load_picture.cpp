// load-picture DATAPATH NAME OUTDIR [TEXTSIZE]: the load picture of every load
// case in the diary of the stored position NAME (without the dot) under
// DATAPATH, drawn as the load editor draws it (element and node numbers on,
// the text size factor TEXTSIZE, 1 when not given) into a 1400 x 800 image,
// stored as OUTDIR/<NAME>_LC<n>.png. For the eye: exit code 0 when every
// picture was stored, else non-zero after the message.
#include <cstdlib>
#include <string>

#include "loads/manage/load_position_data.h"
#include "loads/model/read_load_case.h"
#include "loads/picture/draw_load_case.h"
#include "platform/application.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/message_box.h"

namespace {

constexpr int kWidth = 1400;
constexpr int kHeight = 800;

int Fail(const common::Result& failure) {
  plat::MessageBox(failure.text(), failure.caption(), plat::MB_OK);
  return 1;
}

// The view's drawing area: 0.9 of the image, centred.
pundf::picture::PictureView ViewOfImage(float text_size) {
  pundf::picture::PictureView view;
  view.text_size = text_size;
  view.drawing_rect = {kWidth / 20, kHeight / 20, kWidth - kWidth / 20, kHeight - kHeight / 20};
  view.element_numbers = true;
  view.node_numbers = true;
  return view;
}

}  // namespace

int main(int argc, char** argv) {
  plat::Application app(argc, argv);
  const float text_size = argc == 5 ? std::strtof(argv[4], nullptr) : 1.0f;
  if ((argc != 4 && argc != 5) || !(text_size > 0.0f && text_size < 100.0f)) {
    plat::MessageBox("Usage: load-picture DATAPATH NAME OUTDIR [TEXTSIZE]", "Missing input", plat::MB_OK);
    return 2;
  }
  const std::string name = argv[2];
  pundf::LoadModel model;
  const pundf::ReadOutcome start = pundf::LoadPositionData(model, {argv[1], "." + name, 0, false});
  if (!start.ok()) return Fail(start.message());
  if (!model.diary.has_valid_count()) return Fail(common::Result::Fail("The diary is damaged.", "Error"));
  for (int k = 1; k <= model.diary.count(); ++k) {
    const int number = model.diary.load_case(k);
    const pundf::ReadOutcome read = pundf::ReadLoadCase(model, number);
    if (!read.ok()) return Fail(read.message());
    pundf::picture::ForgetLabelPlaces(model.editor.labels);
    plat::Bitmap image(kWidth, kHeight);
    {
      plat::PainterDc dc(image);
      if (!pundf::picture::DrawLoadCase(model, ViewOfImage(text_size), model.editor.labels, dc)) {
        return Fail(common::Result::Fail("Load case " + std::to_string(number) + " cannot be drawn.", "Error"));
      }
    }
    const std::string path = std::string(argv[3]) + "/" + name + "_LC" + std::to_string(number) + ".png";
    if (auto saved = image.Save(path); !saved) return Fail(saved);
  }
  return 0;
}
