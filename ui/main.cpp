#include "app/app.h"

int main(int argc, char** argv) {
    dicewright::Application app(argc, argv);
    app.start();
    return app.exec();
}
