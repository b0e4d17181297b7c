#include "Unit1.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    TForm1 form;
    form.show();
    // Without a window manager (a bare X server) nothing else would make it active.
    form.activateWindow();
    return application.exec();
}
