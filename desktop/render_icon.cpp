// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: renders the mill's drawing at each size given, on a transparent square, as
// <out-dir>/<size>x<size>/apps/<name>.png, the layout of an icon theme. The window takes the
// same pictures as its own icon.
//   molen_render_icon <drawing.svg> <out-dir> <name> <size>...
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

namespace {

QImage render(QSvgRenderer& drawing, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <drawing.svg> <out-dir> <name> <size>...\n", argv[0]);
        return EXIT_FAILURE;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return EXIT_FAILURE;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(outDir).arg(size).arg(name);
        if (size <= 0 || !QDir().mkpath(QFileInfo(path).path()) ||
            !render(drawing, size).save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
