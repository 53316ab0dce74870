// Entry point of the main program.
#include "app/COrvanelApp.h"

COrvanelApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR cmdLine, int) { return theApp.Run(instance, cmdLine); }
