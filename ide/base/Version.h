// The program's version numbers, shared by the layout file's version tag and
// the VERSIONINFO resource (FILEVERSION major, minor, 0, revision), so this
// header holds nothing but #define lines that windres reads too.
#pragma once

#define KFORGE_VERSION_MAJOR 1
#define KFORGE_VERSION_MINOR 0
#define KFORGE_VERSION_REVISION 1
