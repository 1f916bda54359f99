// The scale utility: creates its six windows, shows the main one and runs until it closes.
#include "app/Forms.h"
#include "app/UNIT1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    createForms();
    Form1->show();
    int result = QApplication::exec();
    destroyForms();
    return result;
}
