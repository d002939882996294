// The Windows headers, included once for the front end. The core's Platform has members named
// like some of the A/W macros, so those macros are removed here.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>
// windows.h first: these depend on it.
#include <commctrl.h>
#include <commdlg.h>
#include <knownfolders.h>
#include <ole2.h>
#include <oleacc.h>
#include <olectl.h>
#include <shellapi.h>
#include <shlobj.h>

#undef MessageBox
#undef RegQueryValue
#undef RegSetValue
#undef ShellExecute
