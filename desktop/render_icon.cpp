// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: renders the mill's icon at every size of the window's own icon, as
// <out-dir>/<size>x<size>/apps/<name>.png, the layout of an icon theme.
#include "host/mill_icon.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <out-dir> <name>\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : molen::MillIconSizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(outDir).arg(size).arg(name);
        if (!QDir().mkpath(QFileInfo(path).path()) ||
            !molen::renderMillIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
