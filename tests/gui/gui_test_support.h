// Small helpers the window suites share: screenshots for a look by eye,
// combo-box items, file bytes, the results table as seen, a run driven
// through the input window's "Calculate Temperature", and remembered window
// choices kept away from the user's own.
#pragma once

#include <sys/resource.h>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "input/input_form.h"
#include "output/output_form.h"

namespace calorix::gui_test {

// Every suite remembers the windows' choices (fit to window, exact profile)
// in an empty configuration folder of its own: it starts from the defaults
// and leaves the user's choices alone.  Set before main with no call into Qt,
// which must not read the locale before a suite sets it.
struct Choices_Folder {
    std::string path;
    Choices_Folder() {
        std::string name = (std::filesystem::temp_directory_path() / "calorix-choices-XXXXXX");
        if (::mkdtemp(name.data()) != nullptr) {
            path = name;
            ::setenv("XDG_CONFIG_HOME", path.c_str(), 1);
        }
    }
    ~Choices_Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};
inline const Choices_Folder Choices_Kept_Apart;

// Writes a picture of `w` into $CALORIX_SCREENSHOT_DIR when it is set.
inline void Save_Screenshot(QWidget* w, const QString& name) {
    const QByteArray dir = qgetenv("CALORIX_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QApplication::processEvents();
        w->grab().save(QString::fromUtf8(dir) + QLatin1Char('/') + name);
    }
}

inline QStringList Items(const QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i) {
        l.append(c->itemText(i));
    }
    return l;
}

inline QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Clicks a save button whose dialog answers `path` while no file may grow
// past `limit` bytes, as a disk that fills up part-way; returns the texts of
// the messages the click showed.
inline QStringList Messages_Of_Save(QAbstractButton* button, const QString& path,
                                    rlim_t limit = RLIM_INFINITY) {
    QStringList said;
    Set_Message_Hook([&said](const Message_Request& r) {
        said.append(r.Text);
        return true;
    });
    Set_File_Dialog_Hook([&path](const File_Dialog_Request&) { return path; });
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    button->click();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    Set_File_Dialog_Hook({});
    Set_Message_Hook({});
    return said;
}

// Cell (row, col) of the results table as the student sees it: row 0 is
// the view's column header row under the corner label, column 0 its row
// header.
inline QString Cell(const Output_Form* w, int row, int col) {
    const QAbstractItemModel* m = w->Table_View()->model();
    if (row == 0 && col == 0) {
        return w->Table_Corner()->text();
    }
    if (row == 0) {
        return m->headerData(col - 1, Qt::Horizontal).toString();
    }
    if (col == 0) {
        return m->headerData(row - 1, Qt::Vertical).toString();
    }
    return m->data(m->index(row - 1, col - 1)).toString();
}

inline QStringList Row(const Output_Form* w, int row) {
    QStringList l;
    for (int c = 0; c <= w->Table_View()->model()->columnCount(); ++c) {
        l.append(Cell(w, row, c));
    }
    return l;
}

// Presses "Calculate Temperature" on tab `kind`; `inspect` runs while the
// results window is up, then the window's own Close button ends it.
// Returns how many results windows were shown (1 for a run that solved).
inline int Run_Through_Form(D12_Input_Form& form, int kind,
                            const std::function<void(Output_Form*)>& inspect) {
    form.Case_Tab()->setCurrentIndex(kind);
    int shown = 0;
    QTimer::singleShot(0, &form, [&] {
        auto* w = qobject_cast<Output_Form*>(QApplication::activeModalWidget());
        if (w == nullptr) {
            return;
        }
        ++shown;
        QVERIFY(QTest::qWaitForWindowExposed(w));
        inspect(w);
        if (w->isVisible()) {
            w->Close_Command()->click();
        }
    });
    QTest::mouseClick(form.OK_Command(), Qt::LeftButton);
    return shown;
}

}  // namespace calorix::gui_test
