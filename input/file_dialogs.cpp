#include "input/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <utility>

namespace calorix {

namespace {

File_Dialog_Hook& Hook() {
    static File_Dialog_Hook hook;
    return hook;
}

}  // namespace

void Set_File_Dialog_Hook(File_Dialog_Hook hook) {
    Hook() = std::move(hook);
}

QString Ask_File_Name(QWidget* parent, const File_Dialog_Request& request) {
    if (Hook()) {
        return Hook()(request);
    }
    const QString filter = request.Filters.join(QStringLiteral(";;"));
    QString selected =
        request.Selected_Filter >= 0 && request.Selected_Filter < request.Filters.size()
            ? request.Filters[request.Selected_Filter]
            : QString();
    if (request.Save) {
        return QFileDialog::getSaveFileName(parent, QString(), request.Initial_Directory, filter,
                                            &selected);
    }
    return QFileDialog::getOpenFileName(parent, QString(), request.Initial_Directory, filter,
                                        &selected);
}

File_Dialog_Request Calorix_File_Request(bool save, const QString& extension) {
    File_Dialog_Request request;
    request.Save = save;
    // The user's own folder plays the part of the root of drive C.
    request.Initial_Directory = QDir::homePath();
    request.Filters = {QStringLiteral("All Files (*.*)"),
                       QStringLiteral("Text _Files (*.%1)").arg(extension)};
    request.Selected_Filter = 1;
    return request;
}

}  // namespace calorix
