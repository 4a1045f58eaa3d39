#pragma once
// The parts of a ribbon (MFC's CMFCRibbonCategory, CMFCRibbonPanel and the
// ribbon elements): a category (a tab) holds panels, a panel holds elements
// in a row: large buttons, columns of up to three small buttons, combo
// boxes, edits and labels, with the panel's name below them. Each element
// that has an id sends that command to the frame (a button when clicked, a
// combo box when an item is chosen or Enter is pressed in its edit, an edit
// when Enter is pressed in it) and takes its state from the update handlers
// of that id. Elements are made by their panel (RibbonPanel::AddButton, ...)
// and live as long as the ribbon.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dc/bitmap.h"
#include "platform/dc/gdi_types.h"
#include "platform/window/messages.h"

class QBoxLayout;
class QLabel;
class QToolButton;
class QWidget;

namespace plat {

class ComboBox;
class Edit;
class RibbonBar;
class Window;
class RibbonCategory;
class RibbonPanel;

class RibbonElement {
 public:
  enum class Kind { kButton, kComboBox, kEdit, kLabel };

  virtual ~RibbonElement();
  RibbonElement(const RibbonElement&) = delete;
  RibbonElement& operator=(const RibbonElement&) = delete;

  Kind kind() const { return kind_; }
  UINT GetID() const { return id_; }
  const std::string& GetText() const { return text_; }
  RibbonPanel* GetParentPanel() const { return panel_; }
  RibbonCategory* GetParentCategory() const;

  // The state shown now.
  virtual bool IsEnabled() const;
  virtual bool IsChecked() const { return false; }
  virtual void SetEnabled(bool enabled);
  virtual void SetChecked(bool) {}
  // Where the element is shown, in the ribbon's client coordinates; empty
  // while it is not shown (its category is not the active one).
  Rect GetRect() const;

 protected:
  RibbonElement(Kind kind, UINT id, std::string_view text, RibbonPanel* panel);
  // The widget that shows the element.
  virtual QWidget* Widget() const = 0;

 private:
  friend class RibbonBar;
  friend class RibbonPanel;
  Kind kind_;
  UINT id_;
  std::string text_;
  RibbonPanel* panel_;
};

enum class RibbonButtonSize { kLarge, kSmall };

class RibbonButton : public RibbonElement {
 public:
  RibbonButtonSize size() const { return size_; }
  const Bitmap& image() const { return image_; }
  bool IsChecked() const override;
  void SetChecked(bool checked) override;
  // The widget that shows the button (platform/ and tests only).
  QToolButton* button() const { return button_; }

 protected:
  QWidget* Widget() const override;

 private:
  friend class RibbonPanel;
  RibbonButton(UINT id, std::string_view text, RibbonButtonSize size, Bitmap image, RibbonPanel* panel);
  RibbonButtonSize size_;
  Bitmap image_;
  bool checked_ = false;  // as the update handlers set it
  QToolButton* button_ = nullptr;
};

// An element shown by one of the platform's controls beside its label.
class RibbonField : public RibbonElement {
 public:
  ~RibbonField() override;
  // The control that shows the element.
  virtual Window* GetControl() const = 0;
  void SetEnabled(bool enabled) override;
  bool IsEnabled() const override;

 protected:
  RibbonField(Kind kind, UINT id, std::string_view text, RibbonPanel* panel);
  QWidget* Widget() const override { return box_; }

 private:
  friend class RibbonPanel;
  QWidget* box_ = nullptr;  // the label and the control
};

// A combo box: a list of items with an edit when `editable`.
class RibbonComboBox : public RibbonField {
 public:
  ~RibbonComboBox() override;
  int AddItem(std::string_view text, std::uint64_t data = 0);
  void RemoveAllItems();
  int GetCount() const;
  std::string GetItem(int index) const;
  std::uint64_t GetItemData(int index) const;
  // Selects an item (its text shows in the edit); false when none has the index.
  bool SelectItem(int index);
  bool SelectItem(std::string_view text);
  int GetCurSel() const;
  // The edit's text (an editable combo box), else the selected item's.
  std::string GetEditText() const;
  void SetEditText(std::string_view text);
  bool IsEditable() const { return editable_; }
  // The control itself.
  ComboBox* GetComboBox() const { return combo_.get(); }
  Window* GetControl() const override;

 private:
  friend class RibbonPanel;
  RibbonComboBox(UINT id, std::string_view text, bool editable, RibbonPanel* panel);
  bool editable_;
  std::unique_ptr<ComboBox> combo_;
};

// A single-line edit.
class RibbonEdit : public RibbonField {
 public:
  ~RibbonEdit() override;
  std::string GetEditText() const;
  void SetEditText(std::string_view text);
  Edit* GetEdit() const { return edit_.get(); }
  Window* GetControl() const override;

 private:
  friend class RibbonPanel;
  RibbonEdit(UINT id, std::string_view text, RibbonPanel* panel);
  std::unique_ptr<Edit> edit_;
};

// A text without a command.
class RibbonLabel : public RibbonElement {
 public:
  void SetText(std::string_view text);

 protected:
  QWidget* Widget() const override;

 private:
  friend class RibbonPanel;
  RibbonLabel(std::string_view text, RibbonPanel* panel);
  QLabel* label_ = nullptr;
};

class RibbonPanel {
 public:
  ~RibbonPanel();
  RibbonPanel(const RibbonPanel&) = delete;
  RibbonPanel& operator=(const RibbonPanel&) = delete;

  const std::string& GetName() const { return name_; }
  RibbonCategory* GetParentCategory() const { return category_; }

  // A button; small buttons stack in columns of three.
  RibbonButton* AddButton(UINT id, std::string_view text, RibbonButtonSize size = RibbonButtonSize::kLarge,
                          Bitmap image = {});
  // A combo box `width` pixels wide, with `text` as its label.
  RibbonComboBox* AddComboBox(UINT id, std::string_view text, bool editable = true, int width = 120);
  // An edit `width` pixels wide, with `text` as its label.
  RibbonEdit* AddEdit(UINT id, std::string_view text, int width = 160);
  RibbonLabel* AddLabel(std::string_view text);
  // A line between the elements before and after.
  void AddSeparator();

  int GetCount() const { return static_cast<int>(elements_.size()); }
  RibbonElement* GetElement(int index) const;

 private:
  friend class RibbonCategory;
  RibbonPanel(std::string_view name, RibbonCategory* category);
  RibbonBar* Bar() const;
  // Adds a widget to the panel's row (small buttons to the open column).
  void Place(QWidget* widget, bool small);
  // Shows a field's control `width` pixels wide beside its label and keeps it.
  template <typename Field>
  Field* PlaceField(std::unique_ptr<Field> field, int width);

  std::string name_;
  RibbonCategory* category_;
  std::vector<std::unique_ptr<RibbonElement>> elements_;
  QWidget* frame_ = nullptr;
  QBoxLayout* row_ = nullptr;
  QBoxLayout* column_ = nullptr;  // the column small buttons go into
  int column_count_ = 0;
};

class RibbonCategory {
 public:
  ~RibbonCategory();
  RibbonCategory(const RibbonCategory&) = delete;
  RibbonCategory& operator=(const RibbonCategory&) = delete;

  const std::string& GetName() const { return name_; }
  RibbonBar* GetParentRibbonBar() const { return bar_; }
  RibbonPanel* AddPanel(std::string_view name);
  int GetPanelCount() const { return static_cast<int>(panels_.size()); }
  RibbonPanel* GetPanel(int index) const;

 private:
  friend class RibbonBar;
  friend class RibbonPanel;
  RibbonCategory(std::string_view name, RibbonBar* bar, QWidget* page);

  std::string name_;
  RibbonBar* bar_;
  QWidget* page_;
  QBoxLayout* row_ = nullptr;
  std::vector<std::unique_ptr<RibbonPanel>> panels_;
};

}  // namespace plat
