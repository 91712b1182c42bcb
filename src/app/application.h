// application.h — starts the window program: the Qt application object and
// the main window.
#pragma once

namespace vendaro {

int runApplication(int argc, char** argv);

}  // namespace vendaro
