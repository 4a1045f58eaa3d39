#include "platform/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <array>

namespace plat::detail {
namespace {

// The overflow arrow's images as Qt's common style has them, read as PNG by name: the image
// reader that guesses a format from a file's name and content loads every image-format plug-in
// of the system first. A null icon when the images are not there (the style draws its own).
QIcon ReadExtensionIcon(QStyle::StandardPixmap which, bool right_to_left) {
  const bool horizontal = which == QStyle::SP_ToolBarHorizontalExtensionButton;
  const QString stem = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-") +
                       (horizontal ? (right_to_left ? QStringLiteral("h-rtl-") : QStringLiteral("h-"))
                                   : QStringLiteral("v-"));
  QIcon icon;
  const std::array<int, 3> sizes = horizontal ? std::array<int, 3>{8, 16, 32} : std::array<int, 3>{5, 10, 20};
  for (const int size : sizes) {
    QImageReader reader(stem + QString::number(size) + QStringLiteral(".png"), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) return QIcon();
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

// A standard icon of a style, made when it is first drawn or measured.
class DeferredStandardIcon final : public QIconEngine {
 public:
  DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which, bool right_to_left)
      : style_(style), which_(which), right_to_left_(right_to_left) {}

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
      icon_ = ReadExtensionIcon(which_, right_to_left_);
      if (icon_.isNull() && style_) icon_ = style_->standardIcon(which_);
    }
    return icon_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  bool right_to_left_;
  bool made_ = false;
  QIcon icon_;
};

class ProgramStyle final : public QProxyStyle {
 public:
  explicit ProgramStyle(QStyle* base) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
      const bool right_to_left =
          (option ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
      return QIcon(new DeferredStandardIcon(baseStyle(), which, right_to_left));
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
