// ARMORIANE: a reference work on heraldry in one window.
#include "demarrage.h"
#include "rapport.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application title names the program to the desktop (the taskbar
    // entry, through the window class) and captions the error box. It is the
    // application name and not its display name, which Qt would append to the
    // window's own caption.
    QApplication::setApplicationName(QString::fromUtf8(armo::TITRE_APPLICATION));
    // Ties the window to the menu entry and its icon where the desktop asks
    // for the entry's name (Wayland's application id, startup notification).
    QGuiApplication::setDesktopFileName(QStringLiteral(ARMORIANE_ID));
    QApplication::setFont(armo::Tahoma(11));
    std::unique_ptr<armo::TFP> FP = armo::CreerFP();
    FP->show();
    return app.exec();
}
