// Identifiers shared by the resource script and the C++ code.
#pragma once

#define IDI_ZOMERITA 1
#define IDR_PHOTOGRAPH 101

#define IDS_CAPTION 200
#define IDS_HEADING 201
#define IDS_PROMPT 202
#define IDS_SHOW 203
#define IDS_CLEAR 204
// The exercise statement, one string per line.
#define IDS_STATEMENT_FIRST 210
#define STATEMENT_LINE_COUNT 10
