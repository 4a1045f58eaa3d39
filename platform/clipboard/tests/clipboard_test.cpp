// Clipboard text: Windows-1252 inside, Unicode on the system's clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/data_object.h"
#include "platform/testing/drag_testing.h"

namespace plat::test {
namespace {

using namespace plat::testing;

const std::string kCells = "p\t \nq\tr";       // a 2 x 2 block with one blank cell
const std::string kGreeting = "Gr\xFC\xDF" "e";  // "Grüße" in Windows-1252

TEST(Clipboard, TextRoundTripsAndIsUnicodeOutside) {
  for (const std::string& text : {kCells, kGreeting}) {
    ASSERT_TRUE(SetClipboardText(text));
    EXPECT_TRUE(ClipboardHasText());
    EXPECT_EQ(GetClipboardText(), text);
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Grüße"));

  // Other programs' text arrives in Windows-1252; what it lacks becomes '?'.
  QGuiApplication::clipboard()->setText(QString::fromUtf8("5 €, 3 Ω"));
  EXPECT_EQ(GetClipboardText(), "5 \x80, 3 ?");

  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(ClipboardHasText());
  EXPECT_EQ(GetClipboardText(), std::nullopt);
}

TEST(DataObject, FromTextOnTheClipboardAndBackThroughADataObjectOfTheClipboard) {
  for (const std::string& text : {kCells, kGreeting}) {
    const auto source = DataObject::FromText(text);
    EXPECT_TRUE(source->HasText());
    ASSERT_TRUE(source->SetClipboard());
    const auto pasted = DataObject::FromClipboard();
    EXPECT_TRUE(pasted->HasText());
    EXPECT_EQ(pasted->GetText(), text);
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Grüße"));

  // The clipboard's data object reads the clipboard when asked.
  const auto attached = DataObject::FromClipboard();
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(attached->HasText());
  EXPECT_EQ(attached->GetText(), std::nullopt);
}

TEST(DataObject, ReadsThatFailForAMomentSucceedOnRetry) {
  const auto data = DataObject::FromText(kCells);
  FailingTextReads failing(2);
  std::optional<std::string> text;
  int attempts = 0;
  while (!text && attempts < 7) {
    text = data->GetText();
    ++attempts;
  }
  EXPECT_EQ(attempts, 3);
  EXPECT_EQ(text, kCells);
  EXPECT_EQ(failing.left(), 0);
  EXPECT_TRUE(data->HasText());  // the offer itself stays
}

}  // namespace
}  // namespace plat::test
