#include "app/Forms.h"

#include "app/UNIT1.h"
#include "app/Unit5.h"
#include "logo/Unit4.h"
#include "reports/Unit6.h"
#include "service/LineMonitor.h"
#include "terminal/Unit3.h"
#include "ui/Unit2.h"
#include "ui/WindowFrames.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;

namespace {
LineMonitor* monitor = nullptr;
} // namespace

QWidget* mainWindow() {
    return Form1;
}

void createForms() {
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form3 = new TForm3(Form1->session);
    Form4 = new TForm4(Form1->session);
    Form5 = new TForm5;
    Form6 = new TForm6(Form1->session);
    Form1->session.progressDialog = Form2;
    Form1->session.closeConfirmation = Form6;
    Form1->session.logoWindow = Form4;
    monitor = new LineMonitor(Form1->session);
    Form1->session.lineMonitor = monitor;
    // Windows that have no place of their own open over the main window; the terminal is centred on
    // the screen by its own frame.
    for (QWidget* window : std::initializer_list<QWidget*>{Form2, Form4, Form5, Form6, monitor})
        centreOverOnShow(window, Form1);
}

void destroyForms() {
    delete monitor;
    monitor = nullptr;
    delete Form6;
    delete Form5;
    delete Form4;
    delete Form3;
    delete Form2;
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
}
