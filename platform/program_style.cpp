#include "platform/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace plat::detail {
namespace {

// A standard icon of a style, asked of the style when it is first drawn or measured.
class DeferredStandardIcon final : public QIconEngine {
 public:
  DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  bool isNull() override { return false; }
  QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

 private:
  const QIcon& Icon() {
    if (!made_) {
      made_ = true;
      if (style_) icon_ = style_->standardIcon(which_);
    }
    return icon_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  bool made_ = false;
  QIcon icon_;
};

class ProgramStyle final : public QProxyStyle {
 public:
  explicit ProgramStyle(QStyle* base) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
      return QIcon(new DeferredStandardIcon(baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
  }
};

}  // namespace

QStyle* MakeProgramStyle(const QString& name) {
  QStyle* base = QStyleFactory::create(name);
  return base ? new ProgramStyle(base) : nullptr;
}

void UseProgramStyle() {
  QStyle* made = QApplication::style();
  if (dynamic_cast<ProgramStyle*>(made)) return;
  // The application would delete the style it owns when another one takes its place: this one
  // goes on underneath the programs' style, which owns it from now on.
  made->setParent(nullptr);
  QApplication::setStyle(new ProgramStyle(made));
}

QString StyleName(const QStyle* style) {
  if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
  return style ? style->name().toLower() : QString();
}

}  // namespace plat::detail
