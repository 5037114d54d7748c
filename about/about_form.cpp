#include "about/about_form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

#include "about/calorix_icon.h"

namespace calorix {

About_Form::About_Form(Start_Up_Steps steps, QWidget* parent)
    : QDialog(parent), steps_(std::move(steps)) {
    setWindowTitle(QStringLiteral("ABOUT CALORIX Conduction Heat Transfer Software"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(250, 250, 245));
    setPalette(palette);

    const QPixmap icon = Calorix_Icon(96);
    Image1 = new QLabel(this);
    Image1->setPixmap(icon);
    Image2 = new QLabel(this);
    Image2->setPixmap(icon.transformed(QTransform().scale(-1, 1)));

    Label[0] = new QLabel(QStringLiteral("CALORIX"), this);
    QFont title = Label[0]->font();
    title.setPointSize(title.pointSize() * 2 + 6);
    title.setBold(true);
    Label[0]->setFont(title);
    Label[0]->setStyleSheet(QStringLiteral("color: #a01010;"));
    Label[1] = new QLabel(QStringLiteral("Conduction Heat Transfer Software"), this);
    QFont subtitle = Label[1]->font();
    subtitle.setPointSize(subtitle.pointSize() + 3);
    subtitle.setBold(true);
    Label[1]->setFont(subtitle);
    Label[2] =
        new QLabel(QStringLiteral("One- and two-dimensional, steady and transient heat conduction\n"
                                  "solved by the finite-difference method"),
                   this);
    Label[3] =
        new QLabel(QStringLiteral("Version 1.0\nWritten for students of heat transfer"), this);
    for (QLabel* label : Label) {
        label->setAlignment(Qt::AlignCenter);
    }

    auto* text = new QVBoxLayout;
    text->addWidget(Label[0]);
    text->addWidget(Label[1]);
    text->addSpacing(10);
    text->addWidget(Label[2]);
    text->addSpacing(10);
    text->addWidget(Label[3]);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(24, 24, 24, 24);
    row->setSpacing(20);
    row->addWidget(Image1, 0, Qt::AlignVCenter);
    row->addLayout(text, 1);
    row->addWidget(Image2, 0, Qt::AlignVCenter);

    // Form_Load: the library list is ready before anyone can open it.
    if (steps_.Load) {
        steps_.Load();
    }
}

void About_Form::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!started_) {
        // The screen appears once: after the pause the input window is the
        // program's main window.  The pause starts once the window is on the
        // screen, from the event loop.
        started_ = true;
        QTimer::singleShot(0, this, &About_Form::Pause_And_Hand_Over);
    }
}

void About_Form::Pause_And_Hand_Over() {
    // On a real display the window shows only once the window system has
    // mapped and exposed it: painting before that paints nothing, and the
    // blocking pause would leave a black box.  So wait until it is exposed
    // (input held back meanwhile), paint, and push the frame out to the
    // display before the pause starts.
    QElapsedTimer wait;
    wait.start();
    while (!(windowHandle() != nullptr && windowHandle()->isExposed()) &&
           wait.elapsed() < Expose_Wait_Milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::sync();
    if (Pause_Milliseconds > 0) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < Pause_Milliseconds) {
            QThread::msleep(10);
        }
    }
    if (steps_.Hand_Over) {
        steps_.Hand_Over();
    }
    hide();
}

}  // namespace calorix
