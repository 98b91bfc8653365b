// vemora-viewer [FOLDER] | --help | --version
#include "app/DvrApp.h"
#include "app/TerminalOptions.h"
#include "platform/FreedMemory.h"

int main(int argc, char** argv) {
    if (const auto status = vemora::AnswerTerminalOption(argc, argv))
        return *status;
    vemora::LimitMemoryPools();
    vemora::CDvrApp app;
    return app.InitInstance(argc, argv);
}
