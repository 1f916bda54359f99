// The program's six windows, created at start in this order and alive until the program ends, and the
// line monitor, which the session hands to whoever opens it.
#pragma once

class QWidget;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;

// The main window as a plain widget, for code that needs no more of it (no include of its header).
QWidget* mainWindow();

// Creates TForm1 to TForm6 in order (only the main window is shown by the caller).
void createForms();
// Destroys them (tests create a fresh set per case).
void destroyForms();
