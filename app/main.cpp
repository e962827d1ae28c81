#include <QApplication>

#include "app/Form1.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Form1 form;
    if (!form.Load()) return 1;
    form.show();
    return application.exec();
}
