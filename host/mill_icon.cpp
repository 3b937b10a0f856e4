// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/mill_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace molen {

QImage renderMillIcon(int size) {
    QSvgRenderer drawing(QStringLiteral(":/molen.svg"));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter);
    return image;
}

QIcon millIcon() {
    QIcon icon;
    for (const int size : MillIconSizes)
        icon.addPixmap(QPixmap::fromImage(renderMillIcon(size)));
    return icon;
}

} // namespace molen
