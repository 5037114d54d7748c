#pragma once
// The open and save dialogs of the program.  Every dialog goes through
// Ask_File_Name, so that a test can install a hook that picks the file
// instead of a person, and so that every dialog starts in the folder the user
// chose last in any of them.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace calorix {

struct File_Dialog_Request {
    bool Save = false;  // save dialog instead of open dialog
    // Empty: the folder of the last chosen file (the home folder at first).
    QString Initial_Directory;
    QStringList Filters;      // e.g. "All Files (*.*)", "Text _Files (*.clx)"
    int Selected_Filter = 0;  // index into Filters
    // Save dialogs: appended (with its point) to a name typed without one.
    QString Default_Extension;
};

// Returns the chosen path, or an empty text for a cancel; like a person it
// may choose another filter by setting the request's Selected_Filter.  An
// empty hook means real dialogs.
using File_Dialog_Hook = std::function<QString(File_Dialog_Request&)>;
void Set_File_Dialog_Hook(File_Dialog_Hook hook);

// Shows the dialog (or asks the hook) and remembers the folder of the chosen
// file.  A saved name typed without an extension gets that of the filter
// chosen ("SVG Image (*.svg)" gives ".svg"), or the default extension when
// the filter has none of its own ("All Files (*.*)").  The filter chosen is
// put into *chosen_filter when asked for.
QString Ask_File_Name(QWidget* parent, const File_Dialog_Request& request,
                      int* chosen_filter = nullptr);

// "svg" for "SVG Image (*.svg)"; empty for a filter of every file.
QString Filter_Extension(const QString& filter);

// The folder the next dialog starts in; Forget_Last_Folder goes back to the
// home folder.
QString Last_Folder();
void Forget_Last_Folder();

// "plate" becomes "plate.clx"; a name that already has an extension, such as
// "plate.txt", is kept as typed.
QString With_Default_Extension(const QString& path, const QString& extension);

// The dialog settings of the problem-file commands (extension "clx") and of
// the results report (extension "out"): the last folder, all files first,
// the program's own files selected.
File_Dialog_Request Calorix_File_Request(bool save, const QString& extension);

// A save dialog for one of the files the results window writes (CSV, PNG,
// SVG, PDF): the last folder, `filters` with the first selected, and
// `extension` for a name typed without one under a filter that has none.
File_Dialog_Request Save_File_Request(const QString& extension, const QStringList& filters);

}  // namespace calorix
