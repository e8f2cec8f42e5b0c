// Entry point of the program: the toolkit creates the application object and runs it.
#include "ui/Vellomar.h"

wxIMPLEMENT_APP(CVellomar);
