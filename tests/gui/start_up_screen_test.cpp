// The start-up screen on a real X server with a window manager (xvfb-run
// and openbox): while its blocking pause runs, the screen must show the
// painted window, not a black box.  The offscreen platform paints whatever
// happens, and a bare X server exposes a window at once; only a display whose
// window manager maps the window in its own time catches a screen painted
// too early.
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "about/about_form.h"
#include "app/start_up.h"
#include "input/input_form.h"

using namespace calorix;

class Start_Up_Screen_Test : public QObject {
    Q_OBJECT

  private slots:
    void the_screen_is_painted_during_the_pause() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QTemporaryDir dir;
        const QString shot = dir.filePath(QStringLiteral("screen.png"));
        D12_Input_Form form;
        About_Form about(Input_Window_Steps(form));
        about.Pause_Milliseconds = 3000;
        // The pause blocks this thread; a second one photographs the display
        // in the middle of it.
        const std::string command = "import -display " +
                                    qEnvironmentVariable("DISPLAY").toStdString() +
                                    " -window root " + shot.toStdString();
        int status = -1;
        std::thread camera([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(2000));
            status = std::system(command.c_str());
        });
        about.show();
        QTRY_VERIFY_WITH_TIMEOUT(form.isVisible(), 10000);
        camera.join();
        QCOMPARE(status, 0);

        const QImage image(shot);
        QVERIFY(!image.isNull());
        const QColor background = about.palette().color(QPalette::Window);
        int painted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                painted += image.pixelColor(x, y) == background ? 1 : 0;
            }
        }
        // Most of the window's own area carries its background colour.
        const int area = about.width() * about.height();
        QVERIFY2(painted > area / 2, qPrintable(QStringLiteral("%1 of %2").arg(painted).arg(area)));
    }
};

QTEST_MAIN(Start_Up_Screen_Test)
#include "start_up_screen_test.moc"
