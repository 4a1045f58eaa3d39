#include "platform/dialogs/folder_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "platform/text_codec.h"
#include "platform/dialogs/dialog_frame.h"

namespace plat {

std::string FolderWithoutSlash(std::string_view folder) {
  std::string f(folder);
  while (f.size() > 1 && f.back() == '/') f.pop_back();
  return f;
}

// The Qt dialog a person answers.
struct FolderDialog::Person {
  QDialog dialog;
  QLabel* status = nullptr;
  QPushButton* ok = nullptr;
  QTreeView* tree = nullptr;
  QFileSystemModel* model = nullptr;
};

FolderDialog::FolderDialog(std::string_view title, std::string_view start_folder, Window* owner)
    : CommonDialog(title, owner), start_(start_folder) {}

void FolderDialog::SetStatusText(std::string_view text) {
  status_ = std::string(text);
  if (person_) person_->status->setText(QString::fromStdString(Cp1252ToUtf8(status_)));
}

void FolderDialog::SetSelection(std::string_view folder) {
  selection_ = FolderWithoutSlash(folder);
  if (person_) {
    const QModelIndex index = person_->model->index(QString::fromStdString(Cp1252ToUtf8(selection_)));
    if (index.isValid() && person_->tree->currentIndex() != index) {
      // The folder is shown open, with every folder above it.
      for (QModelIndex open = index; open.isValid(); open = open.parent()) person_->tree->expand(open);
      person_->tree->setCurrentIndex(index);  // its signal calls OnSelChanged
      person_->tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
      return;
    }
  }
  OnSelChanged(selection_);
}

void FolderDialog::EnableOK(bool enable) {
  ok_enabled_ = enable;
  if (person_) person_->ok->setEnabled(enable);
}

void FolderDialog::OnInitialized() {
  if (!start_.empty()) SetSelection(start_);
}

void FolderDialog::OnSelChanged(const std::string& folder) { SetStatusText(folder); }

void FolderDialog::Start() {
  chosen_.clear();
  selection_.clear();
  status_.clear();
  ok_enabled_ = true;
  OnInitialized();
}

bool FolderDialog::Choose(std::string_view folder) {
  SetSelection(folder);
  if (!ok_enabled_) return false;
  chosen_ = selection_;
  return true;
}

int FolderDialog::DoModal() {
  Start();
  return Ask([this] { return AskPerson(); });
}

int FolderDialog::AskPerson() {
  Person person;
  QWidget* parent = owner() ? detail::WidgetOfWindow(*owner()) : nullptr;
  person.dialog.setParent(parent, Qt::Dialog);
  person.dialog.setWindowTitle("Browse For Folder");
  auto* layout = new QVBoxLayout(&person.dialog);
  layout->addWidget(new QLabel(QString::fromStdString(Cp1252ToUtf8(title()))));
  person.model = new QFileSystemModel(&person.dialog);
  person.model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  person.model->setRootPath("/");
  person.tree = new QTreeView;
  person.tree->setModel(person.model);
  for (int column = 1; column < person.model->columnCount(); ++column) person.tree->hideColumn(column);
  person.tree->setHeaderHidden(true);
  person.tree->setMinimumSize(320, 300);
  layout->addWidget(person.tree);
  person.status = new QLabel;
  layout->addWidget(person.status);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  person.ok = buttons->button(QDialogButtonBox::Ok);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &person.dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &person.dialog, &QDialog::reject);
  QObject::connect(person.tree->selectionModel(), &QItemSelectionModel::currentChanged,
                   [this, &person](const QModelIndex& index) {
                     selection_ = FolderWithoutSlash(Utf8ToCp1252(person.model->filePath(index).toStdString()));
                     OnSelChanged(selection_);
                   });
  person_ = &person;
  person.status->setText(QString::fromStdString(Cp1252ToUtf8(status_)));
  person.ok->setEnabled(ok_enabled_);
  if (!selection_.empty()) SetSelection(selection_);
  // The tree reads folders in the background: the selection is brought into
  // view again as the folders above it arrive.
  QObject::connect(person.model, &QFileSystemModel::directoryLoaded, [this, &person](const QString&) {
    const QModelIndex index = person.tree->currentIndex();
    if (index.isValid()) person.tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
  });
  const int answer = person.dialog.exec();
  person_ = nullptr;
  if (answer != QDialog::Accepted || selection_.empty() || !ok_enabled_) return IDCANCEL;
  chosen_ = selection_;
  return IDOK;
}

}  // namespace plat
