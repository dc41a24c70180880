// SPDX-License-Identifier: GPL-3.0-or-later

// vaeloric-icon-render SVG OUT_DIR SIZE...: renders the scalable icon to
// OUT_DIR/<size>x<size>/apps/<name>.png for each size, for the hicolor theme.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "Usage: vaeloric-icon-render SVG OUT_DIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "Cannot read the icon %s.\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[1])).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!QDir().mkpath(dir) || !image.save(dir + "/" + name + ".png")) {
            std::fprintf(stderr, "Cannot write the %dx%d icon.\n", size, size);
            return 1;
        }
    }
    return 0;
}
