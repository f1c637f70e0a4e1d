// The three dialogs driven as a user drives them: keys and clicks on the real widgets, message
// boxes read and closed as they come up.
#include <gmock/gmock.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "CharacterList.h"
#include "CharacterSelection.h"
#include "CodePage.h"
#include "DialogDriving.h"
#include "FakeDesktopTools.h"
#include "FileAssociation.h"
#include "FormAbout.h"
#include "FormConfig.h"
#include "FormSelect.h"
#include "FrontEndFixture.h"

namespace kiova::testing {
namespace {
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Dialogs : public FrontEndFixture {
protected:
    void RunSettings() { RunConfigDialog(nullptr, *front_end); }
};

TEST_F(Dialogs, SettingsDialogWillNotCloseWithoutAValidProfile) {
    std::filesystem::remove(folder.Path() / "Kiova.ini");
    view.on_settings = [this] { RunSettings(); };
    WhenOpen<QDialog>([](QDialog& dialog) {
        auto& pages = Child<QTabWidget>(dialog, "PageConfig");
        EXPECT_EQ(dialog.windowTitle(), "設定");
        EXPECT_EQ(pages.currentIndex(), 1);  // opened for the profile: on the user page
        EXPECT_EQ(Child<QLabel>(dialog, "LabelReason").text(),
                  "はじめに、あなたのプロフィールを入力してください。");
        QString message;
        CloseNextMessage(message);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(message, "空欄があります");
        EXPECT_EQ(pages.currentIndex(), 1);  // one page forward, to the user page
        EXPECT_TRUE(dialog.isVisible());

        Compose(Child<QLineEdit>(dialog, "EditMyoji"), "佐藤");
        Compose(Child<QLineEdit>(dialog, "EditNamae"), "花子");
        QTest::keyClicks(&Child<QLineEdit>(dialog, "EditHandleName"), "hana");
        QTest::keyClicks(&Child<QLineEdit>(dialog, "EditNickName"), "Hana");
        Click(Child<QWidget>(dialog, "RadioFemale"));
        Step(Child<QSpinBox>(dialog, "MemoYear"), 2001 - 1970);
        Step(Child<QSpinBox>(dialog, "MemoMonth"), 1);
        Step(Child<QSpinBox>(dialog, "MemoDay"), 29);
        ClickTab(pages, 2);
        CloseNextMessage(message);
        Click(Child<QPushButton>(dialog, "ButtonSet"));
        EXPECT_EQ(message, "不正な日付です");  // 2001/2/30
        EXPECT_EQ(pages.currentIndex(), 1);    // one page back, to the user page

        Step(Child<QSpinBox>(dialog, "MemoDay"), -2);
        Click(Child<QPushButton>(dialog, "ButtonSet"));
        EXPECT_FALSE(dialog.isVisible());
    });
    Start(WriteGreeter("Alice", "Hi"));
    EXPECT_EQ(view.settings_dialogs, 1);
    front_end->Shutdown();
    EXPECT_THAT(folder.Read("Kiova.ini"),
                HasSubstr("User=佐藤{BR}花子{BR}hana{BR}Hana{BR}Female{BR}2001/02/28"));
}

TEST_F(Dialogs, SettingsDialogKeepsALongIntervalAndAssociatesOnce) {
    folder.Write("Kiova.ini",
                 std::string("[Balloon]\r\nSpeed=1500\r\n[User]\r\n") + kValidProfileLine + "\r\n");
    FakeDesktopTools tools(folder);
    ScopedEnvironment data_home("XDG_DATA_HOME", folder / "data");
    Start(WriteGreeter("Alice", "Hi"));
    auto toggle_association_and_ok = [](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>("LabelReason"), nullptr);
        EXPECT_EQ(Child<QTabWidget>(dialog, "PageConfig").currentIndex(), 0);
        EXPECT_EQ(Child<QSpinBox>(dialog, "EditInterval").text(), "1500");
        Click(Child<QCheckBox>(dialog, "CheckExChar"));
        Click(Child<QPushButton>(dialog, "ButtonSet"));
    };
    WhenOpen<QDialog>(toggle_association_and_ok);
    RunSettings();
    EXPECT_EQ(timer.interval, 1500);
    std::string entry = folder.Read("data/applications/kiova.desktop");
    EXPECT_THAT(entry, HasSubstr("Exec=\"" + QCoreApplication::applicationFilePath().toStdString() +
                                 "\" %f"));
    EXPECT_EQ(tools.Calls().size(), 3u);

    WhenOpen<QDialog>([](QDialog& dialog) {
        EXPECT_TRUE(Child<QCheckBox>(dialog, "CheckExChar").isChecked());
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    RunSettings();
    EXPECT_EQ(tools.Calls().size(), 3u);  // on twice: written once

    WhenOpen<QDialog>(toggle_association_and_ok);
    RunSettings();
    EXPECT_FALSE(std::filesystem::exists(folder / "data/applications/kiova.desktop"));
    EXPECT_FALSE(std::filesystem::exists(folder / "data/mime/packages/kiova-character.xml"));
    EXPECT_EQ(tools.Calls().size(), 5u);
}

// Each dialog has a dialog's frame: it keeps the size it opened with, and one that a window
// manager minimises all the same (with no taskbar button to come back from) is back at once.
TEST_F(Dialogs, DialogsKeepTheirSizeAndComeBackWhenMinimised) {
    folder.Write("Kiova.ini", std::string("[User]\r\n") + kValidProfileLine + "\r\n");
    Start(WriteGreeter("Alice", "Hi"));
    TCharacterList list(folder / "Kiova.ini");
    TCharacterSelection selection(list, ProgramFolder());
    const std::function<void()> dialogs[] = {[this] { RunSettings(); },
                                             [this] { RunAboutDialog(nullptr, *front_end); },
                                             [&] { RunSelectDialog(nullptr, selection); }};
    for (const std::function<void()>& run : dialogs) {
        WhenOpen<QDialog>([](QDialog& dialog) {
            EXPECT_EQ(dialog.minimumSize(), dialog.size()) << dialog.windowTitle().toStdString();
            EXPECT_EQ(dialog.maximumSize(), dialog.size()) << dialog.windowTitle().toStdString();
            dialog.setWindowState(Qt::WindowMinimized);
            EXPECT_FALSE(dialog.isMinimized()) << dialog.windowTitle().toStdString();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        run();
    }
}

class SelectionDialog : public FrontEndFixture {
protected:
    SelectionDialog() {
        for (const char* name : {"Alice", "Bob", "Carol"}) WriteGreeter(name, "Hi");
        list = std::make_unique<TCharacterList>(folder / "Kiova.ini");
    }
    QTreeWidgetItem& Row(QTreeWidget& rows, int index) { return *rows.topLevelItem(index); }
    void ClickRow(QTreeWidget& rows, int index) {
        QTest::mouseClick(rows.viewport(), Qt::LeftButton, {},
                          rows.visualItemRect(&Row(rows, index)).center());
    }

    std::unique_ptr<TCharacterList> list;
};

TEST_F(SelectionDialog, DeleteRemovesARowEnterChoosesEscapeCancels) {
    TCharacterSelection selection(*list, ProgramFolder());
    WhenOpen<QDialog>([this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "人格の選択");
        auto& rows = Child<QTreeWidget>(dialog, "ListViewChar");
        EXPECT_EQ(rows.headerItem()->text(0), "人格名");
        EXPECT_EQ(rows.headerItem()->text(1), "パス");
        ASSERT_EQ(rows.topLevelItemCount(), 3);
        QString message;
        CloseNextMessage(message);
        QTest::keyClick(&rows, Qt::Key_Return);
        EXPECT_EQ(message, "人格を選択してください");

        ClickRow(rows, 1);
        QTest::keyClick(&rows, Qt::Key_Delete);
        ASSERT_EQ(rows.topLevelItemCount(), 2);
        ClickRow(rows, 1);
        EXPECT_EQ(Row(rows, 1).text(0), "Carol");
        QTest::keyClick(&rows, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    RunSelectDialog(nullptr, selection);
    EXPECT_EQ(selection.ChosenPath(), folder / "Carol.ktc");
    EXPECT_EQ(list->Paths(),
              (std::vector<std::string>{folder / "Carol.ktc", folder / "Alice.ktc"}));

    TCharacterSelection again(*list, ProgramFolder());
    WhenOpen<QDialog>([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    RunSelectDialog(nullptr, again);
    EXPECT_TRUE(again.Cancelled());
}

TEST_F(SelectionDialog, BrowsedFilesAreCheckedBeforeTheyJoinTheList) {
    std::unique_ptr<QFileDialog> files = MakeCharacterFileDialog(nullptr);
    EXPECT_EQ(files->windowTitle(), "人格ファイルの選択");
    EXPECT_THAT(files->nameFilters(), ElementsAre("Kiova人格ファイル(*.ktc, *.txt) (*.ktc *.txt)"));
    EXPECT_EQ(files->fileMode(), QFileDialog::ExistingFile);

    std::vector<std::string> picked = {
        folder.Write("notes.txt", "not a character"),
        folder.Write("elsewhere/Dave.ktc", "name\r\nDave\r\nversion\r\n210\r\n")};
    auto next_pick = [&picked](QWidget*) -> std::optional<QString> {
        if (picked.empty()) return std::nullopt;
        QString path = QString::fromStdString(picked.front());
        picked.erase(picked.begin());
        return path;
    };
    TCharacterSelection selection(*list, ProgramFolder());
    WhenOpen<QDialog>([&](QDialog& dialog) {
        auto& rows = Child<QTreeWidget>(dialog, "ListViewChar");
        QString message;
        CloseNextMessage(message);
        Click(Child<QPushButton>(dialog, "ButtonBrowse"));
        EXPECT_EQ(message, "無効なファイルです");
        Click(Child<QPushButton>(dialog, "ButtonBrowse"));
        ASSERT_EQ(rows.topLevelItemCount(), 4);
        EXPECT_EQ(Row(rows, 3).text(0), "Dave");
        Click(Child<QPushButton>(dialog, "ButtonBrowse"));  // cancelled: nothing joins
        EXPECT_EQ(rows.topLevelItemCount(), 4);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    RunSelectDialog(nullptr, selection, next_pick);
    EXPECT_TRUE(selection.Cancelled());
}

}  // namespace
}  // namespace kiova::testing
