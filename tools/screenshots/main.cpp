// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Redraws the README's pictures from the windows' real code: run it after changing a window.
// Takes no arguments; writes into the docs folder of the source tree.
#include "app/application.h"
#include "scenes.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Drawn off screen, the same on every machine with the program's fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::setUpApplication();

    const QDir docs(QStringLiteral(CHEMENG_DOCS_DIR));
    bool written = true;
    automation::renderEach([&](const automation::Shot& shot) {
        const QString path = docs.filePath(shot.fileName);
        const bool saved = shot.image.save(path);
        std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
        written = written && saved;
    });
    return written ? 0 : 1;
}
