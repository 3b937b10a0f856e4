// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/mill_icon.h"

#include <QDirIterator>

namespace molen {

QIcon millIcon() {
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                          QDirIterator::Subdirectories);
    while (pictures.hasNext())
        icon.addFile(pictures.next());
    return icon;
}

} // namespace molen
