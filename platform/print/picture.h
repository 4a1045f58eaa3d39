#pragma once
// Pictures of a drawing: the drawing code runs on a Dc over a white image of
// the given size (a screen surface at 96 pixels per inch); the image is then
// stored with Bitmap::Save (the format follows the extension: .jpg, .jpeg,
// .bmp, .png) or put on the clipboard.
//
//   plat::Bitmap picture = plat::RenderPicture(800, 600, [&](plat::Dc& dc) { Draw(dc); });
//   picture.Save(folder + "G1.jpg");
//   plat::SetClipboardImage(picture);
#include <functional>

#include "platform/dc/bitmap.h"
#include "platform/dc/dc.h"

namespace plat {

Bitmap RenderPicture(int width, int height, const std::function<void(Dc&)>& draw);

// Replaces the clipboard's contents with an image (the UI thread only).
void SetClipboardImage(const Bitmap& image);
// The clipboard's image; empty when it holds none.
Bitmap GetClipboardImage();

}  // namespace plat
