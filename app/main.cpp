// vemora-viewer [FOLDER]
#include "app/DvrApp.h"
#include "platform/FreedMemory.h"

int main(int argc, char** argv) {
    vemora::LimitMemoryPools();
    vemora::CDvrApp app;
    return app.InitInstance(argc, argv);
}
