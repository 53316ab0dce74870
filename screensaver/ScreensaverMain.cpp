// Entry point of the screensaver.
#include "screensaver/CScreensaverApp.h"

CScreensaverApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR cmdLine, int) { return theApp.Run(instance, cmdLine); }
