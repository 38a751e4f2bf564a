// Identifiers shared by the resource script and the C++ code.
#pragma once

#define IDI_ZOMERITA 1
#define IDR_PHOTOGRAPH 101

#define IDS_CAPTION 200
#define IDS_HEADING 201
#define IDS_PROMPT 202
#define IDS_SHOW 203
#define IDS_CLEAR 204
// Names that screen readers give the output box and the picture.
#define IDS_OUTPUT_NAME 205
#define IDS_PICTURE_NAME 206
// What the user is told when the window fails; a failed start is said first.
#define IDS_ERROR_TEXT 230
#define IDS_ERROR_PHOTOGRAPH 231
#define IDS_ERROR_DRAWING 232
#define IDS_ERROR_WINDOW 233
#define IDS_STARTUP_FAILED 234
// The exercise statement, one string per line.
#define IDS_STATEMENT_FIRST 210
#define STATEMENT_LINE_COUNT 10
