// vemora-viewer [FOLDER] | --help | --version
#include "app/DvrApp.h"
#include "app/TerminalOptions.h"

int main(int argc, char** argv) {
    if (const auto status = vemora::AnswerTerminalOption(argc, argv))
        return *status;
    vemora::CDvrApp app;
    return app.InitInstance(argc, argv);
}
