// vemora-viewer [FOLDER]
#include "app/DvrApp.h"

int main(int argc, char** argv) {
    vemora::CDvrApp app;
    return app.InitInstance(argc, argv);
}
