#include "shell/Startup.h"

#include "shell/MDIMain.h"
#include "shell/frmLogin.h"

namespace shell {

void startProgram() {
    MDIMain& main = MDIMain::instance();
    main.show();
    forms::get<frmLogin>().showWindow();
}

}  // namespace shell
