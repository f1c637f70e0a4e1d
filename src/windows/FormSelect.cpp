// The character selection dialog: the rows of a TCharacterSelection in a two-column list. The
// selection decides; the dialog shows its rows and the messages it asks for.
#include "FormSelect.h"

#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Accessibility.h"
#include "CharacterSelection.h"
#include "CodePage.h"
#include "QtText.h"
#include "UiTexts.h"
#include "WindowManager.h"

namespace kiova {
namespace {

constexpr int kColumnPadding = 16;

class TFormSelect final : public QDialog {
public:
    TFormSelect(QWidget* parent, TCharacterSelection& selection,
                const TCharacterFileChooser& choose_file);

    // Every way out that is not OK cancels: the Cancel button, Escape, the close box, and a
    // close from outside (CloseModalWindows).
    void done(int result) override {
        if (result != QDialog::Accepted) selection_.Cancel();
        QDialog::done(result);
    }

protected:
    // The Delete key, once released in the list, removes the selected row.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == list_view_char_ && event->type() == QEvent::KeyRelease &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            DeleteSelectedRow();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }

private:
    void AddRow(const TCharacterSelection::TRow& row);
    std::optional<size_t> SelectedRow() const;
    void ShowMessage(TUiText text);
    void ButtonBrowseClick();
    void ButtonOkClick();
    void DeleteSelectedRow();

    TCharacterSelection& selection_;
    const TCharacterFileChooser& choose_file_;
    QTreeWidget* list_view_char_;
};

TFormSelect::TFormSelect(QWidget* parent, TCharacterSelection& selection,
                         const TCharacterFileChooser& choose_file)
    : QDialog(parent, kDialogWindowFlags),
      selection_(selection),
      choose_file_(choose_file),
      list_view_char_(new QTreeWidget(this)) {
    UseDialogFrame(*this);
    setWindowTitle(ToQString(kSelectionCaption));
    list_view_char_->setObjectName(QStringLiteral("ListViewChar"));
    list_view_char_->setHeaderLabels(
        {ToQString(kSelectionNameColumn), ToQString(kSelectionPathColumn)});
    list_view_char_->setRootIsDecorated(false);
    list_view_char_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_view_char_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_view_char_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_view_char_->setSortingEnabled(false);
    list_view_char_->header()->setSectionsClickable(false);
    for (const TCharacterSelection::TRow& row : selection_.Rows()) AddRow(row);
    // The name column fits the longest name and its own caption.
    list_view_char_->resizeColumnToContents(0);
    list_view_char_->setColumnWidth(0, std::max(list_view_char_->columnWidth(0),
                                                list_view_char_->header()->sectionSizeHint(0)) +
                                           kColumnPadding);
    list_view_char_->installEventFilter(this);

    auto* button_browse = new QPushButton(ToQString(kSelectionBrowse), this);
    auto* button_ok = new QPushButton(ToQString(kButtonOk), this);
    auto* button_cancel = new QPushButton(ToQString(kButtonCancel), this);
    button_browse->setObjectName(QStringLiteral("ButtonBrowse"));
    button_ok->setObjectName(QStringLiteral("ButtonOK"));
    button_cancel->setObjectName(QStringLiteral("ButtonCancel"));
    button_ok->setDefault(true);
    connect(button_browse, &QPushButton::clicked, this, [this] { ButtonBrowseClick(); });
    connect(button_ok, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    connect(button_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_browse);
    buttons->addStretch();
    buttons->addWidget(button_ok);
    buttons->addWidget(button_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_view_char_);
    layout->addLayout(buttons);
    resize(480, 260);
    DescribeControls(*this, {{"ListViewChar", kA11yCharacterList, kA11yCharacterListHelp},
                             {"ButtonBrowse", {}, kA11yBrowse},
                             {"ButtonOK", {}, kA11ySwitchCharacter},
                             {"ButtonCancel", {}, kA11yKeepCharacter}});
    list_view_char_->setFocus();
}

void TFormSelect::AddRow(const TCharacterSelection::TRow& row) {
    new QTreeWidgetItem(list_view_char_,
                        {QString::fromStdString(row.name), QString::fromStdString(row.path)});
}

std::optional<size_t> TFormSelect::SelectedRow() const {
    QList<QTreeWidgetItem*> selected = list_view_char_->selectedItems();
    if (selected.size() != 1) return std::nullopt;
    return static_cast<size_t>(list_view_char_->indexOfTopLevelItem(selected.front()));
}

void TFormSelect::ShowMessage(TUiText text) {
    QMessageBox::information(this, ToQString(kApplicationTitle), ToQString(text));
}

void TFormSelect::ButtonBrowseClick() {
    std::optional<QString> chosen = choose_file_(this);
    if (!chosen) return;
    if (std::optional<TUiText> refused = selection_.Browse(FromQString(*chosen))) {
        ShowMessage(*refused);
        return;
    }
    AddRow(selection_.Rows().back());
}

void TFormSelect::ButtonOkClick() {
    if (!selection_.Accept(SelectedRow())) {
        ShowMessage(kNothingSelectedMessage);
        return;
    }
    accept();
}

void TFormSelect::DeleteSelectedRow() {
    std::optional<size_t> row = SelectedRow();
    if (!row) return;
    selection_.Delete(*row);
    delete list_view_char_->takeTopLevelItem(static_cast<int>(*row));
}

}  // namespace

std::unique_ptr<QFileDialog> MakeCharacterFileDialog(QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, ToQString(kSelectionFileTitle), QString(),
                                                ToQString(kSelectionFileFilter));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    return dialog;
}

std::optional<QString> ChooseCharacterFile(QWidget* parent) {
    std::unique_ptr<QFileDialog> dialog = MakeCharacterFileDialog(parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().front();
}

void RunSelectDialog(QWidget* parent, TCharacterSelection& selection,
                     const TCharacterFileChooser& choose_file) {
    TFormSelect dialog(parent, selection, choose_file);
    dialog.exec();
}

}  // namespace kiova
