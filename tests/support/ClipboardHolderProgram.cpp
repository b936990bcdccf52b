// Holds the clipboard open, as another program may, until told to let go:
//   clipboard_holder READY_EVENT RELEASE_EVENT
// sets the first named event once it holds the clipboard, and closes it when
// the second is set, or after half a minute if no one ever sets it.
#include <windows.h>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    const HANDLE hReady = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    const HANDLE hRelease = ::OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    if (!hReady || !hRelease || !::OpenClipboard(NULL))
        return 1;
    ::SetEvent(hReady);
    ::WaitForSingleObject(hRelease, 30000);
    ::CloseClipboard();
    return 0;
}
