#include "afx/WinApp.h"

// The runtime's start-up for a windowed program calls this with the show
// command from the start-up information; the framework takes it from here.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
