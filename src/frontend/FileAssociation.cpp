#include "FileAssociation.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "CodePage.h"
#include "Files.h"
#include "InstalledFolders.h"
#include "UiTexts.h"

namespace kiova {
namespace {
namespace fs = std::filesystem;

// Marks the files the program writes; only marked files are ever removed.
constexpr std::string_view kMark = "X-Kiova-Association";
constexpr std::string_view kDesktopEntryName = "kiova.desktop";
constexpr int kToolTimeoutMs = 30000;

std::string MimePackageText() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- " + std::string(kMark) +
           ": written by Kiova's settings dialog, removed when the association is turned off "
           "-->\n<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(kCharacterMimeType) +
           "\">\n    <comment>Kiova character</comment>\n"
           "    <comment xml:lang=\"ja\">Kiova 人格ファイル</comment>\n"
           "    <sub-class-of type=\"text/plain\"/>\n    <glob pattern=\"*.ktc\"/>\n"
           "  </mime-type>\n</mime-info>\n";
}

QString QtPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

std::string UserText(TUiText text) {
    return Utf16ToUtf8(Translated(text));
}

std::string ReasonText(const QString& reason) {
    return reason.trimmed().toStdString();
}

[[noreturn]] void Fail(const std::vector<std::string>& problems) {
    std::string message = UserText(kAssociationFailed);
    for (const std::string& problem : problems) message += "\r\n" + problem;
    throw EAssociationError(message);
}

std::string FileProblem(TUiText what, const fs::path& path, const std::string& reason) {
    return UserText(what) + PathText(path) + " (" + reason + ")";
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool IsMarked(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string contents(std::istreambuf_iterator<char>(in), {});
    return contents.find(kMark) != std::string::npos;
}

void WriteFile(const fs::path& path, std::string_view contents) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error) Fail({FileProblem(kAssociationCannotWrite, path, error.message())});
    QSaveFile file(QtPath(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(contents.data(), static_cast<qint64>(contents.size())) !=
            static_cast<qint64>(contents.size()) ||
        !file.commit())
        Fail({FileProblem(kAssociationCannotWrite, path, ReasonText(file.errorString()))});
}

void RemoveFile(const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
    if (error) Fail({FileProblem(kAssociationCannotRemove, path, error.message())});
}

// The program's path as one argument of the Exec key: quoted, with the escapes of quoted
// arguments and of field codes, then the escapes every string value of the file has.
std::string ExecArgument(const fs::path& program) {
    std::string quoted = "\"";
    for (char c : program.string()) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    std::string escaped;
    for (char c : quoted) {
        if (c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

struct TToolRun {
    std::optional<std::string> problem;  // what went wrong, for the user
    QString output;                      // standard output, trimmed
};

// Runs `tool` when it is installed and waits for it. A tool that is not installed has nothing
// to refresh: no problem, no output.
TToolRun RunTool(const QString& tool, const QStringList& arguments) {
    QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return {};
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    std::string name = tool.toStdString();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        std::string reason = ReasonText(process.errorString());
        process.kill();
        process.waitForFinished();
        return {name + UserText(kAssociationToolFailed) + reason, {}};
    }
    QString output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {std::nullopt, output};
    QString errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    std::string reason = errors.isEmpty()
                             ? UserText(kAssociationExitCode) + std::to_string(process.exitCode())
                             : ReasonText(errors.split(u'\n').last());
    return {name + UserText(kAssociationToolFailed) + reason, output};
}
}  // namespace

TFileAssociation::TFileAssociation(fs::path data_home, fs::path executable,
                                   fs::path installed_entry)
    : data_home_(std::move(data_home)),
      executable_(std::move(executable)),
      installed_entry_(std::move(installed_entry)) {}

fs::path TFileAssociation::MimePackage() const {
    return data_home_ / "mime" / "packages" / "kiova-character.xml";
}

fs::path TFileAssociation::DesktopEntry() const {
    return data_home_ / "applications" / kDesktopEntryName;
}

std::string TFileAssociation::DesktopEntryText() const {
    for (char c : executable_.string())
        if (static_cast<unsigned char>(c) < 0x20)  // a line break would start another key
            Fail({FileProblem(kAssociationCannotWrite, DesktopEntry(), PathText(executable_))});
    return "[Desktop Entry]\nType=Application\nName=Kiova\nGenericName=Character Chat\n"
           "GenericName[ja]=人格チャット\n"
           "Comment=Chat with a character who lives on your desktop\n"
           "Comment[ja]=デスクトップに住むキャラクターとおしゃべり\nExec=" +
           ExecArgument(executable_) +
           " %f\nIcon=org.example.kiova\nTerminal=false\nCategories=Game;Amusement;\nMimeType=" +
           std::string(kCharacterMimeType) + ";\n" + std::string(kMark) + "=true\n";
}

// A default the user or another program chose is kept, as is one set earlier. A query that
// fails tells nothing, so the default is set.
void TFileAssociation::DefaultToInstalledEntry() const {
    const QString type = QString::fromUtf8(kCharacterMimeType);
    if (!RunTool("xdg-mime", {"query", "default", type}).output.isEmpty()) return;
    const QString entry = QString::fromUtf8(kInstalledDesktopEntryName);
    if (std::optional<std::string> problem = RunTool("xdg-mime", {"default", entry, type}).problem)
        Fail({*problem});
}

void TFileAssociation::Associate() const {
    std::error_code error;
    if (!installed_entry_.empty() && fs::is_regular_file(installed_entry_, error)) {
        DefaultToInstalledEntry();
        return;
    }
    bool wrote = false;
    if (!Exists(MimePackage())) {
        WriteFile(MimePackage(), MimePackageText());
        wrote = true;
    }
    if (!Exists(DesktopEntry())) {
        WriteFile(DesktopEntry(), DesktopEntryText());
        wrote = true;
    }
    if (!wrote) return;
    std::vector<std::string> problems = RefreshCaches(true);
    if (!problems.empty()) Fail(problems);
}

void TFileAssociation::Dissociate() const {
    bool removed = false;
    for (const fs::path& file : {MimePackage(), DesktopEntry()}) {
        if (!IsMarked(file)) continue;
        RemoveFile(file);
        removed = true;
    }
    if (!removed) return;
    std::vector<std::string> problems = RefreshCaches(false);
    if (!problems.empty()) Fail(problems);
}

std::vector<std::string> TFileAssociation::RefreshCaches(bool make_default) const {
    std::vector<TToolRun> runs{
        RunTool("update-mime-database", {QtPath(data_home_ / "mime")}),
        RunTool("update-desktop-database", {QtPath(data_home_ / "applications")})};
    if (make_default)
        runs.push_back(RunTool("xdg-mime", {"default", QString::fromUtf8(kDesktopEntryName),
                                            QString::fromUtf8(kCharacterMimeType)}));
    std::vector<std::string> problems;
    for (TToolRun& run : runs)
        if (run.problem) problems.push_back(std::move(*run.problem));
    return problems;
}

TFileAssociation ProgramFileAssociation() {
    fs::path entry;
    if (!InstalledFolders().data.empty())
        entry = (NativePath(InstalledFolders().data) / ".." / "applications" /
                 kInstalledDesktopEntryName)
                    .lexically_normal();
    return TFileAssociation(XdgDataHome(), ExecutablePath(), std::move(entry));
}

fs::path XdgDataHome() {
    const char* configured = std::getenv("XDG_DATA_HOME");
    if (configured && fs::path(configured).is_absolute()) return configured;
    return fs::path(QDir::homePath().toStdString()) / ".local" / "share";
}

}  // namespace kiova
