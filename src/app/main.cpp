// Grocerush: steer the trolley, grab the list, pay at the checkout.

#include "MainWindow.h"
#include "States.h"
#include "platform/Window.h"

int main()
{
    const int exitCode = app::runGame(new Grocerush(app::makeAllStates));
    platform::shutDown();
    return exitCode;
}
