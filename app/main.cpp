#include "host/mill_window.h"
#include "model/initial_form.h"

#include <QApplication>

int main(int, char* argv[]) {
    int toolkitArgc = 1; // the mill takes no command line, so the toolkit sees none either
    QApplication app(toolkitArgc, argv);
    // Docks and task bars find the desktop entry, and so the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOLEN_APP_ID));
    molen::MillWindow window(molen::InitialForm());
    window.open();
    return QApplication::exec();
}
