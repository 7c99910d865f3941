// Names and version numbers of the program's resources, shared by talvenor.rc
// and the C++ that loads them. Plain #defines only, so the resource compiler's
// preprocessor (windres or rc) reads this file as well as the C++ compiler.
#pragma once

// The icon group used for the main window's big and small icons. It is a
// named resource (a string, not a number): the window code loads it by this
// name with LoadImageA.
#define TALVENOR_ICON_GROUP_NAME "DEFAULT_ICON"

// The icon group holds one image, 32 by 32 pixels, 32 bits per pixel; the
// 16 by 16 small icon is scaled from it by the system.
#define TALVENOR_ICON_SIZE 32
#define TALVENOR_ICON_BITS_PER_PIXEL 32

// File and product version 1.0.0.0. The numbers feed the fixed part of the
// version block; the texts are the same version written out (the resource
// compiler cannot build a text from the numbers portably).
#define TALVENOR_VERSION_MAJOR 1
#define TALVENOR_VERSION_MINOR 0
#define TALVENOR_VERSION_PATCH 0
#define TALVENOR_VERSION_BUILD 0
#define TALVENOR_VERSION_TEXT "1.0.0.0"
#define TALVENOR_VERSION_SHORT_TEXT "1.0"

#define TALVENOR_PRODUCT_NAME "Talvenor"
#define TALVENOR_EXE_NAME "Talvenor.exe"

// The version block's texts are written for Chinese (PRC), code page 936:
// language 0x0804 and code page 936 (0x03A8) name the string table
// "080403a8" and form the translation pair.
#define TALVENOR_VERSION_LANGUAGE 0x0804
#define TALVENOR_VERSION_CODE_PAGE 936
#define TALVENOR_VERSION_STRING_TABLE "080403a8"
