#pragma once
// The application object: brings up the process-wide services, creates the main window and runs
// the main loop, which also serves the embedded browser.

#include <QString>

namespace vemora {

class CDvrApp {
public:
    // Returns the process exit code (0 after a normal close).
    int InitInstance(int& argc, char** argv);
};

// Environment the embedded browser needs beside native video panes; set before QApplication exists.
void PrepareProcessEnvironment();

} // namespace vemora
