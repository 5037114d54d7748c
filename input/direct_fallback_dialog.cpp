#include "input/direct_fallback_dialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QThread>
#include <atomic>
#include <exception>
#include <memory>
#include <thread>

#include "common/message_dialogs.h"
#include "input/direct_fallback.h"

namespace calorix {

namespace {

constexpr int Progress_Delay_Ms = 500;

}  // namespace

bool Offer_Direct_Solution(QWidget* parent, const Problem_Definition& p, int kind,
                           Result_Stores& stores, Output_Model& out) {
    if (!Ask_Calorix_Question(parent, QString::fromLatin1(Direct_Question), QMessageBox::Question,
                              true)) {
        return false;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    Direct_Fallback result;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            result = Solve_Directly(p, kind, stores, out, &cancel);
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
    });
    // The window keeps painting; until the progress dialog is up it takes
    // no input, and the dialog, once up, is modal and offers only Cancel.
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    while (!done) {
        if (!progress && clock.elapsed() >= Progress_Delay_Ms) {
            progress = std::make_unique<QProgressDialog>(
                QStringLiteral("Solving the node equations directly..."), QStringLiteral("Cancel"),
                0, 0, parent);
            progress->setWindowTitle(QStringLiteral("CALORIX"));
            progress->setWindowModality(Qt::ApplicationModal);
            progress->setMinimumDuration(0);
            QObject::connect(progress.get(), &QProgressDialog::canceled,
                             [&cancel] { cancel = true; });
            progress->show();
        }
        QCoreApplication::processEvents(
            progress ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(10);
    }
    worker.join();
    progress.reset();
    QGuiApplication::restoreOverrideCursor();
    if (failure) {
        std::rethrow_exception(failure);
    }
    if (!result.solved) {
        if (!result.cancelled) {
            Show_Calorix_Message(parent, QString::fromStdString(result.message));
        }
        return false;
    }
    return true;
}

}  // namespace calorix
