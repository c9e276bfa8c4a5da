#pragma once

class QApplication;

// What every start of the program sets on its application object before the window: numbers
// in files never following the environment's locale, the program's name, and Qt's own texts
// (standard buttons, file dialogs) in Spanish like the rest of the program.
void IniciarAplicacion(QApplication& app);
