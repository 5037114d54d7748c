#include "common/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <utility>

#include "common/run_error.h"

namespace calorix {

namespace {

File_Dialog_Hook& Hook() {
    static File_Dialog_Hook hook;
    return hook;
}

// The folder of the file chosen last in any dialog; empty until then.
QString& Remembered_Folder() {
    static QString folder;
    return folder;
}

// The extension a saved name without one gets under filter `index`.
QString Extension_For(const File_Dialog_Request& request, int index) {
    const QString own = index >= 0 && index < request.Filters.size()
                            ? Filter_Extension(request.Filters[index])
                            : QString();
    return own.isEmpty() ? request.Default_Extension : own;
}

QString Show_Dialog(QWidget* parent, File_Dialog_Request& request) {
    QFileDialog dialog(parent, QString(), request.Initial_Directory);
    dialog.setNameFilters(request.Filters);
    if (request.Selected_Filter >= 0 && request.Selected_Filter < request.Filters.size()) {
        dialog.selectNameFilter(request.Filters[request.Selected_Filter]);
    }
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The dialog adds the extension itself, so that its overwrite question
    // names the file that will really be written; it follows the filter.
    dialog.setDefaultSuffix(Extension_For(request, request.Selected_Filter));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
            dialog.setDefaultSuffix(
                Extension_For(request, static_cast<int>(request.Filters.indexOf(filter))));
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    request.Selected_Filter =
        static_cast<int>(request.Filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void Set_File_Dialog_Hook(File_Dialog_Hook hook) {
    Hook() = std::move(hook);
}

QString Last_Folder() {
    return Remembered_Folder().isEmpty() ? QDir::homePath() : Remembered_Folder();
}

void Forget_Last_Folder() {
    Remembered_Folder().clear();
}

QString With_Default_Extension(const QString& path, const QString& extension) {
    if (path.isEmpty() || extension.isEmpty() || QFileInfo(path).fileName().contains(u'.')) {
        return path;
    }
    return path + u'.' + extension;
}

QString Filter_Extension(const QString& filter) {
    // The first pattern between the brackets: "(*.svg)", but not "(*.*)".
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ ;)*]+)[ ;)]"));
    return pattern.match(filter).captured(1);
}

QString Ask_File_Name(QWidget* parent, const File_Dialog_Request& request, int* chosen_filter) {
    File_Dialog_Request shown = request;
    if (shown.Initial_Directory.isEmpty()) {
        shown.Initial_Directory = Last_Folder();
    }
    QString path;
    {
        // The dialog runs the event loop; whatever it raises stays its own.
        const Float_Flags_Set_Aside caller_flags;
        path = Hook() ? Hook()(shown) : Show_Dialog(parent, shown);
    }
    if (path.isEmpty()) {
        return path;  // cancelled: the folder is not remembered either
    }
    if (shown.Save) {
        path = With_Default_Extension(path, Extension_For(shown, shown.Selected_Filter));
    }
    if (chosen_filter != nullptr) {
        *chosen_filter = shown.Selected_Filter;
    }
    Remembered_Folder() = QFileInfo(path).absolutePath();
    return path;
}

File_Dialog_Request Calorix_File_Request(bool save, const QString& extension) {
    File_Dialog_Request request;
    request.Save = save;
    // The last folder plays the part of the root of drive C.
    request.Initial_Directory = Last_Folder();
    request.Filters = {QStringLiteral("All Files (*.*)"),
                       QStringLiteral("Text _Files (*.%1)").arg(extension)};
    request.Selected_Filter = 1;
    request.Default_Extension = extension;
    return request;
}

File_Dialog_Request Save_File_Request(const QString& extension, const QStringList& filters) {
    File_Dialog_Request request;
    request.Save = true;
    request.Filters = filters;
    request.Selected_Filter = 0;
    request.Default_Extension = extension;
    return request;
}

}  // namespace calorix
