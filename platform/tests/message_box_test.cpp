#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/process.h"
#include "platform/testing/testing.h"
#include "platform/text_file.h"

namespace {

TEST(MessageBox, ScriptAnswersAndLogs) {
  plat::testing::MessageBoxScript script;
  script.Answer(plat::IDYES);
  EXPECT_EQ(plat::MessageBox("Delete position 12?", "Attention", plat::MB_YESNO | plat::MB_ICONQUESTION),
            plat::IDYES);
  // Beyond the script: the default button.
  EXPECT_EQ(plat::MessageBox("Save?", " ", plat::MB_YESNOCANCEL | plat::MB_DEFBUTTON3), plat::IDCANCEL);
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[0].text, "Delete position 12?");
  EXPECT_EQ(script.shown()[0].caption, "Attention");
  EXPECT_EQ(script.shown()[0].flags, plat::MB_YESNO | plat::MB_ICONQUESTION);
}

TEST(MessageBox, FileErrorNamesTheFileAndTheReason) {
  plat::testing::MessageBoxScript script;
  plat::FileErrorBox("/no/such/Material.A1", plat::FileAccess::kCreate, ENOENT);
  plat::FileErrorBox("Material.A1", plat::FileAccess::kRead);
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[0].text,
            "The file /no/such/Material.A1 could not be created.\n" + std::string(std::strerror(ENOENT)));
  EXPECT_EQ(script.shown()[1].text, "The file Material.A1 could not be opened.");
}

TEST(MessageBox, DefaultAnswers) {
  struct Case {
    unsigned flags;
    int answer;
  } cases[] = {
      {plat::MB_OK, plat::IDOK},
      {plat::MB_OKCANCEL, plat::IDOK},
      {plat::MB_OKCANCEL | plat::MB_DEFBUTTON2, plat::IDCANCEL},
      {plat::MB_YESNO, plat::IDYES},
      {plat::MB_YESNO | plat::MB_DEFBUTTON2, plat::IDNO},
      {plat::MB_YESNOCANCEL | plat::MB_DEFBUTTON2, plat::IDNO},
  };
  for (const auto& c : cases) EXPECT_EQ(plat::DefaultAnswer(c.flags), c.answer) << c.flags;
}

// A child program with a real application object under the offscreen platform
// shows a box with PLAT_MESSAGES set: it must end by itself and leave its line.
TEST(MessageBox, UnattendedChildLogsAndAnswers) {
  const std::string log = plat::testing::TestFolder() + "messages.txt";
  const std::string answers = plat::testing::TestFolder() + "answers.txt";
  setenv("PLAT_MESSAGES", log.c_str(), 1);
  const std::string child = plat::ProgramFolder() + "plat_child";

  EXPECT_EQ(plat::RunAndWait(child, {"box", "Error", "Singularity in row 4"}), plat::IDYES);
  ASSERT_TRUE(plat::WriteTextFile(answers, "No\n"));
  setenv("PLAT_ANSWERS", answers.c_str(), 1);
  EXPECT_EQ(plat::RunAndWait(child, {"box", "Frage", "Gr\xFC\xDF" "e"}), plat::IDNO);
  unsetenv("PLAT_MESSAGES");
  unsetenv("PLAT_ANSWERS");

  auto lines = plat::ReadLines(log);
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (std::vector<std::string>{"Error\tSingularity in row 4", "Frage\tGr\xC3\xBC\xC3\x9F" "e"}));
}

}  // namespace
