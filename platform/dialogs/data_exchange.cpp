#include "platform/dialogs/data_exchange.h"

#include <QCoreApplication>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog.h"
#include "platform/message_box.h"

namespace plat {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(const std::string& text) {
  std::size_t a = 0, b = text.size();
  while (a < b && IsBlank(text[a])) ++a;
  while (b > a && IsBlank(text[b - 1])) --b;
  return text.substr(a, b - a);
}

// A number as MFC's messages show it.
std::string NumberText(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string TwoDecimals(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// Reads the control's text on saving; nullopt when there is no such control.
bool ControlText(DataExchange& dx, UINT id, std::string* text) {
  dx.PrepareCtrl(id);
  Window* control = dx.dialog().GetDlgItem(id);
  if (!control) return false;
  *text = control->GetWindowText();
  return true;
}

}  // namespace

DataExchange::DataExchange(Dialog& dialog, bool save_and_validate) : dialog_(&dialog), save_(save_and_validate) {}

void DataExchange::Fail(const std::string& message) {
  if (failed_) return;
  failed_ = true;
  const std::string caption = QCoreApplication::applicationName().toStdString();
  MessageBox(message, caption.empty() ? std::string(" ") : caption, MB_OK | MB_ICONEXCLAMATION);
  if (Window* control = dialog_->GetDlgItem(last_id_)) dialog_->GotoDlgCtrl(control);
}

bool ParseDialogInt(const std::string& text, int* value) {
  const std::string t = Trimmed(text);
  if (t.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(t.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < INT_MIN || v > INT_MAX) return false;
  if (!std::isdigit(static_cast<unsigned char>(t.back()))) return false;
  *value = static_cast<int>(v);
  return true;
}

bool ParseDialogDouble(const std::string& text, double* value) {
  std::string t = Trimmed(text);
  if (t.empty()) return false;
  if (const std::size_t comma = t.find(','); comma != std::string::npos) t[comma] = '.';
  errno = 0;
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  if (end == t.c_str() || *end != '\0' || errno == ERANGE || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

void DDX_Text(DataExchange& dx, UINT id, std::string& value) {
  if (dx.failed()) return;
  if (dx.saving()) {
    std::string text;
    if (ControlText(dx, id, &text)) value = text;
  } else {
    dx.PrepareCtrl(id);
    dx.dialog().SetDlgItemText(id, value);
  }
}

void DDX_Text(DataExchange& dx, UINT id, int& value) {
  if (dx.failed()) return;
  if (!dx.saving()) {
    dx.PrepareCtrl(id);
    dx.dialog().SetDlgItemInt(id, value);
    return;
  }
  std::string text;
  if (!ControlText(dx, id, &text)) return;
  int v = 0;
  if (!ParseDialogInt(text, &v)) {
    dx.Fail("Please enter an integer.");
    return;
  }
  value = v;
}

void DDX_Text(DataExchange& dx, UINT id, double& value) {
  if (dx.failed()) return;
  if (!dx.saving()) {
    dx.PrepareCtrl(id);
    dx.dialog().SetDlgItemText(id, TwoDecimals(value));
    return;
  }
  std::string text;
  if (!ControlText(dx, id, &text)) return;
  double v = 0;
  if (!ParseDialogDouble(text, &v)) {
    dx.Fail("Please enter a number.");
    return;
  }
  value = v;
}

void DDX_Text(DataExchange& dx, UINT id, float& value) {
  double v = value;
  DDX_Text(dx, id, v);
  if (!dx.saving() || dx.failed()) return;
  if (std::fabs(v) > 3.4028234663852886e38) {
    dx.Fail("Please enter a number.");
    return;
  }
  value = static_cast<float>(v);
}

void DDX_Check(DataExchange& dx, UINT id, int& value) {
  if (dx.failed()) return;
  dx.PrepareCtrl(id);
  if (dx.saving()) {
    if (dx.dialog().GetDlgItem(id)) value = dx.dialog().IsDlgButtonChecked(id);
  } else {
    dx.dialog().CheckDlgButton(id, value);
  }
}

void DDX_Radio(DataExchange& dx, UINT id, int& value) {
  if (dx.failed()) return;
  dx.PrepareCtrl(id);
  Window* first = dx.dialog().GetDlgItem(id);
  if (!first) return;
  const std::vector<Window*> group = RadioGroupOf(first);
  if (dx.saving()) {
    value = -1;
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (group[i]->SendMessage(BM_GETCHECK) == BST_CHECKED) value = static_cast<int>(i);
    }
  } else {
    for (std::size_t i = 0; i < group.size(); ++i) {
      group[i]->SendMessage(BM_SETCHECK, static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
    }
  }
}

void DDX_LBIndex(DataExchange& dx, UINT id, int& index) {
  if (dx.failed()) return;
  dx.PrepareCtrl(id);
  if (!dx.dialog().GetDlgItem(id)) return;
  if (dx.saving()) {
    index = static_cast<int>(dx.dialog().SendDlgItemMessage(id, LB_GETCURSEL));
  } else {
    dx.dialog().SendDlgItemMessage(id, LB_SETCURSEL, static_cast<WPARAM>(static_cast<std::int64_t>(index)));
  }
}

void DDX_CBIndex(DataExchange& dx, UINT id, int& index) {
  if (dx.failed()) return;
  dx.PrepareCtrl(id);
  if (!dx.dialog().GetDlgItem(id)) return;
  if (dx.saving()) {
    index = static_cast<int>(dx.dialog().SendDlgItemMessage(id, CB_GETCURSEL));
  } else {
    dx.dialog().SendDlgItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(static_cast<std::int64_t>(index)));
  }
}

void DDV_MaxChars(DataExchange& dx, const std::string& value, int count) {
  if (dx.failed()) return;
  if (!dx.saving()) {
    dx.dialog().SendDlgItemMessage(dx.last_id(), EM_LIMITTEXT, static_cast<WPARAM>(std::max(count, 0)));
    return;
  }
  if (static_cast<int>(value.size()) > count) {
    dx.Fail("Please enter no more than " + std::to_string(count) + " characters.");
  }
}

void DDV_MinMaxInt(DataExchange& dx, int value, int min, int max) {
  if (dx.failed() || !dx.saving()) return;
  if (value < min || value > max) {
    dx.Fail("Please enter an integer between " + std::to_string(min) + " and " + std::to_string(max) + ".");
  }
}

void DDV_MinMaxDouble(DataExchange& dx, double value, double min, double max) {
  if (dx.failed() || !dx.saving()) return;
  if (!(value >= min && value <= max)) {
    dx.Fail("Please enter a number between " + NumberText(min) + " and " + NumberText(max) + ".");
  }
}

void DDV_MinMaxFloat(DataExchange& dx, float value, float min, float max) {
  DDV_MinMaxDouble(dx, value, min, max);
}

}  // namespace plat
