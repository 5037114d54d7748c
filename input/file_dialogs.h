#pragma once
// The open and save dialogs of the input window.  Every dialog of the program
// goes through Ask_File_Name, so that a test can install a hook that picks
// the file instead of a person.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace calorix {

struct File_Dialog_Request {
    bool Save = false;  // save dialog instead of open dialog
    QString Initial_Directory;
    QStringList Filters;      // e.g. "All Files (*.*)", "Text _Files (*.clx)"
    int Selected_Filter = 0;  // index into Filters
};

// Returns the chosen path, or an empty text for a cancel.  An empty hook
// means real dialogs.
using File_Dialog_Hook = std::function<QString(const File_Dialog_Request&)>;
void Set_File_Dialog_Hook(File_Dialog_Hook hook);

QString Ask_File_Name(QWidget* parent, const File_Dialog_Request& request);

// The dialog settings of the problem-file commands (extension "clx") and of
// the results report (extension "out"): the home folder, all files first,
// the program's own files selected.
File_Dialog_Request Calorix_File_Request(bool save, const QString& extension);

}  // namespace calorix
