// Accessible names of every control of each page and of the main window's own controls, from
// the current texts (so they follow the language and the operator's source names), the
// current-choice buttons marked, and each page's Tab order put in screen order. Each page calls
// its function whenever it has set its texts or moved controls.
#pragma once

class Ui_Audio;
class Ui_Login;
class Ui_Main;
class Ui_Multiview;
class Ui_Output;
class Ui_System;
class Ui_Uart_Network;

void Access_NameOutput(Ui_Output &page);
void Access_NameMultiview(Ui_Multiview &page);
void Access_NameAudio(Ui_Audio &page);
void Access_NameSystem(Ui_System &page);
void Access_NameConnection(Ui_Uart_Network &page);
// The title bar's buttons and the language selector.
void Access_NameMainWindow(Ui_Main &window);
// The login dialog's fields and buttons.
void Access_NameLogin(Ui_Login &dialog);
