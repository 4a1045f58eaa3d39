#include "platform/print/preview_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/dc/qt_bitmap.h"

namespace plat {
namespace {

// Draws a page picture into a rectangle of the painter's device.
void DrawPage(QPainter& painter, const PreviewPage& page, const QRectF& area) {
  painter.save();
  painter.fillRect(area, Qt::white);
  painter.setClipRect(area);
  painter.translate(area.topLeft());
  painter.scale(area.width() / page.caps.horz_res, area.height() / page.caps.vert_res);
  painter.drawPicture(0, 0, *page.picture);
  painter.restore();
}

}  // namespace

// The shown page, as large as the view allows, on grey.
class PreviewPageView final : public QWidget {
 public:
  explicit PreviewPageView(const PreviewPage& page) : page_(page) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    if (!page_.picture || page_.caps.horz_res <= 0 || page_.caps.vert_res <= 0) return;
    const double margin = 10;
    const double scale = std::min((width() - 2 * margin) / page_.caps.horz_res,
                                  (height() - 2 * margin) / page_.caps.vert_res);
    if (scale <= 0) return;
    const QSizeF size(page_.caps.horz_res * scale, page_.caps.vert_res * scale);
    const QRectF area(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    DrawPage(painter, page_, area);
  }

 private:
  const PreviewPage& page_;
};

PreviewWindow::PreviewWindow(PrintClient& client, std::unique_ptr<PrintInfo> info)
    : client_(client), info_(std::move(info)) {
  setWindowTitle(QStringLiteral("Print preview"));
  auto* buttons = new QHBoxLayout;
  print_ = new QPushButton(QStringLiteral("Print..."));
  next_ = new QPushButton(QStringLiteral("Next Page"));
  prev_ = new QPushButton(QStringLiteral("Prev Page"));
  close_ = new QPushButton(QStringLiteral("Close"));
  print_->setObjectName(QStringLiteral("print"));
  next_->setObjectName(QStringLiteral("next"));
  prev_->setObjectName(QStringLiteral("prev"));
  close_->setObjectName(QStringLiteral("close"));
  for (QPushButton* b : {print_, next_, prev_, close_}) buttons->addWidget(b);
  buttons->addStretch();
  view_ = new PreviewPageView(page_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(view_, 1);
  resize(700, 850);

  connect(next_, &QPushButton::clicked, this, [this] { NextPage(); });
  connect(prev_, &QPushButton::clicked, this, [this] { PrevPage(); });
  connect(print_, &QPushButton::clicked, this,
          [this] { Queue([](PrintClient& c) { c.PrintFromPreview(); }); });
  connect(close_, &QPushButton::clicked, this,
          [this] { Queue([](PrintClient& c) { c.ClosePreview(); }); });
  UpdateButtons();
}

PreviewWindow::~PreviewWindow() = default;

bool PreviewWindow::ShowPage(int page) {
  if (page < info_->GetMinPage() || page > info_->GetMaxPage()) return false;
  PrinterDc& dc = *info_->dialog.dc;
  const PrintClient::PageResult result = client_.DrawPage(dc, *info_, page);
  std::vector<PreviewPage> drawn = dc.target().TakePreviewPages();
  if (result != PrintClient::PageResult::kDrawn || drawn.empty()) {
    info_->current_page = current_page_;
    return false;
  }
  page_ = std::move(drawn.back());
  current_page_ = page;
  UpdateButtons();
  view_->update();
  return true;
}

Bitmap PreviewWindow::PageImage(int width) const {
  if (!page_.picture || width <= 0 || page_.caps.horz_res <= 0) return Bitmap();
  const int height = static_cast<int>(
      std::lround(static_cast<double>(width) * page_.caps.vert_res / page_.caps.horz_res));
  QImage image(width, std::max(1, height), QImage::Format_RGB32);
  QPainter painter(&image);
  DrawPage(painter, page_, QRectF(0, 0, image.width(), image.height()));
  painter.end();
  return BitmapFromQImage(image);
}

void PreviewWindow::Finish() {
  PrinterDc& dc = *info_->dialog.dc;
  dc.EndDoc();
  client_.OnEndPrinting(dc, *info_);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Queue([](PrintClient& c) { c.ClosePreview(); });
}

void PreviewWindow::Queue(std::function<void(PrintClient&)> action) {
  std::shared_ptr<PrintClient*> client = client_.self_;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [client, action = std::move(action)] {
        if (*client) action(**client);
      },
      Qt::QueuedConnection);
}

void PreviewWindow::UpdateButtons() {
  next_->setEnabled(current_page_ < info_->GetMaxPage());
  prev_->setEnabled(current_page_ > info_->GetMinPage());
}

}  // namespace plat
