#include "shell/Startup.h"

#include "shell/MDIMain.h"
#include "shell/frmLogin.h"

#include <QGuiApplication>
#include <QScreen>

namespace shell {

void startProgram() {
    MDIMain& main = MDIMain::instance();
    // The employee windows are wider than the designed frame: give the frame the whole screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    forms::get<frmLogin>().showWindow();
}

}  // namespace shell
