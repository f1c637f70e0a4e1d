// The settings dialog: the general, user and plug-in pages over TConfigValues. Both buttons
// check the profile first; OK applies through the model, which also writes the association.
#include "FormConfig.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "Accessibility.h"
#include "CharacterServices.h"
#include "CodePage.h"
#include "ConfigModel.h"
#include "FileAssociation.h"
#include "FontFallback.h"
#include "FrontEnd.h"
#include "PluginList.h"
#include "QtText.h"
#include "UiTexts.h"
#include "WindowManager.h"

namespace kiova {
namespace {

// An up-down control over a read-only number: the arrows and the arrow keys step it within
// [min, max], while the number it shows may lie beyond `max` (a longer interval from the
// settings file stays until the user steps it).
class TUpDown final : public QSpinBox {
public:
    TUpDown(int step_min, int step_max, int shown_max, QWidget* parent)
        : QSpinBox(parent), step_min_(step_min), step_max_(step_max) {
        setRange(step_min, shown_max);
        lineEdit()->setReadOnly(true);
        lineEdit()->setMaxLength(static_cast<int>(QString::number(shown_max).size()));
    }
    void stepBy(int steps) override { setValue(std::clamp(value() + steps, step_min_, step_max_)); }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() < step_max_) enabled |= StepUpEnabled;
        if (value() > step_min_) enabled |= StepDownEnabled;
        return enabled;
    }

private:
    int step_min_;
    int step_max_;
};

QString SettingText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string SettingOf(const QString& text) {
    return text.toStdString();
}

class TFormConfig final : public QDialog {
public:
    TFormConfig(QWidget* parent, TFrontEnd& front_end);

    void reject() override { ButtonCancelClick(); }

private:
    QWidget* MakeGeneralPage();
    QWidget* MakeUserPage();
    QWidget* MakePluginPage();
    // One tab of the plug-in page: the list, the selected plug-in's description and the button
    // that opens its own settings.
    void AddPluginTab(const QString& name, const std::vector<TPluginEntry>& entries,
                      const std::function<TPluginListBase*()>& plugins);
    void ShowValues(const TConfigValues& values);
    TConfigValues ShownValues() const;
    void ButtonFontClick();
    void ShowFontName();
    // Shows the profile's problem, if any, and switches to the user page.
    bool ProfileIsValid();
    void ButtonSetClick();
    void ButtonCancelClick();

    TFrontEnd& front_end_;
    // The balloon font as the settings name it; a Windows name stays unless the user picks
    // another font.
    std::string font_name_;
    int font_size_ = 0;
    QTabWidget* page_config_ = nullptr;
    QLabel* label_font_name_ = nullptr;
    TUpDown* edit_interval_ = nullptr;
    QCheckBox* check_ex_char_ = nullptr;
    QCheckBox* check_desktop_ = nullptr;
    QCheckBox* check_log_ = nullptr;
    QCheckBox* check_sound_ = nullptr;
    QCheckBox* check_execute_ = nullptr;
    QLineEdit* edit_myoji_ = nullptr;
    QLineEdit* edit_namae_ = nullptr;
    QLineEdit* edit_handle_name_ = nullptr;
    QLineEdit* edit_nick_name_ = nullptr;
    QRadioButton* radio_male_ = nullptr;
    QRadioButton* radio_female_ = nullptr;
    TUpDown* edit_year_ = nullptr;
    TUpDown* edit_month_ = nullptr;
    TUpDown* edit_day_ = nullptr;
    QCheckBox* check_plugin_ = nullptr;
    QTabWidget* page_plugin_ = nullptr;
};

// Lays `parts` out on `parent` from top to bottom; with `stretch` the free space stays below.
void Column(QWidget* parent, std::initializer_list<QWidget*> parts, bool stretch = false) {
    auto* layout = new QVBoxLayout(parent);
    for (QWidget* part : parts) layout->addWidget(part);
    if (stretch) layout->addStretch();
}

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

TFormConfig::TFormConfig(QWidget* parent, TFrontEnd& front_end)
    : QDialog(parent, kDialogWindowFlags), front_end_(front_end) {
    UseDialogFrame(*this);
    setWindowTitle(ToQString(kConfigCaption));
    page_config_ = Named(new QTabWidget(this), "PageConfig");
    page_config_->addTab(MakeGeneralPage(), ToQString(kConfigPageGeneral));
    page_config_->addTab(MakeUserPage(), ToQString(kConfigPageUser));
    page_config_->addTab(MakePluginPage(), ToQString(kConfigPagePlugin));

    auto* button_set = Named(new QPushButton(ToQString(kButtonOk), this), "ButtonSet");
    auto* button_cancel = Named(new QPushButton(ToQString(kButtonCancel), this), "ButtonCancel");
    button_set->setDefault(true);
    connect(button_set, &QPushButton::clicked, this, [this] { ButtonSetClick(); });
    connect(button_cancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button_set);
    buttons->addWidget(button_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_config_);
    layout->addLayout(buttons);

    ShowValues(ReadConfigValues(front_end_));
    // Opened for want of a valid profile (the first start): on the user page, saying why.
    if (ProfileProblem(ProfileFieldsOf(front_end_.User()))) {
        layout->insertWidget(0, Named(new QLabel(ToQString(kProfileWanted)), "LabelReason"));
        page_config_->setCurrentIndex(static_cast<int>(EConfigPage::User));
    }
    DescribeControls(*this, {{"PageConfig", kConfigCaption, kA11yConfigPages},
                             {"ButtonFont", {}, kA11yFontButton},
                             {"LabelFontName", kConfigFontLabel, kA11yFontName},
                             {"EditInterval", {}, kA11yInterval},
                             {"CheckExChar", {}, kA11yAssociate},
                             {"CheckDesktopMode", {}, kA11yDesktopMode},
                             {"CheckLog", {}, kA11yKeepLog},
                             {"CheckSound", {}, kA11yPlaySound},
                             {"CheckExecute", {}, kA11yAllowExecute},
                             {"EditMyoji", {}, kA11yProfileName},
                             {"EditNamae", {}, kA11yProfileName},
                             {"EditHandleName", {}, kA11yProfileName},
                             {"EditNickName", {}, kA11yProfileName},
                             {"RadioMale", {}, kA11ySex},
                             {"RadioFemale", {}, kA11ySex},
                             {"MemoYear", kA11yBirthYear, kA11yArrowKeys},
                             {"MemoMonth", kA11yBirthMonth, kA11yArrowKeys},
                             {"MemoDay", kA11yBirthDay, kA11yArrowKeys},
                             {"CheckPlugin", {}, kA11yEnablePlugins},
                             {"PagePlugin", kConfigPagePlugin, kA11yPluginPages},
                             {"ButtonSet", {}, kA11ySaveAndClose},
                             {"ButtonCancel", {}, kA11yDiscardAndClose}});
}

QWidget* TFormConfig::MakeGeneralPage() {
    auto* page = Named(new QWidget, "TabGeneral");
    auto* general = Named(new QGroupBox(ToQString(kConfigGroupGeneral), page), "GroupGeneral");
    auto* button_font = Named(new QPushButton(ToQString(kConfigFontButton)), "ButtonFont");
    connect(button_font, &QPushButton::clicked, this, [this] { ButtonFontClick(); });
    label_font_name_ = Named(new QLabel, "LabelFontName");
    auto* font_row = new QHBoxLayout;
    font_row->addWidget(button_font);
    font_row->addWidget(label_font_name_, 1);
    edit_interval_ = Named(new TUpDown(kIntervalStepMin, kIntervalStepMax, kIntervalShownMax, page),
                           "EditInterval");
    auto* interval_row = new QHBoxLayout;
    interval_row->addWidget(edit_interval_);
    interval_row->addWidget(new QLabel(ToQString(kConfigIntervalUnit)));
    interval_row->addStretch();
    auto* interval_label = new QLabel(ToQString(kConfigIntervalLabel));
    interval_label->setBuddy(edit_interval_);
    check_ex_char_ = Named(new QCheckBox(ToQString(kConfigAssociate)), "CheckExChar");
    check_desktop_ = Named(new QCheckBox(ToQString(kConfigDesktopMode)), "CheckDesktopMode");
    auto* general_form = new QFormLayout(general);
    general_form->addRow(ToQString(kConfigFontLabel), font_row);
    general_form->addRow(interval_label, interval_row);
    general_form->addRow(check_ex_char_);
    general_form->addRow(check_desktop_);

    auto* log = Named(new QGroupBox(ToQString(kConfigGroupLog), page), "GroupLog");
    check_log_ = Named(new QCheckBox(ToQString(kConfigKeepLog)), "CheckLog");
    Column(log, {check_log_});

    auto* other = Named(new QGroupBox(ToQString(kConfigGroupOther), page), "GroupOther");
    check_sound_ = Named(new QCheckBox(ToQString(kConfigPlaySound)), "CheckSound");
    check_execute_ = Named(new QCheckBox(ToQString(kConfigAllowExecute)), "CheckExecute");
    Column(other, {check_sound_, check_execute_});
    Column(page, {general, log, other}, true);
    return page;
}

QWidget* TFormConfig::MakeUserPage() {
    auto* page = Named(new QWidget, "TabUser");
    auto* fields = new QWidget(page);
    auto* form = new QFormLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    auto add_name = [&](TUiText label, const char* name) {
        auto* edit = Named(new QLineEdit(page), name);
        form->addRow(ToQString(label), edit);
        return edit;
    };
    edit_myoji_ = add_name(kProfileMyojiLabel, "EditMyoji");
    edit_namae_ = add_name(kProfileNamaeLabel, "EditNamae");
    edit_handle_name_ = add_name(kProfileHandleNameLabel, "EditHandleName");
    edit_nick_name_ = add_name(kProfileNickNameLabel, "EditNickName");

    radio_male_ = Named(new QRadioButton(ToQString(kProfileMale)), "RadioMale");
    radio_female_ = Named(new QRadioButton(ToQString(kProfileFemale)), "RadioFemale");
    auto* sex_row = new QHBoxLayout;
    sex_row->addWidget(radio_male_);
    sex_row->addWidget(radio_female_);
    sex_row->addStretch();
    auto* sex_label = new QLabel(ToQString(kProfileSexLabel));
    sex_label->setBuddy(radio_male_);
    form->addRow(sex_label, sex_row);

    edit_year_ = Named(new TUpDown(kBirthYearMin, kBirthYearMax, kBirthYearMax, page), "MemoYear");
    edit_month_ = Named(new TUpDown(1, 12, 12, page), "MemoMonth");
    edit_day_ = Named(new TUpDown(1, 31, 31, page), "MemoDay");
    auto* birthday_row = new QHBoxLayout;
    for (auto [edit, unit] : {std::pair{edit_year_, kProfileYearUnit},
                              {edit_month_, kProfileMonthUnit},
                              {edit_day_, kProfileDayUnit}}) {
        birthday_row->addWidget(edit);
        birthday_row->addWidget(new QLabel(ToQString(unit)));
    }
    birthday_row->addStretch();
    auto* birthday_label = new QLabel(ToQString(kProfileBirthdayLabel));
    birthday_label->setBuddy(edit_year_);
    form->addRow(birthday_label, birthday_row);

    auto* note = new QLabel(ToQString(kProfileNote));
    note->setWordWrap(true);
    Column(page, {fields, note}, true);
    return page;
}

QWidget* TFormConfig::MakePluginPage() {
    auto* page = Named(new QWidget, "TabPlugin");
    check_plugin_ = Named(new QCheckBox(ToQString(kConfigEnablePlugins)), "CheckPlugin");
    page_plugin_ = Named(new QTabWidget(page), "PagePlugin");
    connect(check_plugin_, &QCheckBox::toggled, page_plugin_, &QWidget::setEnabled);
    TPluginListBase* basic = BasicPlugins(front_end_);
    AddPluginTab(ToQString(kConfigBasicPlugins),
                 basic ? PluginEntries(*basic) : std::vector<TPluginEntry>(),
                 [this] { return BasicPlugins(front_end_); });
    AddPluginTab(ToQString(kConfigExtendedPlugins), PluginEntries(front_end_.ExtendedPlugins()),
                 [this]() -> TPluginListBase* { return &front_end_.ExtendedPlugins(); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(check_plugin_);
    layout->addWidget(page_plugin_);
    return page;
}

// The plug-in list is asked for again at each click, so that the button never reaches a list
// that went away with its character.
void TFormConfig::AddPluginTab(const QString& name, const std::vector<TPluginEntry>& entries,
                               const std::function<TPluginListBase*()>& plugins) {
    auto* tab = new QWidget;
    auto* list = new QListWidget(tab);
    auto* description = new QLabel(tab);
    auto* configure = new QPushButton(ToQString(kConfigPluginSettings), tab);
    QStringList descriptions;
    for (const TPluginEntry& entry : entries) {
        list->addItem(ToQString(entry.caption));
        descriptions.push_back(ToQString(entry.description));
    }
    description->setWordWrap(true);
    list->setAccessibleName(name);
    Describe(*list, {}, kA11yPluginList);
    Describe(*configure, {}, kA11yPluginSettings);
    connect(
        list, &QListWidget::currentRowChanged, description,
        [description, descriptions](int row) { description->setText(descriptions.value(row)); });
    connect(configure, &QPushButton::clicked, this, [this, list, plugins] {
        TPluginListBase* current = plugins();
        int row = list->currentRow();
        if (!current || row < 0 || row >= current->Count()) return;
        try {
            current->ConfigurationDialog(row);
        } catch (const std::exception& error) {
            front_end_.ReportError(error.what());
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(configure);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(list);
    layout->addWidget(description);
    layout->addLayout(buttons);
    page_plugin_->addTab(tab, name);
}

void TFormConfig::ShowValues(const TConfigValues& values) {
    font_name_ = values.font_name;
    font_size_ = values.font_size;
    ShowFontName();
    edit_interval_->setValue(values.interval);
    check_ex_char_->setChecked(values.associate);
    check_desktop_->setChecked(values.desktop_mode);
    check_log_->setChecked(values.keep_log);
    check_sound_->setChecked(values.play_sound);
    check_execute_->setChecked(values.allow_execute);
    edit_myoji_->setText(SettingText(values.profile.myoji));
    edit_namae_->setText(SettingText(values.profile.namae));
    edit_handle_name_->setText(SettingText(values.profile.handle_name));
    edit_nick_name_->setText(SettingText(values.profile.nick_name));
    (values.profile.male ? radio_male_ : radio_female_)->setChecked(true);
    edit_year_->setValue(values.profile.year);
    edit_month_->setValue(values.profile.month);
    edit_day_->setValue(values.profile.day);
    check_plugin_->setChecked(values.plugins_enabled);
    page_plugin_->setEnabled(values.plugins_enabled);
}

TConfigValues TFormConfig::ShownValues() const {
    TConfigValues values;
    values.font_name = font_name_;
    values.font_size = font_size_;
    values.interval = edit_interval_->value();
    values.associate = check_ex_char_->isChecked();
    values.desktop_mode = check_desktop_->isChecked();
    values.keep_log = check_log_->isChecked();
    values.play_sound = check_sound_->isChecked();
    values.allow_execute = check_execute_->isChecked();
    values.profile = {SettingOf(edit_myoji_->text()),
                      SettingOf(edit_namae_->text()),
                      SettingOf(edit_handle_name_->text()),
                      SettingOf(edit_nick_name_->text()),
                      !radio_female_->isChecked(),
                      edit_year_->value(),
                      edit_month_->value(),
                      edit_day_->value()};
    values.plugins_enabled = check_plugin_->isChecked();
    return values;
}

void TFormConfig::ButtonFontClick() {
    bool chosen = false;
    // The dialog starts at the font the balloon really uses.
    QFont font =
        QFontDialog::getFont(&chosen, BalloonFont(SettingText(font_name_), font_size_), this);
    if (!chosen) return;
    font_name_ = SettingOf(font.family());
    font_size_ = font.pointSize();
    ShowFontName();
}

// The font the balloon really uses: a Windows name the machine lacks shows as its fallback.
void TFormConfig::ShowFontName() {
    QFont used = BalloonFont(SettingText(font_name_), font_size_);
    label_font_name_->setText(used.family() + QStringLiteral(" %1pt").arg(font_size_));
}

bool TFormConfig::ProfileIsValid() {
    std::optional<TUiText> problem = ProfileProblem(ShownValues().profile);
    if (!problem) return true;
    QMessageBox::information(this, ToQString(kApplicationTitle), ToQString(*problem));
    page_config_->setCurrentIndex(static_cast<int>(EConfigPage::User));
    return false;
}

void TFormConfig::ButtonSetClick() {
    if (!ProfileIsValid()) return;
    try {
        ApplyConfigValues(front_end_, ShownValues(), ProgramFileAssociation());
    } catch (const std::exception& error) {
        // What came before the failure is applied; the user may change the dialog and retry.
        front_end_.ReportError(error.what());
        return;
    }
    accept();
}

void TFormConfig::ButtonCancelClick() {
    if (ProfileIsValid()) QDialog::reject();
}

}  // namespace

void RunConfigDialog(QWidget* parent, TFrontEnd& front_end) {
    TFormConfig dialog(parent, front_end);
    dialog.exec();
}

}  // namespace kiova
