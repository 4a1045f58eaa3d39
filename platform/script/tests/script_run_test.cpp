// Scripted runs of a real program: the steps done as a person's acts, the log,
// and the exit codes of a step that cannot be done (96) and of a program that
// waits for a person after its script (97).
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <fstream>

#include "platform/script/tests/scripted_child.h"
#include "platform/testing/testing.h"

namespace plat::test {
namespace {

using ::testing::TestWithParam;

std::vector<std::string> Oks(const std::vector<std::string>& script_lines) {
  std::vector<std::string> log;
  for (std::size_t i = 0; i < script_lines.size(); ++i) {
    log.push_back("line " + std::to_string(i + 1) + ": " + script_lines[i] + ": ok");
  }
  return log;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

TEST(ScriptRunTest, StepsActAsAPersonAndTheProgramEndsByItsMenu) {
  const std::vector<std::string> steps{"menu File/Store", "click 10 20", "key Ctrl+Z",  "type 1,5",
                                       "menu File/Dialog", "set 1000 42", "press 1",    "snapshot a.png",
                                       "close"};
  const ScriptedRun run = RunScripted(Joined(steps));
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  EXPECT_EQ(run.log, Oks(steps));
  // Typed characters come as key strokes, as from a keyboard.
  ASSERT_EQ(run.notes.size(), 11u) << Joined(run.notes);
  EXPECT_EQ(std::vector<std::string>(run.notes.begin(), run.notes.end() - 1),
            (std::vector<std::string>{"command store", "click 10 20", "key Ctrl+90", "key 49", "char 1", "key 188",
                                      "char ,", "key 53", "char 5", "dialog 1 42"}));
  // The snapshot shows the whole frame.
  const std::string png = testing::TestFolder() + "a.png";
  std::error_code ec;
  std::filesystem::create_directories(SCRIPT_ARTIFACT_DIR, ec);
  std::filesystem::copy_file(png, SCRIPT_ARTIFACT_DIR "/offscreen-frame.png",
                             std::filesystem::copy_options::overwrite_existing, ec);
  const QImage image(QString::fromStdString(png));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ("frame " + std::to_string(image.width()) + " " + std::to_string(image.height()), run.notes.back());
}

TEST(ScriptRunTest, ADialogThatAKeysAcceleratorOpensTakesTheNextSteps) {
  const std::vector<std::string> steps{"key Ctrl+D", "set 1000 7", "press 1", "close"};
  const ScriptedRun run = RunScripted(Joined(steps));
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  EXPECT_EQ(run.log, Oks(steps));
  ASSERT_FALSE(run.notes.empty());
  EXPECT_EQ(run.notes[0], "dialog 1 7");
}

TEST(ScriptRunTest, CommonDialogsTakeTheNextStepAsTheirAnswer) {
  const std::string file = testing::TestFolder() + "two words.txt";
  std::ofstream(file) << "x";
  const ScriptedRun run = RunScripted("# open a file\n\nmenu File/Open\r\nfile " + file +
                                      "\nwait 20\nmenu File/Open\ncancel\nclose\n");
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  EXPECT_EQ(run.log, (std::vector<std::string>{"line 3: menu File/Open: ok", "line 4: file " + file + ": ok",
                                               "line 5: wait 20: ok", "line 6: menu File/Open: ok",
                                               "line 7: cancel: ok", "line 8: close: ok"}));
  ASSERT_GE(run.notes.size(), 2u);
  EXPECT_EQ(run.notes[0], "open 1 " + file);  // a path with a blank
  EXPECT_EQ(run.notes[1], "open 2 ");
}

TEST(ScriptRunTest, MouseKeysAndDialogFieldsOnAViewOfAKnownSize) {
  const std::vector<std::string> steps{
      "view-size 300 200", "menu File/Size",   "click 299 199 Shift", "click 5 6 right",  "click 7 8 double",
      "drag 10 10 50 40",  "wheel -120 Ctrl",  "keydown Shift",       "keyup Shift",      "key Num+",
      "menu File/Dialog",  "set 1000 a b",     "check 1001 1",        "click-in 1002 4 4", "key Down",
      "press 1",           "menu File/Dialog", "choose 1002 2",       "press 1",          "close"};
  // The program maximises its frame first: the view's size is set after that.
  const ScriptedRun run = RunScripted(Joined(steps), {}, {"max"});
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  EXPECT_EQ(run.log, Oks(steps));
  ASSERT_FALSE(run.notes.empty());
  EXPECT_EQ(std::vector<std::string>(run.notes.begin(), run.notes.end() - 1),
            (std::vector<std::string>{"view 300 200", "click 299 199 Shift", "right 5 6", "click 7 8", "double 7 8",
                                      "click 10 10", "dragged to 50 40", "wheel -120 Ctrl", "key 16", "key up 16",
                                      "key 107", "char +", "dialog 1 a b fine 1 entry 1", "dialog 1  fine 0 entry 2"}))
      << Joined(run.notes);
}

TEST(ScriptRunTest, StepsLeftWhenTheProgramEndsAreNamed) {
  const ScriptedRun run = RunScripted("close\nmenu File/Store\n");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.log,
            (std::vector<std::string>{"line 1: close: ok", "the program ended before line 2: menu File/Store"}));
}

struct FailingStep {
  std::string script;
  std::string last_log_line;  // names the step and why it was not done
};

class ScriptFailureTest : public TestWithParam<FailingStep> {};

TEST_P(ScriptFailureTest, EndsWithCode96AndNamesTheStep) {
  const ScriptedRun run = RunScripted(GetParam().script + "\nmenu File/Store\nclose\n");
  EXPECT_EQ(run.exit_code, 96);
  ASSERT_GE(run.log.size(), 2u);
  EXPECT_EQ(run.log[run.log.size() - 2], GetParam().last_log_line);
  EXPECT_EQ(run.log.back(), "the script stops: exit code 96");
  // Nothing after the failed step was done.
  for (const std::string& note : run.notes) EXPECT_NE(note, "command store");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ScriptFailureTest,
    ::testing::Values(
        FailingStep{"command 32773", "line 1: command 32773: command 32773 is disabled"},
        FailingStep{"menu File/Locked", "line 1: menu File/Locked: the menu item \"File/Locked\" is disabled"},
        FailingStep{"menu File/Missing", "line 1: menu File/Missing: no such menu path \"File/Missing\""},
        FailingStep{"press 1", "line 1: press 1: no dialog open"},
        FailingStep{"menu File/Dialog\npress 1234",
                    "line 2: press 1234: no such control 1234 in the dialog \"Value\""},
        FailingStep{"key Hyper+Q", "line 1: key Hyper+Q: no such key \"Hyper+Q\""},
        FailingStep{"click 10", "line 1: click 10: a click needs X Y"},
        FailingStep{"file /tmp/x.txt", "line 1: file /tmp/x.txt: no file dialog open"},
        FailingStep{"menu File/Open\nclick 1 1",
                    "line 2: click 1 1: the step does not answer it (the file dialog \"Open\" is open)"},
        FailingStep{"jump 3", "line 1: jump 3: unknown step \"jump\""}));

TEST(ScriptRunTest, AScriptEndingWhileAModalDialogWaitsEndsWith97) {
  const ScriptedRun run = RunScripted("menu File/Dialog\n", {{"PLAT_SCRIPT_IDLE_S", "2"}});
  EXPECT_EQ(run.exit_code, 97);
  EXPECT_LT(run.seconds, 20.0);
  ASSERT_EQ(run.log.size(), 2u);
  EXPECT_EQ(run.log[0], "line 1: menu File/Dialog: ok");
  EXPECT_EQ(run.log[1], "after the script: the dialog \"Value\" waited for a person for 2 s: exit code 97");
}

TEST(ScriptRunTest, AProgramWithoutAScriptIsEndedWhenNobodyUsesIt) {
  const ScriptedRun run = RunScripted("", {{"PLAT_SCRIPT_IDLE_S", "1"}});
  EXPECT_EQ(run.exit_code, 97);
  EXPECT_EQ(run.log, (std::vector<std::string>{
                         "after the script: the program waited for a person for 1 s: exit code 97"}));
}

}  // namespace
}  // namespace plat::test
