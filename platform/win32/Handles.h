#pragma once
// The Windows handle types our headers name, declared the way <windows.h> declares them, so that
// a header of the backend does not pull the whole system header (and its macros) into every file
// that includes it.

struct HWND__;
struct HICON__;
struct HDROP__;
typedef HWND__* HWND;
typedef HICON__* HICON;
typedef HDROP__* HDROP;
