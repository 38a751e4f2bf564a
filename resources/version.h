// The program's version, shared by the version record and the packaging script.
#pragma once

#define ZOMERITA_VERSION_BINARY 1, 0, 0, 0
#define ZOMERITA_VERSION_TEXT "1.00"
