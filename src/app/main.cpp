#include "Unit1.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    TForm1 form;
    form.show();
    return application.exec();
}
