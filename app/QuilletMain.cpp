// quillet: the stock and sales book in a window shaped like a handheld.

#include "CInventoryApp.h"

int main(int argc, char* argv[])
{
    CInventoryApp application(argc, argv);
    application.ShowMainWindow();
    return application.exec();
}
