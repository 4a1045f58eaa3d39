#pragma once
// The window of a print preview (platform/ only; see print_preview.h). The
// client owns it; its buttons act through queued calls, so that the window is
// never destroyed inside its own event handler.
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/print/print_client.h"
#include "platform/print/print_preview.h"
#include "platform/print/print_target.h"

class QPushButton;

namespace plat {

class PreviewPageView;

class PreviewWindow final : public QWidget, public PrintPreview {
 public:
  PreviewWindow(PrintClient& client, std::unique_ptr<PrintInfo> info);
  ~PreviewWindow() override;

  int current_page() const override { return current_page_; }
  bool ShowPage(int page) override;
  DeviceCaps PageCaps() const override { return page_.caps; }
  Bitmap PageImage(int width) const override;

  // Ends the preview's document and tells the client (OnEndPrinting).
  void Finish();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Queue(std::function<void(PrintClient&)> action);
  void UpdateButtons();

  PrintClient& client_;
  std::unique_ptr<PrintInfo> info_;
  PreviewPage page_;
  int current_page_ = 0;
  QPushButton* print_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* prev_ = nullptr;
  QPushButton* close_ = nullptr;
  PreviewPageView* view_ = nullptr;
};

}  // namespace plat
