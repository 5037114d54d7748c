// Writes the program's icon as PNG files for the hicolor icon theme:
//   calorix_icon_export FOLDER SIZE...  ->  FOLDER/SIZE.png
// The installed icons are thus the very picture the windows show.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "about/calorix_icon.h"

int main(int argc, char* argv[]) {
    // No display is needed to paint into a pixmap.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: calorix_icon_export FOLDER SIZE...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "calorix_icon_export: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QByteArray(argv[i]).toInt(&ok);
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(size));
        if (!ok || size <= 0 || !calorix::Calorix_Icon(size).save(file, "PNG")) {
            std::fprintf(stderr, "calorix_icon_export: cannot write icon %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
