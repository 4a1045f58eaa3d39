#include "LERVENTA/app/builtin_page.h"

namespace lerventa {

std::string BuiltInPage() {
  return "<html><head><title>LERVENTA</title></head><body>"
         "<h2>LERVENTA</h2>"
         "<p>The help viewer of the plane-frame suite.</p>"
         "<p>It is started with the name of a help page that lies in its own folder, for example:</p>"
         "<pre>LERVENTA TEXTE.HTM</pre>"
         "<p>The programs of the suite start it so from their Help commands. A page given with its "
         "whole path is shown from there; a PDF document is handed to the desktop's viewer.</p>"
         "<p>The first extra mouse button ends LERVENTA.</p>"
         "</body></html>";
}

}  // namespace lerventa
