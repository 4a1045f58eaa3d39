#include "platform/views/html_view.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <filesystem>

#include "platform/clipboard/clipboard.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/command_ids.h"
#include "platform/print/printer_dc.h"
#include "platform/text_codec.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_state.h"

namespace plat {

namespace {

bool ValidUtf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder.decode(bytes);  // decodes when made into a string
  return !decoder.hasError();
}

bool DeclaresCharset(const QByteArray& bytes) {
  return bytes.left(4096).toLower().contains("charset");
}

// An invisible place where a line may break.
constexpr char16_t kBreakChance = u'\u200B';

std::string ToCp1252(QString text) {
  text.remove(QChar(kBreakChance));  // the view's own, not the page's
  return Utf8ToCp1252(text.toStdString());
}

// The longest run of letters the page's layout gets without a place to break:
// the layout's time per line grows with the run it searches, so a long word
// (a line of digits, an address) would cost the square of its length.
constexpr int kLongestUnbrokenRun = 64;

// The HTML with an invisible break chance after every kLongestUnbrokenRun
// letters of a word (never inside a tag or an entity).
QString WithBreakChances(const QString& html) {
  QString out;
  out.reserve(html.size() + html.size() / kLongestUnbrokenRun + 1);
  bool in_tag = false;
  bool in_entity = false;
  int run = 0;  // letters since the last blank, tag or break chance
  for (const QChar c : html) {
    if (in_tag) {
      in_tag = c != u'>';
    } else if (c == u'<') {
      in_tag = true;
      in_entity = false;
      run = 0;
    } else if (c.isSpace()) {
      in_entity = false;
      run = 0;
    } else {
      if (c == u'&') in_entity = true;
      if (run >= kLongestUnbrokenRun && !in_entity && !c.isLowSurrogate()) {
        out.append(QChar(kBreakChance));
        run = 0;
      }
      if (c == u';') in_entity = false;
      ++run;
    }
    out.append(c);
  }
  return out;
}

}  // namespace

// The browser widget: reads pages of Windows-1252 text without a declared
// character set as such, and hands the extra mouse buttons to the view.
class HtmlView::Browser final : public QTextBrowser {
 public:
  Browser(HtmlView* view, QWidget* parent) : QTextBrowser(parent), view_(view->GetSafeHwnd()) {
    setOpenLinks(false);
    setFocusPolicy(Qt::NoFocus);
    viewport()->installEventFilter(this);
  }

  QVariant loadResource(int type, const QUrl& name) override {
    if ((type == QTextDocument::HtmlResource || type == QTextDocument::UnknownResource) && name.isLocalFile()) {
      QFile file(name.toLocalFile());
      if (!file.open(QIODevice::ReadOnly)) return {};
      const QByteArray bytes = file.readAll();
      if (!DeclaresCharset(bytes) && !ValidUtf8(bytes)) {
        return WithBreakChances(QString::fromStdString(Cp1252ToUtf8(std::string_view(bytes.constData(), bytes.size()))));
      }
      if (type == QTextDocument::HtmlResource) {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
        if (decoder.isValid()) return WithBreakChances(decoder.decode(bytes));
      }
    }
    return QTextBrowser::loadResource(type, name);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      Window* view = Window::FromHandle(view_);
      if (view && Window::GetFocus() != view && t == QEvent::MouseButtonPress) view->SetFocus();
      const Qt::MouseButton b = mouse->button();
      if (view && (b == Qt::XButton1 || b == Qt::XButton2)) {
        // As the window system reports the extra buttons to the window under the mouse.
        const QPoint global = mouse->globalPosition().toPoint();
        Point screen{global.x(), global.y()};
        view->ScreenToClient(&screen);
        const UINT message = t == QEvent::MouseButtonPress ? WM_XBUTTONDOWN : WM_XBUTTONUP;
        const UINT which = b == Qt::XButton1 ? XBUTTON1 : XBUTTON2;
        MSG msg = detail::MakeMessage(view_, message, MAKEWPARAM(0, which),
                                      MAKELPARAM(static_cast<unsigned>(screen.x), static_cast<unsigned>(screen.y)));
        detail::DeliverQueued(msg);
        event->accept();
        return true;
      }
    }
    return QTextBrowser::eventFilter(watched, event);
  }

 private:
  HWND view_;
};

// The page laid out for paper: its document, the scale from screen to
// printer pixels and the printable area.
struct HtmlView::Printing {
  std::unique_ptr<QTextDocument> document;
  double scale = 1;
  Rect area;  // printer pixels
  QSizeF page;  // the area in the document's units
};

HtmlView::HtmlView() {
  MapCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
  MapCommand(ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
  MapCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
  MapCommand(ID_EDIT_COPY, [this] { Copy(); });
  MapUpdate(ID_EDIT_COPY, [this](CmdUI& ui) { ui.Enable(!GetSelectedText().empty()); });
}

HtmlView::~HtmlView() { DestroyWindow(); }

int HtmlView::OnCreate(const CREATESTRUCT& create) {
  if (View::OnCreate(create) == -1) return -1;
  QWidget* host = detail::WidgetOfWindow(*this);
  browser_ = new Browser(this, host);
  browser_->setGeometry(0, 0, host->width(), host->height());
  browser_->show();
  const HWND self = GetSafeHwnd();
  QObject::connect(browser_, &QTextBrowser::anchorClicked, browser_, [self](const QUrl& url) {
    auto* view = dynamic_cast<HtmlView*>(Window::FromHandle(self));
    if (!view) return;
    if (url.isLocalFile() || url.isRelative()) {
      const QUrl resolved = view->browser_->source().resolved(url);
      if (resolved.isLocalFile() && QFileInfo(resolved.toLocalFile()).isFile()) {
        view->browser_->setSource(resolved, QTextDocument::HtmlResource);
        view->location_ = resolved.toLocalFile().toStdString();
        view->OnDocumentComplete(view->location_);
        return;
      }
      view->ShowMessage("The page " + Utf8ToCp1252(resolved.toString().toStdString()) + " cannot be shown.");
      return;
    }
    view->ShowMessage("The page " + Utf8ToCp1252(url.toString().toStdString()) + " cannot be shown here.");
  });
  return 0;
}

void HtmlView::OnSize(UINT type, int cx, int cy) {
  View::OnSize(type, cx, cy);
  if (browser_) browser_->setGeometry(0, 0, cx, cy);
}

void HtmlView::ShowMessage(const std::string& text) {
  if (!browser_) return;
  browser_->clear();
  browser_->setPlainText(QString::fromStdString(Cp1252ToUtf8(text)));
}

bool HtmlView::Navigate(std::string_view address) {
  if (!browser_) return false;
  std::string path(address);
  const QUrl url(QString::fromStdString(Cp1252ToUtf8(path)));
  if (url.isLocalFile()) {
    path = Utf8ToCp1252(url.toLocalFile().toStdString());
  } else if (path.find("://") != std::string::npos) {
    ShowMessage("The page " + path + " cannot be shown here.");
    location_.clear();
    return false;
  }
  std::error_code ec;
  std::filesystem::path file(Cp1252ToUtf8(path));
  if (file.is_relative()) file = std::filesystem::absolute(file, ec);
  if (ec || !std::filesystem::is_regular_file(file, ec)) {
    ShowMessage("The page " + path + " cannot be shown: the file does not exist.");
    location_.clear();
    return false;
  }
  file = file.lexically_normal();
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())), QTextDocument::HtmlResource);
  location_ = Utf8ToCp1252(file.string());
  OnDocumentComplete(location_);
  return true;
}

void HtmlView::ShowHtml(std::string_view html) {
  if (!browser_) return;
  browser_->clear();
  browser_->setHtml(WithBreakChances(QString::fromStdString(Cp1252ToUtf8(html))));
  location_.clear();
  OnDocumentComplete(location_);
}

std::string HtmlView::GetLocationURL() const { return location_; }

std::string HtmlView::GetLocationName() const {
  return browser_ ? ToCp1252(browser_->documentTitle()) : std::string();
}

bool HtmlView::GoBack() {
  if (!browser_ || !browser_->isBackwardAvailable()) return false;
  browser_->backward();
  location_ = Utf8ToCp1252(browser_->source().toLocalFile().toStdString());
  return true;
}

bool HtmlView::GoForward() {
  if (!browser_ || !browser_->isForwardAvailable()) return false;
  browser_->forward();
  location_ = Utf8ToCp1252(browser_->source().toLocalFile().toStdString());
  return true;
}

void HtmlView::Refresh() {
  if (browser_) browser_->reload();
}

std::string HtmlView::GetSelectedText() const {
  return browser_ ? ToCp1252(browser_->textCursor().selectedText()) : std::string();
}

bool HtmlView::Copy() {
  const std::string text = GetSelectedText();
  if (text.empty()) return false;
  return SetClipboardText(text);
}

std::string HtmlView::GetPageText() const { return browser_ ? ToCp1252(browser_->toPlainText()) : std::string(); }

void HtmlView::OnDocumentComplete(const std::string&) {}

bool HtmlView::OnPreparePrinting(PrintInfo& info) {
  info.document_name = GetLocationName().empty() ? location_ : GetLocationName();
  return DoPreparePrinting(info);
}

void HtmlView::OnBeginPrinting(PrinterDc& dc, PrintInfo& info) {
  printing_ = std::make_unique<Printing>();
  printing_->document.reset(browser_ ? browser_->document()->clone() : new QTextDocument);
  const int dpi_x = dc.GetDeviceCaps(LOGPIXELSX);
  const int dpi_y = dc.GetDeviceCaps(LOGPIXELSY);
  printing_->scale = std::max(1, dpi_y) / 96.0;  // the page was laid out for the screen's 96 per inch
  const int width = dc.GetDeviceCaps(HORZRES);
  const int height = dc.GetDeviceCaps(VERTRES);
  printing_->area = Rect{dpi_x / 2, dpi_y / 2, std::max(dpi_x / 2 + 1, width - dpi_x / 2),
                         std::max(dpi_y / 2 + 1, height - dpi_y / 2)};
  printing_->page = QSizeF(printing_->area.Width() / printing_->scale, printing_->area.Height() / printing_->scale);
  printing_->document->setPageSize(printing_->page);
  info.SetMaxPage(std::max(1, printing_->document->pageCount()));
}

void HtmlView::OnPrepareDC(PrinterDc&, PrintInfo& info) {
  info.continue_printing = printing_ && info.current_page >= 1 && info.current_page <= info.GetMaxPage();
}

void HtmlView::OnPrint(PrinterDc& dc, PrintInfo& info) {
  QPainter* painter = dc.PagePainter();
  if (!painter || !printing_) return;
  painter->save();
  painter->resetTransform();
  painter->setClipping(false);
  painter->translate(printing_->area.left, printing_->area.top);
  painter->scale(printing_->scale, printing_->scale);
  const double top = (info.current_page - 1) * printing_->page.height();
  painter->translate(0, -top);
  printing_->document->drawContents(painter, QRectF(QPointF(0, top), printing_->page));
  painter->restore();
}

void HtmlView::OnEndPrinting(PrinterDc&, PrintInfo&) { printing_.reset(); }

void HtmlView::OnKeyDown(UINT vk, UINT repeat, UINT flags) {
  if (!browser_) return View::OnKeyDown(vk, repeat, flags);
  QScrollBar* v = browser_->verticalScrollBar();
  QScrollBar* h = browser_->horizontalScrollBar();
  switch (static_cast<int>(vk)) {
    case VK_UP: v->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case VK_DOWN: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case VK_PRIOR: v->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case VK_NEXT: v->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case VK_HOME: v->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case VK_END: v->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case VK_LEFT: h->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case VK_RIGHT: h->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    default: View::OnKeyDown(vk, repeat, flags);
  }
}

}  // namespace plat
