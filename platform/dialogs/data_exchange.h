#pragma once
// Data exchange between a dialog's controls and its members (MFC's DDX_ and
// DDV_ functions), called from Dialog::DoDataExchange:
//
//   void DoDataExchange(plat::DataExchange& dx) override {
//     plat::DDX_Text(dx, 1000, title);
//     plat::DDV_MaxChars(dx, title, 60);
//     plat::DDX_Text(dx, 1009, width);
//     plat::DDV_MinMaxInt(dx, width, 1, 10);
//     plat::DDX_Text(dx, 1002, scale);      // a double, shown as "%.2f"
//     plat::DDX_Check(dx, 1022, compression);
//     plat::DDX_Radio(dx, 1068, solution);  // the index in the group of 1068
//   }
//
// Loading (dx.saving() false) shows the members in the controls; saving reads
// them back and checks them. The first failure shows its message (with the
// exclamation icon, the program's name as the caption), gives the focus to the
// control with its text selected, and ends the exchange: later DDX_ and DDV_
// calls do nothing and UpdateData returns false. A DDV_ call checks the control
// of the DDX_ call just before it.
//
// The messages: "Please enter an integer.", "Please enter a number.",
// "Please enter an integer between 1 and 99.", "Please enter a number between
// 0 and 2.5.", "Please enter no more than 60 characters.".
#include <string>

#include "platform/window/window.h"

namespace plat {

class Dialog;

class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool save_and_validate);

  Dialog& dialog() const { return *dialog_; }
  bool saving() const { return save_; }
  bool failed() const { return failed_; }
  // The control that the next DDV_ call checks.
  void PrepareCtrl(UINT id) { last_id_ = id; }
  UINT last_id() const { return last_id_; }
  // Shows `message`, puts the focus on the last control (its text selected)
  // and ends the exchange.
  void Fail(const std::string& message);

 private:
  Dialog* dialog_;
  bool save_;
  bool failed_ = false;
  UINT last_id_ = 0;
};

// Text of an edit (or any control with a text).
void DDX_Text(DataExchange& dx, UINT id, std::string& value);
// An integer: blanks around the digits are allowed, anything else is refused.
void DDX_Text(DataExchange& dx, UINT id, int& value);
// A number shown with "%.2f"; read with a decimal point or comma, blanks around it allowed.
void DDX_Text(DataExchange& dx, UINT id, double& value);
void DDX_Text(DataExchange& dx, UINT id, float& value);
// A check box: 0, 1 (or 2 for a three-state box).
void DDX_Check(DataExchange& dx, UINT id, int& value);
// A group of radio buttons starting at `id`: the index of the checked one, -1 when none.
void DDX_Radio(DataExchange& dx, UINT id, int& value);
// The selected index of a list box or combo box (-1: none).
void DDX_LBIndex(DataExchange& dx, UINT id, int& index);
void DDX_CBIndex(DataExchange& dx, UINT id, int& index);

// Loading: limits the edit to `count` characters; saving: refuses a longer text.
void DDV_MaxChars(DataExchange& dx, const std::string& value, int count);
void DDV_MinMaxInt(DataExchange& dx, int value, int min, int max);
void DDV_MinMaxDouble(DataExchange& dx, double value, double min, double max);
void DDV_MinMaxFloat(DataExchange& dx, float value, float min, float max);

// Reads an integer as DDX_Text does; false when the text is none.
bool ParseDialogInt(const std::string& text, int* value);
// Reads a number as DDX_Text does (a decimal comma is taken as a point).
bool ParseDialogDouble(const std::string& text, double* value);

}  // namespace plat
