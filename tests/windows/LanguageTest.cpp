// The interface in the user's language: the menu and each dialog as a user of an English
// desktop reads them, Qt's own dialogs under a Japanese locale, and the built-in Japanese texts
// when the catalogue is missing or damaged.
#include <gmock/gmock.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <fstream>
#include <set>

#include "CharacterList.h"
#include "CharacterSelection.h"
#include "DialogDriving.h"
#include "FormAbout.h"
#include "FormConfig.h"
#include "FormMain.h"
#include "FormSelect.h"
#include "FrontEndFixture.h"
#include "MainMenu.h"
#include "Translation.h"
#include "UiTexts.h"

namespace kiova::testing {
namespace {
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::filesystem::path kCatalogues = KIOVA_TRANSLATIONS_DIR;

QString FormLabel(QWidget& field) {
    auto* form = qobject_cast<QFormLayout*>(field.parentWidget()->layout());
    auto* label = form ? qobject_cast<QLabel*>(form->labelForField(&field)) : nullptr;
    return label ? label->text() : QString();
}

QString Accessible(QWidget& widget, QAccessible::Text text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible ? accessible->text(text) : QString();
}

// Every named control of the window that takes the focus (not Qt's own parts: a tab bar's
// scroll buttons) has a name and a description to be read.
void ExpectEveryControlDescribed(QWidget& window) {
    int controls = 0;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString name = control->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || control->focusPolicy() == Qt::NoFocus ||
            qobject_cast<QTabBar*>(control->parentWidget()))
            continue;
        ++controls;
        EXPECT_FALSE(Accessible(*control, QAccessible::Name).isEmpty()) << name.toStdString();
        EXPECT_FALSE(Accessible(*control, QAccessible::Description).isEmpty())
            << name.toStdString();
    }
    EXPECT_GT(controls, 2);
}

class English : public FrontEndFixture {
protected:
    English() { EXPECT_TRUE(english.OwnCatalogueLoaded()); }

    TTranslations english{EUiLanguage::English, {kCatalogues}};
};

TEST_F(English, ContextMenu) {
    QWidget window;
    TMainMenu menu(&window);
    QStringList items;
    for (QAction* action : menu.Menu().actions()) items << action->text();
    EXPECT_THAT(items, ElementsAre("Show the &Patting Menu", "Stay on &Top", "&Desktop Mode",
                                   "H&ide", "&Settings...", "&Change Character...", "", "&Help",
                                   "Kiova &Website", "&About Kiova...", "", "&Quit"));
    menu.SetWindowShown(false);
    EXPECT_EQ(menu.change_state->text(), "Sh&ow");
    // A letter shared by two items only moves between them, so each letter must be unique.
    for (bool shown : {true, false}) {
        menu.SetWindowShown(shown);
        std::set<int> letters;
        for (QAction* action : menu.Menu().actions()) {
            if (action->isSeparator()) continue;
            EXPECT_TRUE(letters.insert(QKeySequence::mnemonic(action->text())[0].key()).second)
                << action->text().toStdString();
        }
    }
}

TEST_F(English, TheBalloonIsReadAloud) {
    TFormMain form;
    form.SetBalloonText(u"Nice to meet you");
    QAccessibleInterface* balloon = QAccessible::queryAccessibleInterface(&form.Balloon());
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->text(QAccessible::Name), "Balloon");
    ASSERT_NE(balloon->textInterface(), nullptr);
    EXPECT_EQ(balloon->textInterface()->text(0, balloon->textInterface()->characterCount()),
              "Nice to meet you");
}

TEST_F(English, SettingsDialog) {
    Start(WriteGreeter("Alice", "Hi"));
    WhenOpen<QDialog>([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Settings");
        ExpectEveryControlDescribed(dialog);
        EXPECT_EQ(Accessible(Child<QWidget>(dialog, "MemoYear"), QAccessible::Name), "Birth year");
        auto& pages = Child<QTabWidget>(dialog, "PageConfig");
        EXPECT_EQ(pages.tabText(0), "General");
        EXPECT_EQ(pages.tabText(1), "User");
        EXPECT_EQ(pages.tabText(2), "Plug-ins");
        EXPECT_EQ(Child<QCheckBox>(dialog, "CheckExecute").text(),
                  "&Allow running programs from the character's folder");
        EXPECT_EQ(Child<QRadioButton>(dialog, "RadioFemale").text(), "Female");
        auto& myoji = Child<QLineEdit>(dialog, "EditMyoji");
        EXPECT_EQ(FormLabel(myoji), "&Last name:");
        EXPECT_EQ(Child<QPushButton>(dialog, "ButtonCancel").text(), "&Cancel");
        // The default Windows font shows as the installed font that stands in for it.
        QString font = Child<QLabel>(dialog, "LabelFontName").text();
        EXPECT_TRUE(QFontDatabase::hasFamily(font.left(font.lastIndexOf(' '))))
            << font.toStdString();

        QString saved = myoji.text();
        myoji.clear();
        QString message;
        CloseNextMessage(message);
        Click(Child<QPushButton>(dialog, "ButtonSet"));
        EXPECT_EQ(message, "Please fill in every field.");
        myoji.setText(saved);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    RunConfigDialog(nullptr, *front_end);
}

TEST_F(English, AboutDialog) {
    Start(WriteGreeter("Alice", "Hi"));
    WhenOpen<QDialog>([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "About Kiova");
        ExpectEveryControlDescribed(dialog);
        EXPECT_THAT(Child<QPlainTextEdit>(dialog, "MemoTitle").toPlainText().toStdString(),
                    HasSubstr("Each character's dialogue and pictures belong to their authors.\n"
                              "This software comes with no warranty."));
        auto& change = Child<QPushButton>(dialog, "ButtonChange");
        EXPECT_EQ(change.text(), "About the &Character");
        Click(change);
        EXPECT_EQ(dialog.windowTitle(), "About the Character");
        EXPECT_EQ(change.text(), "About &Kiova");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    RunAboutDialog(nullptr, *front_end);
}

TEST_F(English, SelectionDialog) {
    WriteGreeter("Alice", "Hi");
    TCharacterList list(folder / "Kiova.ini");
    TCharacterSelection selection(list, ProgramFolder());
    WhenOpen<QDialog>([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Choose a Character");
        ExpectEveryControlDescribed(dialog);
        auto& rows = Child<QTreeWidget>(dialog, "ListViewChar");
        EXPECT_EQ(rows.headerItem()->text(0), "Character");
        EXPECT_EQ(rows.headerItem()->text(1), "Location");
        QString message;
        CloseNextMessage(message);
        QTest::keyClick(&rows, Qt::Key_Return);
        EXPECT_EQ(message, "Please choose a character.");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    RunSelectDialog(nullptr, selection);

    std::unique_ptr<QFileDialog> files = MakeCharacterFileDialog(nullptr);
    EXPECT_EQ(files->windowTitle(), "Open a Character File");
    EXPECT_THAT(files->nameFilters(), ElementsAre("Kiova characters (*.ktc, *.txt) (*.ktc *.txt)"));
    EXPECT_EQ(files->labelText(QFileDialog::FileName), "File &name:");
}

TEST(Japanese, QtsOwnFileDialogIsJapaneseToo) {
    TTranslations japanese(EUiLanguage::Japanese, {kCatalogues});
    std::unique_ptr<QFileDialog> files = MakeCharacterFileDialog(nullptr);
    EXPECT_EQ(files->windowTitle(), "人格ファイルの選択");
    EXPECT_EQ(files->labelText(QFileDialog::FileName), "ファイル名(&N):");
}

TEST(Catalogues, AMissingOrDamagedCatalogueLeavesTheBuiltInTexts) {
    TempFolder folder;
    folder.Write("garbage/kiova_en.qm", "not a catalogue");
    std::ifstream real(kCatalogues / "kiova_en.qm", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(real)), {});
    ASSERT_GT(bytes.size(), 64u);
    folder.Write("truncated/kiova_en.qm", bytes.substr(0, bytes.size() / 2));
    for (const char* damaged : {"missing", "garbage", "truncated"}) {
        TTranslations english(EUiLanguage::English, {folder / damaged});
        EXPECT_FALSE(english.OwnCatalogueLoaded()) << damaged;
        EXPECT_EQ(Translated(kMenuQuit), u"終了(&Q)") << damaged;
    }
    // A damaged catalogue is passed over for the next folder's.
    TTranslations english(EUiLanguage::English, {folder / "garbage", kCatalogues});
    EXPECT_EQ(Translated(kMenuQuit), u"&Quit");
}

}  // namespace
}  // namespace kiova::testing
